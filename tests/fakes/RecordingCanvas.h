#pragma once

#include "Canvas.h"

#include "FakeControl.h"
#include "UserScale.h"

#include <vector>

/// A canvas that records every primitive with its coordinates, colour and
/// width, and keeps the user coordinate system of a surface of a given pixel size.
class RecordingCanvas : public Canvas {
public:
    enum class Op { Line, PSet, Print };
    struct Primitive {
        Op op;
        float x1, y1, x2, y2; ///< PSet and Print: (x1, y1) only
        Rgb color;
        int width;
        QString text; ///< Print only
    };

    explicit RecordingCanvas(double pixelWidth = 480, double pixelHeight = 592, Rgb foreColor = Colors::Black);

    /// Everything drawn since the last Cls.
    std::vector<Primitive> primitives;
    int clsCount = 0;
    struct ScaleCall {
        float x1, y1, x2, y2;
    };
    std::vector<ScaleCall> scales;

    std::vector<Primitive> ofKind(Op op) const;

    // Control
    QString text() const override { return {}; }
    void setText(const QString&) override {}
    int value() const override { return 0; }
    void setValue(int) override {}
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }
    bool isEnabled() const override { return true; }
    void setEnabled(bool) override {}
    ControlGeometry geometry() const override { return m_geometry; }
    void setGeometry(const ControlGeometry& geometry) override;

    // Canvas
    void Scale(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Rgb color) override;
    void LineTo(float x, float y, Rgb color) override;
    void PSet(float x, float y, Rgb color) override;
    using Canvas::PSet;
    void Print(const QString& text) override;
    void Cls() override;
    int DrawWidth() const override { return m_drawWidth; }
    void setDrawWidth(int pixels) override { m_drawWidth = pixels; }
    Rgb ForeColor() const override { return m_foreColor; }
    void setForeColor(Rgb color) override { m_foreColor = color; }
    float CurrentX() const override { return m_currentX; }
    float CurrentY() const override { return m_currentY; }
    void setCurrentX(float x) override { m_currentX = x; }
    void setCurrentY(float y) override { m_currentY = y; }
    double pixelsToUserWidth(double pixels) const override;
    double pixelsToUserHeight(double pixels) const override;
    double userToPixelX(double x) const override;
    double userToPixelY(double y) const override;
    double pixelToUserX(double px) const override;
    double pixelToUserY(double py) const override;

private:
    bool m_visible = true;
    ControlGeometry m_geometry;
    double m_pixelWidth;
    double m_pixelHeight;
    UserScale m_scale;
    int m_drawWidth = 1;
    Rgb m_foreColor;
    float m_currentX = 0;
    float m_currentY = 0;
};
