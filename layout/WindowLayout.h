// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Control.h"
#include "MainWindowControls.h"

#include <vector>

class ClientArea;

/// The layout pass of the main window: the position and size of every control
/// from the size of the client area alone, on a grid of 60-px columns and
/// 24-px rows with 4-px gaps.
///
/// A control panel 312 px wide is anchored to the right edge: parameter
/// inputs and derived quantities from the top, buttons, view selector and
/// charge read-outs from 4 px below the vertical middle. The drawing area
/// fills the rest on the left.
class WindowLayout {
public:
    /// One placed control and its geometry in pixels.
    struct Entry {
        ControlId control;
        ControlGeometry geometry;
    };

    /// Width unit, row height and gaps of the grid, in pixels.
    static constexpr double ColumnWidth = 60;
    static constexpr double RowHeight = 24;
    static constexpr double GapX = 4;
    static constexpr double GapY = 4;

    /// Every placed control, in the order the pass sets them. Arithmetic is in
    /// double precision; the results are handed over in single precision,
    /// fractional pixels included (the view group box is 79.2 high). Widths
    /// and heights that would come out negative (a client area narrower than
    /// 320 px or lower than 8 px) are clamped at 0.
    static std::vector<Entry> compute(double clientWidth, double clientHeight);

    WindowLayout(const MainWindowControls& controls, const ClientArea& clientArea);

    /// Applies the layout to the controls, hides the plots and the result
    /// read-outs and disables the voltage and light buttons.
    void apply();

private:
    /// Hides what an experiment may have shown, as the pass passes it by.
    void hideAfter(ControlId placed);

    const MainWindowControls& m_controls;
    const ClientArea& m_clientArea;
};
