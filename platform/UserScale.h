// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The user coordinate system of a drawing surface: its upper-left corner is
/// (x1, y1) and its lower-right corner (x2, y2). Until one is set the unit is
/// the pixel, with the origin at the upper-left corner. Conversions take the
/// surface's current size in pixels, so a resized surface stretches its
/// system; a surface of no size maps everything to 0.
struct UserScale {
    bool isSet = false;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    void set(float left, float top, float right, float bottom)
    {
        isSet = true;
        x1 = left;
        y1 = top;
        x2 = right;
        y2 = bottom;
    }

    double left() const { return isSet ? x1 : 0; }
    double top() const { return isSet ? y1 : 0; }
    /// Extent in user units (signed), for a surface of `pixels`.
    double spanX(double pixels) const { return isSet ? static_cast<double>(x2) - x1 : pixels; }
    double spanY(double pixels) const { return isSet ? static_cast<double>(y2) - y1 : pixels; }

    double toPixelX(double x, double width) const
    {
        const double span = spanX(width);
        return span == 0 ? 0 : (x - left()) / span * width;
    }
    double toPixelY(double y, double height) const
    {
        const double span = spanY(height);
        return span == 0 ? 0 : (y - top()) / span * height;
    }
    /// A distance of `pixels` across / down in user units (signed).
    double widthOf(double pixels, double width) const { return width == 0 ? 0 : pixels * spanX(width) / width; }
    double heightOf(double pixels, double height) const { return height == 0 ? 0 : pixels * spanY(height) / height; }
    double fromPixelX(double px, double width) const { return left() + widthOf(px, width); }
    double fromPixelY(double py, double height) const { return top() + heightOf(py, height); }
};
