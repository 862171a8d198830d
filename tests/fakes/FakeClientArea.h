// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClientArea.h"

/// A client area of a set size, in pixels.
class FakeClientArea : public ClientArea {
public:
    double clientWidth = 480;
    double clientHeight = 512;
    bool minimized = false;
    double width() const override { return clientWidth; }
    double height() const override { return clientHeight; }
    bool isMinimized() const override { return minimized; }
};
