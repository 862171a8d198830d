#pragma once

/// The main window as its procedures see it: client area, frame and screen, in pixels.
class FormWindow {
public:
    virtual ~FormWindow() = default;

    /// Width and height of the client area (the area below the menu bar).
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual bool isMinimized() const = 0;
};
