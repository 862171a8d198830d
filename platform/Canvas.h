// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Control.h"
#include "Rgb.h"

#include <QString>

/// A drawing surface with a user coordinate system.
///
/// setScale(x1, y1, x2, y2) makes the upper-left corner of the surface the point
/// (x1, y1) and the lower-right corner (x2, y2); the vertical coordinate grows
/// downward when y1 < y2 and upward when y1 > y2. Until the first setScale the unit
/// is the pixel with the origin at the upper-left corner.
///
/// Coordinates are single precision, as the drawing operations receive them.
/// The surface keeps what was drawn on it while hidden and across repaints.
class Canvas : public Control {
public:
    /// Sets the user coordinate system, see the class comment.
    virtual void setScale(float x1, float y1, float x2, float y2) = 0;

    /// Draws a segment drawWidth() pixels wide; (x2, y2) becomes the current point.
    virtual void drawLine(float x1, float y1, float x2, float y2, Rgb color) = 0;
    /// Draws a segment from the current point to (x, y), which becomes the current point.
    virtual void lineTo(float x, float y, Rgb color) = 0;
    /// Draws one point (drawWidth() pixels across); (x, y) becomes the current point.
    virtual void drawPoint(float x, float y, Rgb color) = 0;
    /// Draws one point in the foreground colour.
    void drawPoint(float x, float y) { drawPoint(x, y, foregroundColor()); }

    /// Writes text with its upper-left corner at (currentX(), currentY()) in the
    /// surface's font and foreground colour, then moves the current point to the
    /// start of the next text line.
    virtual void printText(const QString& text) = 0;

    /// Clears the surface to its background colour; the current point becomes (0, 0).
    virtual void clear() = 0;

    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;

    virtual Rgb foregroundColor() const = 0;
    virtual void setForegroundColor(Rgb color) = 0;

    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    /// Converts a horizontal / vertical distance of `pixels` into user units
    /// (signed: negative when the user axis runs against the pixel axis).
    virtual double pixelsToUserWidth(double pixels) const = 0;
    virtual double pixelsToUserHeight(double pixels) const = 0;
    /// Converts user coordinates into pixel coordinates of the surface (fractional) and back.
    virtual double userToPixelX(double x) const = 0;
    virtual double userToPixelY(double y) const = 0;
    virtual double pixelToUserX(double px) const = 0;
    virtual double pixelToUserY(double py) const = 0;
};
