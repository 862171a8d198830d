// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The main window as its procedures see it: client area, frame and screen, in pixels.
class ClientArea {
public:
    virtual ~ClientArea() = default;

    /// Width and height of the client area (the area below the menu bar).
    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual bool isMinimized() const = 0;
};
