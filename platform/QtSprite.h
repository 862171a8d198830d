// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sprite.h"

#include <QImage>
#include <QWidget>

#include <functional>

class Canvas;

/// A picture of fixed pixel size lying on a canvas widget. Its position is
/// kept in (fractional) pixels; Left, Top, Width and Height convert to the
/// canvas's user units at the time of the call, so resizing or rescaling the
/// canvas does not move it.
class QtSprite : public QWidget, public Sprite {
    Q_OBJECT

public:
    /// `render` draws the picture for a device pixel ratio.
    QtSprite(QWidget* canvasWidget, const Canvas& canvas, QSize pixelSize, std::function<QImage(qreal)> render);

    double left() const override;
    double top() const override;
    void setLeft(double left) override;
    void setTop(double top) override;
    double userWidth() const override;
    double userHeight() const override;
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override { QWidget::setVisible(visible); }

    /// Position of the upper-left corner in pixels of the canvas.
    QPointF pixelPosition() const { return m_position; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    const Canvas& m_canvas;
    std::function<QImage(qreal)> m_render;
    QImage m_picture;
    QPointF m_position;
};
