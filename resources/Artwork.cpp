#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>
#include <string_view>

// All drawing below is in logical pixels: QPainter scales by the image's
// device pixel ratio by itself, so the same code gives sharp pictures at 1x, 2x
// or any other ratio. Pictures that must look like an old 16-colour or
// monochrome icon use a few flat colours; the others may use gradients.

namespace {

// ---------------------------------------------------------------- canvases --

qreal validRatio(qreal ratio)
{
    return (std::isfinite(ratio) && ratio > 0.0) ? ratio : 1.0;
}

/// A transparent image of the given logical size (pixels) for the given ratio.
QImage blankCanvas(int logicalWidth, int logicalHeight, qreal ratio)
{
    ratio = validRatio(ratio);
    // The small epsilon keeps 10 * 1.1 = 11.000000000000002 from becoming 12 pixels.
    const QSize physical(qCeil(logicalWidth * ratio - 1e-6), qCeil(logicalHeight * ratio - 1e-6));
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

/// Draws a thick line (width in pixels) with a darker rim round it, the way
/// icons draw symbols so they stand out on any background. Two pens instead
/// of a path union keep the curves smooth at every ratio.
void drawRimmedLine(QPainter &p, const QPainterPath &centreLine, qreal width,
                    const QColor &fill, const QColor &rim, qreal rimWidth)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, width + 2.0 * rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(centreLine);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(centreLine);
}

// ----------------------------------------------------------- head and bust --

/// How much of a face to draw; small heads read better with fewer details.
enum class FaceDetail { None, Eyes, Full };

/// Colours and cut of a stylised head-and-shoulders figure.
struct BustStyle {
    QColor skin;
    QColor skinShade;
    QColor hair;
    QColor coat;
    QColor coatShade;
    QColor shirt;
    QColor tie;
    QColor features;
    bool highCollar = false; ///< a tall starched collar with a cravat
    bool moustache = false;
    FaceDetail detail = FaceDetail::Eyes;
};

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

void drawFace(QPainter &p, const BustStyle &s)
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

/// A head and shoulders. The head's centre is at `centre` and its half-width
/// is `radius` (pixels); the shoulders reach about 3.2 radii to each side and
/// run off below the head, so callers clip to their frame.
void drawBust(QPainter &p, QPointF centre, qreal radius, const BustStyle &s)
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
            point << QPointF(side * 0.42, 1.35) << QPointF(side * 0.78, 1.5)
                  << QPointF(side * 0.2, 2.05);
            p.drawPolygon(point);
        }
        if (s.tie.isValid()) {
            QPolygonF tie;
            tie << QPointF(-0.16, 1.62) << QPointF(0.16, 1.62) << QPointF(0.09, 1.82)
                << QPointF(0.22, 2.9) << QPointF(0.0, 3.1) << QPointF(-0.22, 2.9)
                << QPointF(-0.09, 1.82);
            p.setBrush(s.tie);
            p.drawPolygon(tie);
        }
        if (s.detail == FaceDetail::Full) {
            // Jacket lapels along the opening, with the notch below the collar.
            for (const qreal side : {-1.0, 1.0}) {
                QPolygonF lapel;
                lapel << QPointF(side * 0.62, 1.45) << QPointF(0.0, 3.0) << QPointF(side * 0.12, 3.35)
                      << QPointF(side * 1.05, 2.3) << QPointF(side * 0.85, 2.05)
                      << QPointF(side * 1.05, 1.62);
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

// ------------------------------------------------------------ menu pictures --

/// A 3 to 4 pixels wide bitmap font for one word, set in logical pixels so it
/// stays a crisp pixel font at any ratio. '#' is ink; rows 0-1 are the
/// ascender, rows 2-6 the x-height, row 7 the descender.
struct PixelGlyph {
    std::array<std::string_view, 8> rows;
};

constexpr std::array<PixelGlyph, 7> wordTablitsa{{
    // т
    {{"...", "...", "###", ".#.", ".#.", ".#.", ".#.", "..."}},
    // а
    {{"...", "...", "##.", "..#", ".##", "#.#", ".##", "..."}},
    // б
    {{"###", "#..", "##.", "#.#", "#.#", "#.#", ".#.", "..."}},
    // л
    {{"....", "....", ".###", ".#.#", ".#.#", ".#.#", "#..#", "...."}},
    // и
    {{"....", "....", "#..#", "#..#", "#.##", "##.#", "#..#", "...."}},
    // ц
    {{"....", "....", "#.#.", "#.#.", "#.#.", "#.#.", "####", "...#"}},
    // а
    {{"...", "...", "##.", "..#", ".##", "#.#", ".##", "..."}},
}};

void drawTable(QPainter &p)
{
    // Monochrome: black ink on white paper, no antialiasing, every line on
    // whole logical pixels.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, 32, 32), Qt::white);
    const auto ink = [&p](int x, int y, int w, int h) { p.fillRect(QRect(x, y, w, h), Qt::black); };

    int x = 1;
    for (const PixelGlyph &glyph : wordTablitsa) {
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

void drawBook(QPainter &p)
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

void drawHistoricalPortrait(QPainter &p)
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
    drawBust(p, QPointF(16.0, 13.0), 4.8, sepia);
    p.restore();

    p.setPen(QPen(QColor(110, 75, 35), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inside);
}

void drawPowerSwitch(QPainter &p)
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

void drawBooklet(QPainter &p)
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

void drawGear(QPainter &p)
{
    const QPointF c(16.0, 16.0);
    p.setPen(QPen(QColor(0, 0, 128), 1.0));
    p.setBrush(QColor(0, 0, 224));
    p.drawEllipse(c, 15.0, 15.0);
    p.setBrush(Qt::white);
    p.drawPath(gearShape(c, 12.0, 9.0, 8, 3.5));
}

void drawAuthorPortrait(QPainter &p)
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
    drawBust(p, QPointF(15.5, 11.5), 4.4, natural);
    p.restore();
}

void drawQuestionMark(QPainter &p)
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

} // namespace

QImage Artwork::menuBitmap(MenuBitmap which, qreal devicePixelRatio)
{
    QImage image = blankCanvas(MenuBitmapSize, MenuBitmapSize, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case MenuBitmap::Table: drawTable(p); break;
    case MenuBitmap::Book: drawBook(p); break;
    case MenuBitmap::HistoricalPortrait: drawHistoricalPortrait(p); break;
    case MenuBitmap::PowerSwitch: drawPowerSwitch(p); break;
    case MenuBitmap::Booklet: drawBooklet(p); break;
    case MenuBitmap::Gear: drawGear(p); break;
    case MenuBitmap::AuthorPortrait: drawAuthorPortrait(p); break;
    case MenuBitmap::QuestionMark: drawQuestionMark(p); break;
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
    drawBust(p, QPointF(33.0, 26.0), 11.0, style);
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
    drawBust(p, QPointF(75.0, 74.0), 27.0, sitter);

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
