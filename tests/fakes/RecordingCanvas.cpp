// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingCanvas.h"

RecordingCanvas::RecordingCanvas(double pixelWidth, double pixelHeight, Rgb foregroundColor)
    : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight), m_foregroundColor(foregroundColor)
{
}

std::vector<RecordingCanvas::Primitive> RecordingCanvas::ofKind(Op op) const
{
    std::vector<Primitive> result;
    for (const Primitive& p : primitives)
        if (p.op == op)
            result.push_back(p);
    return result;
}

void RecordingCanvas::setGeometry(const ControlGeometry& geometry)
{
    m_geometry = geometry;
    m_pixelWidth = geometry.width;
    m_pixelHeight = geometry.height;
}

void RecordingCanvas::setScale(float x1, float y1, float x2, float y2)
{
    m_scale.set(x1, y1, x2, y2);
    scales.push_back({x1, y1, x2, y2});
}

void RecordingCanvas::drawLine(float x1, float y1, float x2, float y2, Rgb color)
{
    primitives.push_back({Op::Line, x1, y1, x2, y2, color, m_drawWidth, {}});
    m_currentX = x2;
    m_currentY = y2;
}

void RecordingCanvas::lineTo(float x, float y, Rgb color)
{
    drawLine(m_currentX, m_currentY, x, y, color);
}

void RecordingCanvas::drawPoint(float x, float y, Rgb color)
{
    primitives.push_back({Op::Point, x, y, x, y, color, m_drawWidth, {}});
    m_currentX = x;
    m_currentY = y;
}

void RecordingCanvas::printText(const QString& text)
{
    primitives.push_back(
        {Op::Text, m_currentX, m_currentY, m_currentX, m_currentY, m_foregroundColor, m_drawWidth, text});
    m_currentX = static_cast<float>(m_scale.left());
    m_currentY = static_cast<float>(m_currentY + pixelsToUserHeight(16));
}

void RecordingCanvas::clear()
{
    primitives.clear();
    ++clearCount;
    m_currentX = 0;
    m_currentY = 0;
}

double RecordingCanvas::pixelsToUserWidth(double pixels) const
{
    return m_scale.widthOf(pixels, m_pixelWidth);
}

double RecordingCanvas::pixelsToUserHeight(double pixels) const
{
    return m_scale.heightOf(pixels, m_pixelHeight);
}

double RecordingCanvas::userToPixelX(double x) const
{
    return m_scale.toPixelX(x, m_pixelWidth);
}

double RecordingCanvas::userToPixelY(double y) const
{
    return m_scale.toPixelY(y, m_pixelHeight);
}

double RecordingCanvas::pixelToUserX(double px) const
{
    return m_scale.fromPixelX(px, m_pixelWidth);
}

double RecordingCanvas::pixelToUserY(double py) const
{
    return m_scale.fromPixelY(py, m_pixelHeight);
}
