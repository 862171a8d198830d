// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotCursor.h"

#include "Canvas.h"
#include "CanvasWidget.h"
#include "RunRecord.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

/// Gap between the crosshair and the read-out's box, and the box's padding, pixels.
constexpr int Offset = 14;
constexpr int Padding = 4;
/// The crosshair follows at most at 60 frames a second: a mouse may report
/// far more often, and each read-out costs the same whether shown or not.
constexpr int FrameMs = 16;

const QColor CrosshairColour(40, 40, 40, 140);
const QColor BoxColour(255, 255, 240, 230);
const QColor BoxBorder(120, 120, 120);

} // namespace

PlotCursor::PlotCursor(CanvasWidget* surface, const Canvas& canvas, PlotReadout::Plot plot, const RunRecord& record,
                       const QLocale& locale)
    : QWidget(surface), m_surface(surface), m_canvas(canvas), m_plot(plot), m_record(record), m_locale(locale)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(surface->rect());
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    surface->setOverlayPainter([this](QPainter& p) { paintOver(p); });
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setInterval(FrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &PlotCursor::frame);
    raise();
}

void PlotCursor::showNow()
{
    m_frameTimer.stop();
    frame();
}

void PlotCursor::frame()
{
    if (m_pending) {
        const QPoint position = *m_pending;
        m_pending.reset();
        showAt(position);
    }
    if (m_dirty.isEmpty())
        return; // nothing moved: the next move is shown at once
    m_surface->update(m_dirty);
    m_dirty = QRegion();
    m_frameTimer.start();
}

QGlyphRun PlotCursor::layOut(const QString& line, qreal& width)
{
    if (!m_font.isValid())
        m_font = QRawFont::fromFont(font());
    QList<quint32> indexes;
    QList<QPointF> positions;
    qreal x = 0;
    for (const char32_t c : line.toUcs4()) {
        auto it = m_glyphs.constFind(c);
        if (it == m_glyphs.cend()) {
            const QString one = QString::fromUcs4(&c, 1);
            const QList<quint32> glyph = m_font.glyphIndexesForString(one);
            const quint32 index = glyph.isEmpty() ? 0 : glyph.constFirst();
            const QList<QPointF> advance = m_font.advancesForGlyphIndexes(QList<quint32>{index});
            it = m_glyphs.insert(c, Glyph{index, advance.isEmpty() ? 0 : advance.constFirst().x()});
        }
        indexes << it->index;
        positions << QPointF(x, 0);
        x += it->advance;
    }
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    width = x;
    return run;
}

bool PlotCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_surface) {
        switch (event->type()) {
        case QEvent::MouseMove: follow(static_cast<QMouseEvent*>(event)->position().toPoint()); break;
        case QEvent::Leave:
            if (!m_surface->hasFocus())
                vanish();
            break;
        case QEvent::Hide: vanish(); break;
        case QEvent::FocusIn:
            // Where it last stood, or in the middle of the plot.
            if (!m_placed)
                m_target = m_surface->rect().center();
            follow(m_target);
            showNow();
            m_surface->update();
            break;
        case QEvent::FocusOut:
            if (!m_surface->underMouse())
                vanish();
            m_surface->update();
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                emit m_surface->customContextMenuRequested(m_target);
                return true;
            }
            if (moveByKey(key))
                return true;
            break;
        }
        case QEvent::ContextMenu:
            // The menu key is handled as a key above; a platform's own
            // keyboard menu event would open the menu a second time.
            if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
                return true;
            break;
        case QEvent::Resize: setGeometry(m_surface->rect()); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool PlotCursor::moveByKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const bool coarse = modifiers == Qt::ShiftModifier;
    const QSize size = m_surface->size();
    // One step of the run across, at least a pixel; a hundredth of the plot up and down.
    int across = 1;
    if (m_record.points().size() > 1) {
        const double step = m_record.points()[1].t - m_record.points()[0].t;
        across = std::max(
            1, static_cast<int>(std::lround(std::fabs(m_canvas.userToPixelX(step) - m_canvas.userToPixelX(0)))));
    }
    const int dx = coarse ? std::max(1, size.width() / 10) : across;
    const int dy = std::max(1, coarse ? size.height() / 10 : size.height() / 100);
    QPoint to = m_target;
    switch (event->key()) {
    case Qt::Key_Left: to.rx() -= dx; break;
    case Qt::Key_Right: to.rx() += dx; break;
    case Qt::Key_Up: to.ry() -= dy; break;
    case Qt::Key_Down: to.ry() += dy; break;
    default: return false;
    }
    to.setX(std::clamp(to.x(), 0, std::max(0, size.width() - 1)));
    to.setY(std::clamp(to.y(), 0, std::max(0, size.height() - 1)));
    follow(to);
    showNow();
    return true;
}

std::optional<double> PlotCursor::time() const
{
    if (!m_placed)
        return std::nullopt;
    return m_canvas.pixelToUserX(m_target.x() + 0.5);
}

void PlotCursor::follow(QPoint position)
{
    m_target = position;
    m_placed = true;
    m_pending = position;
    if (!m_frameTimer.isActive())
        frame();
}

void PlotCursor::showAt(QPoint position)
{
    const std::optional<PlotReadout::Values> values =
        PlotReadout::at(m_plot, m_canvas, m_record, position.x() + 0.5, position.y() + 0.5);
    if (!values) {
        clear();
        return;
    }
    QStringList lines = PlotReadout::lines(m_plot, *values, m_locale);
    if (position == m_position && lines == m_lines)
        return;
    if (!m_lines.isEmpty())
        m_dirty += footprint();
    qreal width = 0;
    m_runs.clear();
    for (const QString& line : lines) {
        qreal lineWidth = 0;
        m_runs.push_back(layOut(line, lineWidth));
        width = std::max(width, lineWidth);
    }
    const qreal lineSpacing = m_font.ascent() + m_font.descent() + m_font.leading();
    const QSize size(static_cast<int>(std::ceil(width)) + 2 * Padding,
                     static_cast<int>(std::ceil(lineSpacing * static_cast<qreal>(lines.size()))) + 2 * Padding);
    m_lines = std::move(lines);
    m_position = position;
    m_box = boxAt(position, size);
    m_dirty += footprint();
    announce();
}

void PlotCursor::vanish()
{
    m_pending.reset();
    clear();
    if (!m_frameTimer.isActive())
        frame();
}

void PlotCursor::clear()
{
    if (m_lines.isEmpty())
        return;
    m_dirty += footprint();
    m_lines.clear();
    announce();
}

void PlotCursor::announce()
{
    setAccessibleName(m_lines.join(QStringLiteral("; ")));
    // With the keyboard the plot itself has the focus: its description is
    // what a screen reader speaks as the crosshair moves.
    if (m_surface->hasFocus())
        m_surface->setAccessibleDescription(m_lines.isEmpty() ? m_surface->toolTip()
                                                              : m_lines.join(QStringLiteral("; ")));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QRect PlotCursor::boxAt(QPoint position, QSize size) const
{
    // Below right of the crosshair, or on the other side where there is no room.
    QPoint corner = position + QPoint(Offset, Offset);
    if (corner.x() + size.width() > width())
        corner.setX(position.x() - Offset - size.width());
    if (corner.y() + size.height() > height())
        corner.setY(position.y() - Offset - size.height());
    corner.setX(std::clamp(corner.x(), 0, std::max(0, width() - size.width())));
    corner.setY(std::clamp(corner.y(), 0, std::max(0, height() - size.height())));
    return QRect(corner, size);
}

QRegion PlotCursor::footprint() const
{
    QRegion region(QRect(m_position.x(), 0, 1, height()));
    region += QRect(0, m_position.y(), width(), 1);
    region += m_box;
    return region;
}

void PlotCursor::paintOver(QPainter& p) const
{
    // Hidden while the surface's picture is taken.
    if (isHidden())
        return;
    if (m_surface->hasFocus()) {
        // The keyboard's focus: a dotted frame just inside the plot.
        QPen pen(QColor(60, 60, 60));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, width() - 3, height() - 3));
    }
    if (m_lines.isEmpty())
        return;
    // One-pixel lines through the cursor's pixel; the vertical one in bands.
    p.fillRect(QRect(0, m_position.y(), width(), 1), CrosshairColour);
    CanvasWidget::inBands(QRect(m_position.x(), 0, 1, height()),
                          [&](const QRect& band) { p.fillRect(band, CrosshairColour); });

    const QRect box = m_box;
    p.setPen(BoxBorder);
    p.setBrush(BoxColour);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    const qreal lineSpacing = m_font.ascent() + m_font.descent() + m_font.leading();
    qreal y = box.top() + Padding + m_font.ascent();
    for (const QGlyphRun& run : m_runs) {
        p.drawGlyphRun(QPointF(box.left() + Padding, y), run);
        y += lineSpacing;
    }
}
