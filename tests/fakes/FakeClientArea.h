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
