#pragma once

/// Procedures of the main window that the experiment calls but that live
/// outside the model: the layout-and-reset pass and the preparation of the
/// drawing surfaces.
class WindowProcedures {
public:
    virtual ~WindowProcedures() = default;

    /// Lays the window out and returns it to its state before an experiment.
    virtual void Form_Resize() = 0;
    /// Coordinate system of the animation view.
    virtual void minmax() = 0;
    /// Coordinate systems of the two plots.
    virtual void minmax_2() = 0;
    /// Background of the coordinate plot.
    virtual void axes_2() = 0;
    /// Background of the velocity plot.
    virtual void axes_3() = 0;
};
