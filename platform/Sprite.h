// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// A picture placed on a Canvas (the droplet marker, the beam image). It keeps
/// its size in pixels; its position and size are read and set in the user units
/// of the canvas at the time of the call.
class Sprite {
public:
    virtual ~Sprite() = default;

    virtual double left() const = 0;
    virtual double top() const = 0;
    virtual void setLeft(double left) = 0;
    virtual void setTop(double top) = 0;
    /// Size in user units of the canvas (the pixel size converted).
    virtual double userWidth() const = 0;
    virtual double userHeight() const = 0;

    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
};
