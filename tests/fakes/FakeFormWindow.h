#pragma once

#include "FormWindow.h"

class FakeFormWindow : public FormWindow {
public:
    double width = 480;
    double height = 512;
    bool minimized = false;
    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    bool isMinimized() const override { return minimized; }
};
