#pragma once

/// Procedures of the main window that the experiment calls but that live
/// outside the model: the layout-and-reset pass and the preparation of the
/// drawing surfaces.
class RunPreparation {
public:
    virtual ~RunPreparation() = default;

    /// Lays the window out and returns it to its state before an experiment.
    virtual void resetWindow() = 0;
    /// Coordinate system of the animation view.
    virtual void setAnimationScale() = 0;
    /// Coordinate systems of the two plots.
    virtual void setPlotScales() = 0;
    /// Background of the coordinate plot.
    virtual void drawCoordinateBackground() = 0;
    /// Background of the velocity plot.
    virtual void drawVelocityBackground() = 0;
};
