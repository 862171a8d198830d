#pragma once

struct ExperimentState;
struct Form1Controls;

/// The user coordinate systems of the three drawing surfaces.
class PlotRanges {
public:
    PlotRanges(ExperimentState& state, const Form1Controls& controls);

    /// Animation view: 0..xmax across, 0 (upper plate) at the top down to DDx
    /// (lower plate) at the bottom.
    void minmax();
    /// Both plots: time 0..t_max across; the coordinate plot 0..DDx upward; the
    /// velocity plot from 1.1 × the smallest to 1.1 × the largest of 0, 1 and
    /// the two limiting velocities, upward.
    void minmax_2();

private:
    ExperimentState& m_state;
    const Form1Controls& m_controls;
};
