// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuPictures.h"

#include "Bust.h"
#include "PaintingTools.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace MenuPictures {

using Bust::BustStyle;
using Bust::FaceDetail;

void drawHistoricalPortrait(QPainter& p)
{
    const QPointF centre(16.0, 16.0);
    // A bronze frame round a sepia photograph.
    QRadialGradient frame(QPointF(12.0, 11.0), 20.0);
    frame.setColorAt(0.0, QColor(235, 200, 120));
    frame.setColorAt(1.0, QColor(140, 95, 40));
    p.setPen(QPen(QColor(90, 60, 25), 1.0));
    p.setBrush(frame);
    p.drawEllipse(centre, 15.0, 15.0);

    QPainterPath inside;
    inside.addEllipse(centre, 12.5, 12.5);
    QRadialGradient paper(QPointF(16.0, 12.0), 14.0);
    paper.setColorAt(0.0, QColor(232, 212, 172));
    paper.setColorAt(1.0, QColor(176, 142, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(inside);

    p.save();
    p.setClipPath(inside);
    BustStyle sepia;
    sepia.skin = QColor(226, 196, 150);
    sepia.skinShade = QColor(170, 128, 86);
    sepia.hair = QColor(78, 54, 34);
    sepia.coat = QColor(92, 66, 42);
    sepia.coatShade = QColor(52, 36, 22);
    sepia.shirt = QColor(246, 234, 206);
    sepia.tie = QColor(40, 28, 18);
    sepia.features = QColor(60, 40, 24);
    sepia.highCollar = true;
    sepia.moustache = true;
    sepia.detail = FaceDetail::Eyes;
    Bust::draw(p, QPointF(16.0, 13.0), 4.8, sepia);
    p.restore();

    p.setPen(QPen(QColor(110, 75, 35), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inside);
}

void drawAuthorPortrait(QPainter& p)
{
    // A snapshot on white photo paper with a faint shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(6.0, 2.0, 22.0, 29.0));
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(QColor(252, 252, 248));
    p.drawRect(QRectF(4.5, 0.5, 22.0, 29.0));

    const QRectF photo(7.0, 3.0, 17.0, 22.0);
    QLinearGradient wall(photo.topLeft(), photo.bottomLeft());
    wall.setColorAt(0.0, QColor(170, 200, 225));
    wall.setColorAt(1.0, QColor(95, 130, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(photo);

    p.save();
    p.setClipRect(photo);
    BustStyle natural;
    natural.skin = QColor(246, 206, 172);
    natural.skinShade = QColor(206, 150, 115);
    natural.hair = QColor(105, 66, 34);
    natural.coat = QColor(70, 84, 100);
    natural.coatShade = QColor(45, 52, 64);
    natural.shirt = QColor(250, 250, 250);
    natural.tie = QColor(150, 40, 40);
    natural.features = QColor(50, 35, 30);
    natural.detail = FaceDetail::Eyes;
    Bust::draw(p, QPointF(15.5, 11.5), 4.4, natural);
    p.restore();
}

} // namespace MenuPictures
