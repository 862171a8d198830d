#pragma once

#include <QLocale>

struct ExperimentState;
struct MainWindowControls;

/// The fixed backgrounds of the drawing surfaces: grid, axes, tick labels and
/// axis titles. The caller clears a surface before its background is drawn.
class PlotBackgrounds {
public:
    PlotBackgrounds(ExperimentState& state, const MainWindowControls& controls, const QLocale& locale = QLocale());

    /// Animation view: 11 rules dividing the plate gap into 10 bands, labelled
    /// 0.00 (top) … 1.00 (bottom), and the droplet marker at the upper plate.
    void drawAnimationBackground();
    /// Coordinate plot: axes, a 21 × 21 grid, points on the axes and the titles.
    void drawCoordinateBackground();
    /// Velocity plot: axes, a grid of 41 × 41 lines anchored at (0, 0), labelled
    /// velocity ticks and the titles.
    void drawVelocityBackground();

private:
    ExperimentState& m_state;
    const MainWindowControls& m_controls;
    QLocale m_locale;
};
