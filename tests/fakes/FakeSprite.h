// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Canvas.h"
#include "Sprite.h"

/// A picture of a fixed pixel size on a canvas; keeps its position in pixels.
class FakeSprite : public Sprite {
public:
    FakeSprite(const Canvas& canvas, double pixelWidth, double pixelHeight)
        : m_canvas(canvas), m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight)
    {
    }

    double left() const override { return m_canvas.pixelToUserX(pixelLeft); }
    double top() const override { return m_canvas.pixelToUserY(pixelTop); }
    void setLeft(double left) override { pixelLeft = m_canvas.userToPixelX(left); }
    void setTop(double top) override { pixelTop = m_canvas.userToPixelY(top); }
    double userWidth() const override { return m_canvas.pixelsToUserWidth(m_pixelWidth); }
    double userHeight() const override { return m_canvas.pixelsToUserHeight(m_pixelHeight); }
    bool isVisible() const override { return visible; }
    void setVisible(bool v) override { visible = v; }

    double pixelLeft = 0;
    double pixelTop = 0;
    bool visible = true;

private:
    const Canvas& m_canvas;
    double m_pixelWidth;
    double m_pixelHeight;
};
