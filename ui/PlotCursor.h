// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PlotReadout.h"

#include <QGlyphRun>
#include <QHash>
#include <QLocale>
#include <QPoint>
#include <QRawFont>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

class Canvas;
class CanvasWidget;
class QKeyEvent;
class RunRecord;

/// The crosshair and the read-out that follow the mouse over a plot, so that
/// the limiting velocities and times can be read off it. An overlay: it is
/// painted over the plot's surface on the screen, never into the surface's
/// picture, lets the mouse (and the surface's tooltip) through, and vanishes
/// when the mouse leaves. Nothing is shown before the first run. The overlay
/// is a transparent widget over the surface, so that screen readers get the
/// read-out as its accessible name.
///
/// From the keyboard: the plot takes the focus, the crosshair appears in it
/// and the arrow keys move it, left and right by one step of the run, up and
/// down by a hundredth of the plot (with Shift by a tenth of the plot either
/// way); the read-out becomes the plot's accessible description, so that a
/// screen reader speaks it. The Menu key and Shift+F10 open the plot's
/// context menu at the crosshair.
class PlotCursor : public QWidget {
    Q_OBJECT

public:
    PlotCursor(CanvasWidget* surface, const Canvas& canvas, PlotReadout::Plot plot, const RunRecord& record,
               const QLocale& locale = QLocale());

    /// The lines of the read-out shown now; empty when none is.
    const QStringList& lines() const { return m_lines; }
    /// Where the crosshair stands, in pixels of the surface.
    QPoint position() const { return m_position; }
    /// Shows at once where the mouse went since the last frame, instead of
    /// at the next frame.
    void showNow();
    /// The time (tau) under the crosshair, when it is on the plot.
    std::optional<double> time() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Notes where the mouse went; it is shown at once after a quiet spell,
    /// else with the next frame.
    void follow(QPoint position);
    /// The crosshair and the read-out for the mouse at `position`.
    void showAt(QPoint position);
    /// Takes the crosshair and the read-out away at once (the mouse left).
    void vanish();
    /// No crosshair and no read-out from the next frame on.
    void clear();
    /// The read-out's box of `size` for the crosshair at `position`, kept inside the surface.
    QRect boxAt(QPoint position, QSize size) const;
    /// The part of the surface that shows the crosshair and the box.
    QRegion footprint() const;
    void announce();
    /// Moves the crosshair by the arrow key of `event`; false for another key.
    bool moveByKey(const QKeyEvent* event);
    void paintOver(QPainter& p) const;
    /// One frame: what the mouse asked for since the last one is computed and
    /// repainted; the next frame follows no sooner than a frame's time later.
    void frame();
    /// A line of the read-out laid out glyph by glyph from the font's own
    /// advances, without shaping: the lines change with every move of the
    /// mouse, and shaping each anew would cost more than all the rest.
    QGlyphRun layOut(const QString& line, qreal& width);

    CanvasWidget* m_surface;
    const Canvas& m_canvas;
    PlotReadout::Plot m_plot;
    const RunRecord& m_record;
    QLocale m_locale;
    QStringList m_lines;
    QPoint m_position;               ///< where the crosshair is shown
    QPoint m_target;                 ///< where the mouse or the keys put it last
    bool m_placed = false;           ///< the crosshair has had a place
    QRect m_box;                     ///< the read-out's box, pixels of the surface
    QRegion m_dirty;                 ///< what to repaint at the next frame
    std::optional<QPoint> m_pending; ///< where the mouse went since the last frame
    QTimer m_frameTimer;             ///< runs for a frame's time after a frame
    QRawFont m_font;
    struct Glyph {
        quint32 index;
        qreal advance;
    };
    QHash<char32_t, Glyph> m_glyphs;
    std::vector<QGlyphRun> m_runs; ///< the lines, laid out
};
