// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Canvas.h"
#include "QtControl.h"
#include "UserScale.h"

#include <QFont>
#include <QFontMetricsF>

class CanvasWidget;

/// A Canvas drawn on a CanvasWidget, with the conventions of a classic
/// drawing surface: pens drawWidth() pixels wide with round ends, axis-parallel
/// lines snapped to whole device pixels so that grids stay crisp, a one-pixel
/// point for a width of 1, text anchored at its upper-left corner.
class QtCanvas : public Canvas {
public:
    /// `font` is the surface's font for printText; `foregroundColor` its initial drawing colour.
    QtCanvas(CanvasWidget* widget, const QFont& font, Rgb foregroundColor);

    CanvasWidget* widget() const { return m_widget; }

    // Control
    QString text() const override { return {}; }
    void setText(const QString&) override {}
    int value() const override { return 0; }
    void setValue(int) override {}
    bool isVisible() const override { return m_control.isVisible(); }
    void setVisible(bool visible) override { m_control.setVisible(visible); }
    bool isEnabled() const override { return m_control.isEnabled(); }
    void setEnabled(bool enabled) override { m_control.setEnabled(enabled); }
    ControlGeometry geometry() const override { return m_control.geometry(); }
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
    void setDrawWidth(int pixels) override { m_drawWidth = pixels < 1 ? 1 : pixels; }
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
    bool outside(const QRectF& area) const;

    CanvasWidget* m_widget;
    QtControl m_control;
    QFont m_font;
    QFontMetricsF m_metrics;
    UserScale m_scale;
    int m_drawWidth = 1;
    Rgb m_foregroundColor;
    float m_currentX = 0;
    float m_currentY = 0;
};
