// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Artwork.h"

#include "Bust.h"
#include "MenuPictures.h"
#include "PaintingTools.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

using Bust::BustStyle;
using Bust::FaceDetail;
using PaintingTools::blankCanvas;

QImage Artwork::menuPicture(MenuPicture which, qreal devicePixelRatio, const QString& word)
{
    QImage image = blankCanvas(MenuPictureSize, MenuPictureSize, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case MenuPicture::Table: MenuPictures::drawTable(p, word.isEmpty() ? QStringLiteral("таблица") : word); break;
    case MenuPicture::Book: MenuPictures::drawBook(p); break;
    case MenuPicture::HistoricalPortrait: MenuPictures::drawHistoricalPortrait(p); break;
    case MenuPicture::PowerSwitch: MenuPictures::drawPowerSwitch(p); break;
    case MenuPicture::Booklet: MenuPictures::drawBooklet(p); break;
    case MenuPicture::Gear: MenuPictures::drawGear(p); break;
    case MenuPicture::AuthorPortrait: MenuPictures::drawAuthorPortrait(p); break;
    case MenuPicture::QuestionMark: MenuPictures::drawQuestionMark(p); break;
    }
    return image;
}

QImage Artwork::appIcon(int sizePx)
{
    if (sizePx < 1)
        return {};
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64 x 64 grid whatever the size. The edges of the card and of
    // the photograph are moved to whole pixels and lines are never thinner
    // than one pixel, so small sizes stay sharp; the face gets features only
    // where they can show.
    const qreal unit = sizePx / 64.0;
    p.scale(unit, unit);
    const qreal onePixel = 1.0 / unit;
    const auto snap = [unit](qreal v) { return std::round(v * unit) / unit; };
    const qreal hairline = std::max(1.0, std::round(0.75 * unit)) / unit;

    const QRectF card(QPointF(snap(8.0), snap(3.0)), QPointF(snap(58.0), snap(61.0)));
    const qreal shadow = std::max(onePixel, snap(2.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(shadow, shadow), 3.0, 3.0);
    p.setPen(QPen(QColor(120, 120, 120), hairline));
    p.setBrush(QColor(252, 252, 248));
    const qreal half = hairline / 2.0;
    p.drawRoundedRect(card.adjusted(half, half, -half, -half), 3.0, 3.0);

    const qreal border = std::max(onePixel, snap(4.0)) + hairline;
    const QRectF photo = card.adjusted(border, border, -border, -border);
    QLinearGradient wall(photo.topLeft(), photo.bottomRight());
    wall.setColorAt(0.0, QColor(120, 190, 200));
    wall.setColorAt(1.0, QColor(40, 100, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(photo);

    p.setClipRect(photo);
    BustStyle style;
    style.skin = QColor(246, 206, 172);
    style.skinShade = QColor(204, 146, 110);
    style.hair = QColor(70, 45, 28);
    style.coat = QColor(50, 58, 80);
    style.coatShade = QColor(28, 32, 46);
    style.shirt = QColor(250, 250, 250);
    style.tie = QColor(180, 40, 40);
    style.features = QColor(45, 30, 25);
    style.detail = sizePx >= 96 ? FaceDetail::Full : sizePx >= 32 ? FaceDetail::Eyes : FaceDetail::None;
    Bust::draw(p, QPointF(33.0, 26.0), 11.0, style);
    return image;
}

QImage Artwork::beam(qreal devicePixelRatio)
{
    QImage image = blankCanvas(BeamWidth, BeamHeight, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Sharp (mitred) yellow rim; the tip is set back by the length of the
    // rim's mitre, so the rim's point lands exactly on the lower right corner.
    const qreal rim = 1.4;
    const qreal headLength = 10.0, headHalfWidth = 5.5;
    const QPointF corner(BeamWidth, BeamHeight);
    const QPointF lastBend(35.0, 17.0);
    const QPointF along = (corner - lastBend) / std::hypot(corner.x() - lastBend.x(), corner.y() - lastBend.y());
    const QPointF across(-along.y(), along.x());
    const qreal mitre = rim / 2.0 / std::sin(std::atan2(headHalfWidth, headLength));
    const QPointF tip = corner - along * mitre;
    const QPointF base = tip - along * headLength;

    QPainterPath zigzag;
    zigzag.moveTo(2.0, 4.0);
    zigzag.lineTo(21.0, 8.5);
    zigzag.lineTo(16.5, 13.5);
    zigzag.lineTo(lastBend);
    zigzag.lineTo(base + along * 1.0);
    QPainterPath head;
    head.addPolygon(QPolygonF{base + across * headHalfWidth, tip, base - across * headHalfWidth});
    head.closeSubpath();
    // Straight lines only, so the union is exact.
    QPainterPathStroker stroker;
    stroker.setWidth(4.5);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(4.0);
    const QPainterPath arrow = stroker.createStroke(zigzag).united(head);
    QPen rimPen(QColor(255, 230, 0), rim, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    rimPen.setMiterLimit(4.0);
    p.setPen(rimPen);
    p.setBrush(QColor(255, 130, 0));
    p.drawPath(arrow);
    return image;
}

QImage Artwork::portrait(qreal devicePixelRatio)
{
    QImage image = blankCanvas(PortraitWidth, PortraitHeight, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0.0, 0.0, PortraitWidth, PortraitHeight);

    // A studio backdrop, lit behind the sitter's head.
    QRadialGradient backdrop(QPointF(68.0, 62.0), 130.0);
    backdrop.setColorAt(0.0, QColor(222, 216, 204));
    backdrop.setColorAt(0.6, QColor(168, 160, 150));
    backdrop.setColorAt(1.0, QColor(104, 98, 94));
    p.fillRect(all, backdrop);

    BustStyle sitter;
    sitter.skin = QColor(240, 200, 166);
    sitter.skinShade = QColor(196, 142, 108);
    sitter.hair = QColor(82, 58, 40);
    sitter.coat = QColor(66, 76, 98);
    sitter.coatShade = QColor(34, 38, 52);
    sitter.shirt = QColor(244, 244, 240);
    sitter.tie = QColor(122, 42, 48);
    sitter.features = QColor(50, 36, 30);
    sitter.detail = FaceDetail::Full;
    Bust::draw(p, QPointF(75.0, 74.0), 27.0, sitter);

    // The darkened edges of an old lens.
    QRadialGradient vignette(QPointF(75.0, 85.0), 120.0);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 80));
    p.fillRect(all, vignette);
    return image;
}

QImage Artwork::droplet(qreal devicePixelRatio)
{
    QImage image = blankCanvas(DropletSize, DropletSize, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A one pixel outline centred half a pixel inside the box, so the disc
    // with its outline fills the box exactly.
    p.setPen(QPen(QColor(0, 0, 192), 1.0));
    p.setBrush(QColor(0, 0, 255));
    const qreal r = DropletSize / 2.0;
    p.drawEllipse(QPointF(r, r), r - 0.5, r - 0.5);
    return image;
}
