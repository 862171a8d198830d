// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtCanvas.h"

#include "CanvasWidget.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

/// Pixel coordinates far outside the surface are clipped anyway; keeping them
/// within a sane range keeps the rasteriser away from overflow.
double tame(double v)
{
    if (!std::isfinite(v))
        return v > 0 ? 1e6 : -1e6;
    return std::clamp(v, -1e6, 1e6);
}

} // namespace

QtCanvas::QtCanvas(CanvasWidget* widget, const QFont& font, Rgb foregroundColor)
    : m_widget(widget), m_control(widget), m_font(font), m_metrics(font, widget), m_foregroundColor(foregroundColor)
{
}

bool QtCanvas::outside(const QRectF& area) const
{
    // Anything that lies wholly off the surface would be clipped away anyway.
    return area.right() < -1 || area.bottom() < -1 || area.left() > m_widget->width() + 1
           || area.top() > m_widget->height() + 1;
}

void QtCanvas::setGeometry(const ControlGeometry& geometry)
{
    m_control.setGeometry(geometry);
    m_widget->fitImage();
}

void QtCanvas::setScale(float x1, float y1, float x2, float y2)
{
    m_scale.set(x1, y1, x2, y2);
}

double QtCanvas::userToPixelX(double x) const
{
    return m_scale.toPixelX(x, m_widget->width());
}

double QtCanvas::userToPixelY(double y) const
{
    return m_scale.toPixelY(y, m_widget->height());
}

double QtCanvas::pixelsToUserWidth(double pixels) const
{
    return m_scale.widthOf(pixels, m_widget->width());
}

double QtCanvas::pixelsToUserHeight(double pixels) const
{
    return m_scale.heightOf(pixels, m_widget->height());
}

double QtCanvas::pixelToUserX(double px) const
{
    return m_scale.fromPixelX(px, m_widget->width());
}

double QtCanvas::pixelToUserY(double py) const
{
    return m_scale.fromPixelY(py, m_widget->height());
}

void QtCanvas::drawLine(float x1, float y1, float x2, float y2, Rgb color)
{
    double px1 = tame(userToPixelX(x1));
    double py1 = tame(userToPixelY(y1));
    double px2 = tame(userToPixelX(x2));
    double py2 = tame(userToPixelY(y2));

    // Snap lines that run along a pixel axis to the middle of the pixel row or
    // column they fall in (to a pixel edge for an even width), so that they
    // cover whole pixels, crisp at any whole device pixel ratio.
    const auto snap = [&](double v) { return m_drawWidth % 2 == 1 ? std::floor(v) + 0.5 : std::round(v); };
    const bool alongAxis = py1 == py2 || px1 == px2;
    if (py1 == py2)
        py1 = py2 = snap(py1);
    if (px1 == px2)
        px1 = px2 = snap(px1);
    m_currentX = x2;
    m_currentY = y2;

    const double margin = m_drawWidth;
    const QRectF area =
        QRectF(QPointF(px1, py1), QPointF(px2, py2)).normalized().adjusted(-margin, -margin, margin, margin);
    if (outside(area))
        return;
    QPainter& p = m_widget->painter();
    // Snapped to the pixel grid, lines along an axis need no smoothing.
    p.setRenderHint(QPainter::Antialiasing, !alongAxis);
    p.setPen(QPen(toQColor(color), m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(px1, py1), QPointF(px2, py2));
    m_widget->touch(area);
}

void QtCanvas::lineTo(float x, float y, Rgb color)
{
    drawLine(m_currentX, m_currentY, x, y, color);
}

void QtCanvas::drawPoint(float x, float y, Rgb color)
{
    const double px = tame(userToPixelX(x));
    const double py = tame(userToPixelY(y));
    m_currentX = x;
    m_currentY = y;
    const double radius = m_drawWidth / 2.0;
    // One pixel (the one the point falls in) or a dot drawWidth() across.
    const QRectF area = m_drawWidth <= 1 ? QRectF(std::floor(px), std::floor(py), 1, 1)
                                         : QRectF(px - radius, py - radius, m_drawWidth, m_drawWidth);
    if (outside(area))
        return;
    QPainter& p = m_widget->painter();
    if (m_drawWidth <= 1) {
        p.fillRect(area, toQColor(color));
    } else {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(color));
        p.drawEllipse(area);
        p.setBrush(Qt::NoBrush);
    }
    m_widget->touch(area);
}

void QtCanvas::printText(const QString& text)
{
    const double px = tame(userToPixelX(m_currentX));
    const double py = tame(userToPixelY(m_currentY));
    // Next line: back to the left edge, one line lower.
    m_currentX = static_cast<float>(m_scale.left());
    m_currentY = static_cast<float>(m_currentY + pixelsToUserHeight(m_metrics.height()));

    const QRectF area(px, py, m_metrics.horizontalAdvance(text), m_metrics.height());
    if (outside(area))
        return;
    QPainter& p = m_widget->painter();
    p.setFont(m_font);
    p.setPen(toQColor(m_foregroundColor));
    p.drawText(QPointF(px, py + m_metrics.ascent()), text);
    m_widget->touch(area);
}

void QtCanvas::clear()
{
    m_widget->clear();
    m_currentX = 0;
    m_currentY = 0;
}
