#include "RecordingCanvas.h"

RecordingCanvas::RecordingCanvas(double pixelWidth, double pixelHeight, Rgb foreColor)
    : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight), m_x2(static_cast<float>(pixelWidth)),
      m_y2(static_cast<float>(pixelHeight)), m_foreColor(foreColor)
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

void RecordingCanvas::Scale(float x1, float y1, float x2, float y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    scales.push_back({x1, y1, x2, y2});
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, Rgb color)
{
    primitives.push_back({Op::Line, x1, y1, x2, y2, color, m_drawWidth, {}});
    m_currentX = x2;
    m_currentY = y2;
}

void RecordingCanvas::LineTo(float x, float y, Rgb color)
{
    Line(m_currentX, m_currentY, x, y, color);
}

void RecordingCanvas::PSet(float x, float y, Rgb color)
{
    primitives.push_back({Op::PSet, x, y, x, y, color, m_drawWidth, {}});
    m_currentX = x;
    m_currentY = y;
}

void RecordingCanvas::Print(const QString& text)
{
    primitives.push_back({Op::Print, m_currentX, m_currentY, m_currentX, m_currentY, m_foreColor, m_drawWidth, text});
    m_currentX = m_x1;
    m_currentY = static_cast<float>(m_currentY + pixelsToUserHeight(16));
}

void RecordingCanvas::Cls()
{
    primitives.clear();
    ++clsCount;
    m_currentX = 0;
    m_currentY = 0;
}

double RecordingCanvas::pixelsToUserWidth(double pixels) const
{
    return m_pixelWidth == 0 ? 0 : pixels * (static_cast<double>(m_x2) - m_x1) / m_pixelWidth;
}

double RecordingCanvas::pixelsToUserHeight(double pixels) const
{
    return m_pixelHeight == 0 ? 0 : pixels * (static_cast<double>(m_y2) - m_y1) / m_pixelHeight;
}

double RecordingCanvas::userToPixelX(double x) const
{
    const double span = static_cast<double>(m_x2) - m_x1;
    return span == 0 ? 0 : (x - m_x1) / span * m_pixelWidth;
}

double RecordingCanvas::userToPixelY(double y) const
{
    const double span = static_cast<double>(m_y2) - m_y1;
    return span == 0 ? 0 : (y - m_y1) / span * m_pixelHeight;
}

double RecordingCanvas::pixelToUserX(double px) const
{
    return m_x1 + pixelsToUserWidth(px);
}

double RecordingCanvas::pixelToUserY(double py) const
{
    return m_y1 + pixelsToUserHeight(py);
}
