#pragma once

struct Form1Controls;

/// The three views of the drawing area, one shown at a time. Each handler acts
/// only when its own option button is selected; it switches visibility only,
/// so hidden surfaces keep their drawings.
class ViewSelector {
public:
    explicit ViewSelector(const Form1Controls& controls);

    /// "Движение": the animation view with its slow-down control.
    void Option1_Click();
    /// "Координата": the coordinate plot.
    void Option2_Click();
    /// "Проекция Vx": the velocity plot.
    void Option3_Click();

private:
    void show(bool animation, bool coordinate, bool velocity);

    const Form1Controls& m_controls;
};
