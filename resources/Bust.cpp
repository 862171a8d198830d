// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bust.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace Bust {

namespace {

/// The face outline: an egg shape, half a unit wide at the cheekbones,
/// narrower at the chin. Units are the head's half-width.
QPainterPath faceOutline()
{
    QPainterPath face;
    face.moveTo(0.0, -1.25);
    face.cubicTo(0.62, -1.25, 1.0, -0.85, 1.0, -0.1);
    face.cubicTo(1.0, 0.6, 0.55, 1.25, 0.0, 1.25);
    face.cubicTo(-0.55, 1.25, -1.0, 0.6, -1.0, -0.1);
    face.cubicTo(-1.0, -0.85, -0.62, -1.25, 0.0, -1.25);
    face.closeSubpath();
    return face;
}

/// Short hair over the crown, down to the temples, parted on the person's
/// right. Built from curves only (no path booleans, which would flatten the
/// curves into visible corners at high ratios).
QPainterPath hairShape()
{
    QPainterPath hair;
    hair.moveTo(-1.06, -0.05);
    hair.cubicTo(-1.14, -0.85, -0.72, -1.45, 0.0, -1.43);
    hair.cubicTo(0.72, -1.45, 1.14, -0.85, 1.06, -0.1);
    hair.lineTo(0.99, -0.1);
    hair.cubicTo(0.92, -0.6, 0.5, -0.66, -0.05, -0.72);
    hair.cubicTo(-0.4, -0.76, -0.45, -0.95, -0.55, -0.9);
    hair.cubicTo(-0.8, -0.8, -0.98, -0.5, -0.99, -0.05);
    hair.closeSubpath();
    return hair;
}

QPainterPath torsoShape()
{
    QPainterPath torso;
    torso.moveTo(-3.3, 5.0);
    torso.lineTo(-3.15, 3.3);
    torso.cubicTo(-3.1, 2.6, -2.75, 2.3, -2.1, 2.15);
    torso.cubicTo(-1.5, 2.0, -1.0, 1.8, -0.75, 1.5);
    torso.lineTo(0.75, 1.5);
    torso.cubicTo(1.0, 1.8, 1.5, 2.0, 2.1, 2.15);
    torso.cubicTo(2.75, 2.3, 3.1, 2.6, 3.15, 3.3);
    torso.lineTo(3.3, 5.0);
    torso.closeSubpath();
    return torso;
}

void drawFace(QPainter& p, const BustStyle& s)
{
    if (s.detail == FaceDetail::None)
        return;
    if (s.moustache) {
        QPainterPath m;
        m.moveTo(-0.42, 0.68);
        m.cubicTo(-0.25, 0.5, -0.08, 0.52, 0.0, 0.58);
        m.cubicTo(0.08, 0.52, 0.25, 0.5, 0.42, 0.68);
        m.cubicTo(0.2, 0.66, 0.1, 0.68, 0.0, 0.7);
        m.cubicTo(-0.1, 0.68, -0.2, 0.66, -0.42, 0.68);
        p.setPen(Qt::NoPen);
        p.setBrush(s.hair);
        p.drawPath(m);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(s.features);
    if (s.detail == FaceDetail::Eyes) {
        p.drawEllipse(QPointF(-0.38, 0.02), 0.13, 0.11);
        p.drawEllipse(QPointF(0.38, 0.02), 0.13, 0.11);
        return;
    }
    // Eyes with a glint, so the face does not look blank.
    for (const qreal side : {-1.0, 1.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.features);
        p.drawEllipse(QPointF(side * 0.38, 0.02), 0.12, 0.085);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(side * 0.38 + 0.035, -0.01), 0.03, 0.03);
        // Eyebrow.
        QPainterPath brow;
        brow.moveTo(side * 0.2, -0.2);
        brow.quadTo(side * 0.38, -0.29, side * 0.58, -0.2);
        p.setPen(QPen(s.hair, 0.075, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(brow);
    }
    // The nose: a faint shadow down its side and a curve under its tip.
    QColor shadow = s.skinShade.darker(110);
    shadow.setAlpha(110);
    p.setPen(QPen(shadow, 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.1, 0.1), QPointF(0.13, 0.36));
    QPainterPath nose;
    nose.moveTo(-0.13, 0.43);
    nose.quadTo(0.0, 0.52, 0.13, 0.43);
    p.setPen(QPen(s.skinShade.darker(115), 0.055, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(nose);

    QPainterPath mouth;
    mouth.moveTo(-0.24, 0.72);
    mouth.quadTo(0.0, 0.8, 0.24, 0.72);
    p.setPen(QPen(s.skinShade.darker(135), 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
}

} // namespace

void draw(QPainter& p, QPointF centre, qreal radius, const BustStyle& s)
{
    p.save();
    p.translate(centre);
    p.scale(radius, radius);
    p.setPen(Qt::NoPen);

    QLinearGradient coat(0.0, 1.5, 0.0, 4.5);
    coat.setColorAt(0.0, s.coat);
    coat.setColorAt(1.0, s.coatShade);
    p.setBrush(coat);
    p.drawPath(torsoShape());

    // Neck, in the shade of the chin.
    p.setBrush(s.skinShade);
    p.drawRect(QRectF(-0.4, 0.7, 0.8, 1.1));

    if (s.highCollar) {
        // A starched band round the neck with its wing tips, and a cravat.
        QPainterPath collar;
        collar.moveTo(-0.5, 1.0);
        collar.lineTo(0.5, 1.0);
        collar.lineTo(0.62, 1.6);
        collar.lineTo(0.2, 1.75);
        collar.lineTo(-0.2, 1.75);
        collar.lineTo(-0.62, 1.6);
        collar.closeSubpath();
        QPainterPath front;
        front.moveTo(-0.8, 1.55);
        front.lineTo(0.8, 1.55);
        front.lineTo(0.0, 3.4);
        front.closeSubpath();
        p.setBrush(s.shirt);
        p.drawPath(front);
        p.drawPath(collar);
        QPainterPath cravat;
        cravat.moveTo(-0.5, 1.55);
        cravat.lineTo(0.0, 1.8);
        cravat.lineTo(0.5, 1.55);
        cravat.lineTo(0.45, 2.05);
        cravat.lineTo(0.0, 1.92);
        cravat.lineTo(-0.45, 2.05);
        cravat.closeSubpath();
        p.setBrush(s.tie);
        p.drawPath(cravat);
    } else {
        QPainterPath front;
        front.moveTo(-0.62, 1.45);
        front.lineTo(0.62, 1.45);
        front.lineTo(0.0, 3.0);
        front.closeSubpath();
        p.setBrush(s.shirt);
        p.drawPath(front);
        // The collar points, slightly shaded so they stand off the shirt front.
        p.setBrush(s.shirt.darker(110));
        for (const qreal side : {-1.0, 1.0}) {
            QPolygonF point;
            point << QPointF(side * 0.42, 1.35) << QPointF(side * 0.78, 1.5) << QPointF(side * 0.2, 2.05);
            p.drawPolygon(point);
        }
        if (s.tie.isValid()) {
            QPolygonF tie;
            tie << QPointF(-0.16, 1.62) << QPointF(0.16, 1.62) << QPointF(0.09, 1.82) << QPointF(0.22, 2.9)
                << QPointF(0.0, 3.1) << QPointF(-0.22, 2.9) << QPointF(-0.09, 1.82);
            p.setBrush(s.tie);
            p.drawPolygon(tie);
        }
        if (s.detail == FaceDetail::Full) {
            // Jacket lapels along the opening, with the notch below the collar.
            for (const qreal side : {-1.0, 1.0}) {
                QPolygonF lapel;
                lapel << QPointF(side * 0.62, 1.45) << QPointF(0.0, 3.0) << QPointF(side * 0.12, 3.35)
                      << QPointF(side * 1.05, 2.3) << QPointF(side * 0.85, 2.05) << QPointF(side * 1.05, 1.62);
                p.setPen(QPen(s.coatShade, 0.04));
                p.setBrush(s.coat.lighter(112));
                p.drawPolygon(lapel);
            }
            p.setPen(Qt::NoPen);
        }
    }

    // Ears behind the face.
    p.setBrush(s.skinShade);
    p.drawEllipse(QPointF(-0.98, 0.12), 0.17, 0.27);
    p.drawEllipse(QPointF(0.98, 0.12), 0.17, 0.27);

    // The face, lit from the upper left.
    QRadialGradient light(QPointF(-0.3, -0.45), 1.9);
    light.setColorAt(0.0, s.skin.lighter(106));
    light.setColorAt(0.55, s.skin);
    light.setColorAt(1.0, s.skinShade);
    p.setBrush(light);
    p.drawPath(faceOutline());

    p.setBrush(s.hair);
    p.drawPath(hairShape());

    drawFace(p, s);
    p.restore();
}

} // namespace Bust
