// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuPictures.h"

#include "PaintingTools.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace MenuPictures {

using PaintingTools::drawRimmedLine;

namespace {

/// A 3 to 4 pixels wide bitmap font for one word, set in logical pixels so it
/// stays a crisp pixel font at any ratio. '#' is ink; rows 0-1 are the
/// ascender, rows 2-6 the x-height, row 7 the descender.
struct PixelGlyph {
    std::array<std::string_view, 8> rows;
};

/// The letters of the table's word, in Russian and in English.
struct PixelLetter {
    char16_t letter;
    PixelGlyph glyph;
};

constexpr std::array<PixelLetter, 11> tableWordLetters{{
    {u'т', {{"...", "...", "###", ".#.", ".#.", ".#.", ".#.", "..."}}},
    {u'а', {{"...", "...", "##.", "..#", ".##", "#.#", ".##", "..."}}},
    {u'б', {{"###", "#..", "##.", "#.#", "#.#", "#.#", ".#.", "..."}}},
    {u'л', {{"....", "....", ".###", ".#.#", ".#.#", ".#.#", "#..#", "...."}}},
    {u'и', {{"....", "....", "#..#", "#..#", "#.##", "##.#", "#..#", "...."}}},
    {u'ц', {{"....", "....", "#.#.", "#.#.", "#.#.", "#.#.", "####", "...#"}}},
    {u't', {{".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#", "..."}}},
    {u'a', {{"...", "...", "##.", "..#", ".##", "#.#", ".##", "..."}}},
    {u'b', {{"#..", "#..", "##.", "#.#", "#.#", "#.#", "##.", "..."}}},
    {u'l', {{"#", "#", "#", "#", "#", "#", "#", "."}}},
    {u'e', {{"...", "...", ".#.", "#.#", "###", "#..", ".##", "..."}}},
}};

} // namespace

void drawTable(QPainter& p, const QString& word)
{
    // Monochrome: black ink on white paper, no antialiasing, every line on
    // whole logical pixels.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, 32, 32), Qt::white);
    const auto ink = [&p](int x, int y, int w, int h) { p.fillRect(QRect(x, y, w, h), Qt::black); };

    int x = 1;
    for (const QChar letter : word) {
        const auto found = std::find_if(tableWordLetters.begin(), tableWordLetters.end(),
                                        [letter](const PixelLetter& l) { return l.letter == letter.unicode(); });
        if (found == tableWordLetters.end())
            continue;
        const PixelGlyph& glyph = found->glyph;
        int width = 0;
        for (int row = 0; row < int(glyph.rows.size()); ++row) {
            const std::string_view line = glyph.rows[std::size_t(row)];
            width = int(line.size());
            for (int col = 0; col < width; ++col)
                if (line[std::size_t(col)] == '#')
                    ink(x + col, row, 1, 1);
        }
        x += width + 1;
    }

    // The table: a taller header row over four rows of three columns.
    const int left = 2, right = 29, top = 9, headerBottom = 14, bottom = 30;
    ink(left, top, right - left + 1, 1);
    for (int y = headerBottom; y <= bottom; y += 4)
        ink(left, y, right - left + 1, 1);
    for (const int cx : {left, 11, 20, right})
        ink(cx, top, 1, bottom - top + 1);
    // Column headings as bold dashes, numbers as thin dashes of varying length.
    constexpr int cellLeft[] = {4, 13, 22};
    constexpr int lengths[4][3] = {{5, 3, 4}, {3, 5, 4}, {4, 4, 2}, {5, 2, 5}};
    for (int c = 0; c < 3; ++c) {
        ink(cellLeft[c], top + 2, 5, 2);
        for (int r = 0; r < 4; ++r)
            ink(cellLeft[c], headerBottom + 2 + 4 * r, lengths[r][c], 1);
    }
}

void drawBook(QPainter& p)
{
    // An open book seen from slightly above: the pink cover shows round the
    // yellow pages.
    QPainterPath cover;
    cover.moveTo(16.0, 10.0);
    cover.cubicTo(11.0, 6.0, 5.0, 6.0, 0.5, 7.5);
    cover.lineTo(0.5, 27.0);
    cover.cubicTo(6.0, 25.5, 12.0, 27.0, 16.0, 30.5);
    cover.cubicTo(20.0, 27.0, 26.0, 25.5, 31.5, 27.0);
    cover.lineTo(31.5, 7.5);
    cover.cubicTo(27.0, 6.0, 21.0, 6.0, 16.0, 10.0);
    cover.closeSubpath();
    QLinearGradient pink(0.0, 6.0, 0.0, 31.0);
    pink.setColorAt(0.0, QColor(255, 140, 190));
    pink.setColorAt(1.0, QColor(225, 60, 135));
    p.setPen(QPen(QColor(150, 20, 80), 1.0));
    p.setBrush(pink);
    p.drawPath(cover);

    for (const qreal side : {-1.0, 1.0}) {
        const auto at = [side](qreal dx, qreal y) { return QPointF(16.0 + side * dx, y); };
        // Two page edges under the open page, then the page itself.
        for (int layer = 2; layer >= 0; --layer) {
            const qreal drop = layer * 0.9;
            QPainterPath page;
            page.moveTo(at(0.0, 8.0 + drop));
            page.cubicTo(at(4.0, 4.0 + drop), at(8.5, 3.5 + drop), at(13.0, 4.5 + drop));
            page.lineTo(at(13.0, 23.5 + drop));
            page.cubicTo(at(8.5, 22.5 + drop), at(4.0, 23.0 + drop), at(0.0, 26.5 + drop));
            page.closeSubpath();
            QLinearGradient paper(at(13.0, 0.0), at(0.0, 0.0));
            paper.setColorAt(0.0, QColor(255, 252, 200));
            paper.setColorAt(0.7, QColor(255, 236, 120));
            paper.setColorAt(1.0, QColor(230, 185, 50));
            p.setPen(QPen(QColor(175, 130, 25), 0.8));
            p.setBrush(paper);
            p.drawPath(page);
        }
        // Lines of text, curving down into the fold like the page does.
        p.setPen(QPen(QColor(175, 120, 70), 0.9, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        for (int line = 0; line < 5; ++line) {
            const qreal y = 8.5 + line * 3.0;
            const qreal end = (line == 4) ? 7.0 : 11.0;
            QPainterPath text;
            text.moveTo(at(2.5, y + 1.4 - line * 0.15));
            text.quadTo(at(5.5, y - 0.3), at(end, y - 0.3));
            p.drawPath(text);
        }
    }
    // The fold between the pages.
    p.setPen(QPen(QColor(150, 105, 20), 1.0));
    p.drawLine(QPointF(16.0, 8.5), QPointF(16.0, 26.5));
}

void drawPowerSwitch(QPainter& p)
{
    // The IEC power symbol: a ring broken at the top with a bar through the gap.
    const QRectF ring(6.0, 7.0, 20.0, 20.0);
    QPainterPath symbol;
    symbol.arcMoveTo(ring, 125.0);
    symbol.arcTo(ring, 125.0, 290.0);
    symbol.moveTo(16.0, 3.5);
    symbol.lineTo(16.0, 15.0);
    drawRimmedLine(p, symbol, 3.6, QColor(230, 20, 20), QColor(130, 0, 0), 1.0);
}

void drawBooklet(QPainter& p)
{
    // 16-colour look: flat fills, dark outlines.
    const QColor outline(0, 0, 128);
    p.setPen(QPen(outline, 1.0));
    // Pages peeking out at the right and bottom.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 3.5, 19.0, 26.0));
    p.setBrush(QColor(128, 192, 255));
    p.drawRect(QRectF(5.5, 2.5, 20.0, 26.0));
    // The spine.
    p.setBrush(QColor(64, 128, 224));
    p.drawRect(QRectF(5.5, 2.5, 3.0, 26.0));

    // The globe.
    const QPointF c(17.0, 13.0);
    const qreal r = 6.5;
    QPainterPath globe;
    globe.addEllipse(c, r, r);
    p.setBrush(QColor(0, 0, 255));
    p.drawPath(globe);
    p.save();
    p.setClipPath(globe);
    // Meridian and equator, then the land over them.
    p.setPen(QPen(QColor(0, 255, 255), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 192, 0));
    QPainterPath land;
    land.moveTo(12.0, 9.0);
    land.cubicTo(14.0, 7.0, 17.5, 7.5, 17.0, 10.0);
    land.cubicTo(16.5, 12.5, 14.5, 12.0, 15.0, 14.5);
    land.cubicTo(15.5, 17.0, 13.0, 18.0, 12.0, 16.0);
    land.closeSubpath();
    land.moveTo(19.0, 11.5);
    land.cubicTo(21.5, 10.5, 24.0, 12.5, 23.0, 15.0);
    land.cubicTo(22.0, 18.5, 19.0, 19.5, 18.5, 16.5);
    land.closeSubpath();
    p.drawPath(land);
    p.restore();
    p.setPen(QPen(outline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(globe);

    // The title under the globe.
    p.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11.0, 23.5), QPointF(23.0, 23.5));
    p.drawLine(QPointF(13.0, 25.5), QPointF(21.0, 25.5));
}

namespace {

/// A gear outline with `teeth` trapezoid teeth and a round hole, centred on `c`.
QPainterPath gearShape(QPointF c, qreal outerRadius, qreal rootRadius, int teeth, qreal holeRadius)
{
    QPolygonF rim;
    const qreal pitch = 2.0 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * pitch;
        const auto polar = [c](qreal radius, qreal angle) {
            return QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        };
        rim << polar(rootRadius, a - 0.32 * pitch) << polar(outerRadius, a - 0.2 * pitch)
            << polar(outerRadius, a + 0.2 * pitch) << polar(rootRadius, a + 0.32 * pitch);
    }
    QPainterPath gear;
    gear.addPolygon(rim);
    gear.closeSubpath();
    gear.addEllipse(c, holeRadius, holeRadius);
    gear.setFillRule(Qt::OddEvenFill);
    return gear;
}

} // namespace

void drawGear(QPainter& p)
{
    const QPointF c(16.0, 16.0);
    p.setPen(QPen(QColor(0, 0, 128), 1.0));
    p.setBrush(QColor(0, 0, 224));
    p.drawEllipse(c, 15.0, 15.0);
    p.setBrush(Qt::white);
    p.drawPath(gearShape(c, 12.0, 9.0, 8, 3.5));
}

void drawQuestionMark(QPainter& p)
{
    // The hook is an arc round (16, 10); the stem leaves it along its tangent.
    const QRectF hook(10.0, 4.0, 12.0, 12.0);
    QPainterPath mark;
    mark.arcMoveTo(hook, 200.0);
    mark.arcTo(hook, 200.0, -260.0);
    const QPointF end = mark.currentPosition();
    const QPointF tangent(-std::sin(qDegreesToRadians(60.0)), std::cos(qDegreesToRadians(60.0)));
    mark.cubicTo(end + 2.2 * tangent, QPointF(16.0, 17.0), QPointF(16.0, 19.5));
    mark.lineTo(16.0, 20.5);
    const QColor blue(0, 0, 255), navy(0, 0, 128);
    drawRimmedLine(p, mark, 4.2, blue, navy, 1.0);
    p.setPen(QPen(navy, 1.0));
    p.setBrush(blue);
    p.drawEllipse(QPointF(16.0, 26.5), 2.6, 2.6);
}

} // namespace MenuPictures
