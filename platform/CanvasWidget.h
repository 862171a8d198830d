// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <optional>

/// A white, flat drawing surface that keeps what was drawn on it in an
/// off-screen image at the screen's pixel density: the drawing survives
/// hiding, repaints and resizes (a grown surface shows the old drawing at its
/// upper left on white). Coordinates are logical pixels.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    /// A painter on the off-screen image, opened on first use and kept open
    /// until the next repaint, so that many primitives cost one painter.
    QPainter& painter();
    /// Marks a rectangle of the widget (logical pixels) for repainting.
    void touch(const QRectF& area);
    /// Fills the whole image with the background.
    void clear();
    /// Physical pixels per logical pixel of the image.
    qreal pixelRatio() const { return m_image.devicePixelRatio(); }
    /// The drawing as it stands (for tests and screenshots).
    QImage image();
    /// Brings the image to the widget's size and pixel density, keeping the
    /// drawing at its upper left; for a geometry set while the widget is
    /// hidden, whose resize event comes only when it is shown.
    void fitImage();
    /// Something drawn over the picture on the screen only (a crosshair),
    /// never into it: called at the end of every repaint.
    void setOverlayPainter(std::function<void(QPainter&)> paint) { m_overlay = std::move(paint); }

    /// Tall pieces are painted in bands of at most this many rows: the raster
    /// engine hands a blit or fill of many rows to worker threads, which for
    /// a narrow strip costs more in waking them than it saves.
    static constexpr int RepaintBand = 48;
    /// Calls `paint` for each band of `area`, top to bottom.
    template <class Paint>
    static void inBands(const QRect& area, Paint&& paint)
    {
        for (int top = area.top(); top <= area.bottom(); top += RepaintBand)
            paint(QRect(area.left(), top, area.width(), std::min(RepaintBand, area.bottom() + 1 - top)));
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void endPainting();

    QImage m_image;
    std::optional<QPainter> m_painter;
    std::function<void(QPainter&)> m_overlay;
};
