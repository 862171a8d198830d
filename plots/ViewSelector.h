// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct MainWindowControls;

/// The three views of the drawing area, one shown at a time. It switches
/// visibility only, so hidden surfaces keep their drawings.
class ViewSelector {
public:
    /// The views, each with its option button.
    enum class View {
        Animation,  ///< "Движение": the animation view with its slow-down control
        Coordinate, ///< "Координата": the coordinate plot
        Velocity,   ///< "Проекция Vx": the velocity plot
    };

    explicit ViewSelector(const MainWindowControls& controls);

    /// Shows `view` when its option button is the one selected; otherwise
    /// (its button was just deselected) changes nothing.
    void showIfSelected(View view);

private:
    void show(bool animation, bool coordinate, bool velocity);

    const MainWindowControls& m_controls;
};
