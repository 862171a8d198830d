// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Canvas.h"

#include "FakeControl.h"
#include "UserScale.h"

#include <vector>

/// A canvas that records every primitive with its coordinates, colour and
/// width, and keeps the user coordinate system of a surface of a given pixel size.
class RecordingCanvas : public Canvas {
public:
    enum class Op { Line, Point, Text };
    struct Primitive {
        Op op;
        float x1, y1, x2, y2; ///< points and texts: (x1, y1) only
        Rgb color;
        int width;
        QString text; ///< texts only
    };

    explicit RecordingCanvas(double pixelWidth = 480, double pixelHeight = 592, Rgb foregroundColor = Colors::Black);

    /// Everything drawn since the last clear.
    std::vector<Primitive> primitives;
    int clearCount = 0;
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
    void setScale(float x1, float y1, float x2, float y2) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void lineTo(float x, float y, Rgb color) override;
    void drawPoint(float x, float y, Rgb color) override;
    using Canvas::drawPoint;
    void printText(const QString& text) override;
    void clear() override;
    int drawWidth() const override { return m_drawWidth; }
    void setDrawWidth(int pixels) override { m_drawWidth = pixels; }
    Rgb foregroundColor() const override { return m_foregroundColor; }
    void setForegroundColor(Rgb color) override { m_foregroundColor = color; }
    float currentX() const override { return m_currentX; }
    float currentY() const override { return m_currentY; }
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
    Rgb m_foregroundColor;
    float m_currentX = 0;
    float m_currentY = 0;
};
