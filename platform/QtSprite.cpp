// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtSprite.h"

#include "Canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

QtSprite::QtSprite(QWidget* canvasWidget, const Canvas& canvas, QSize pixelSize, std::function<QImage(qreal)> render)
    : QWidget(canvasWidget), m_canvas(canvas), m_render(std::move(render))
{
    setFixedSize(pixelSize);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

double QtSprite::left() const
{
    return m_canvas.pixelToUserX(m_position.x());
}

double QtSprite::top() const
{
    return m_canvas.pixelToUserY(m_position.y());
}

void QtSprite::setLeft(double left)
{
    m_position.setX(m_canvas.userToPixelX(left));
    place();
}

void QtSprite::setTop(double top)
{
    m_position.setY(m_canvas.userToPixelY(top));
    place();
}

double QtSprite::userWidth() const
{
    return m_canvas.pixelsToUserWidth(width());
}

double QtSprite::userHeight() const
{
    return m_canvas.pixelsToUserHeight(height());
}

void QtSprite::place()
{
    // Far outside the canvas it is invisible anyway; keep the widget position sane.
    const auto whole = [](double v) {
        return static_cast<int>(std::lround(std::isfinite(v) ? std::clamp(v, -1e6, 1e6) : -1e6));
    };
    move(whole(m_position.x()), whole(m_position.y()));
}

void QtSprite::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio)
        m_picture = m_render(ratio);
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_picture);
}
