// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct MainWindowControls;

/// The three views of the drawing area, one shown at a time. Each handler acts
/// only when its own option button is selected; it switches visibility only,
/// so hidden surfaces keep their drawings.
class ViewSelector {
public:
    explicit ViewSelector(const MainWindowControls& controls);

    /// "Движение": the animation view with its slow-down control.
    void onAnimationSelected();
    /// "Координата": the coordinate plot.
    void onCoordinateSelected();
    /// "Проекция Vx": the velocity plot.
    void onVelocitySelected();

private:
    void show(bool animation, bool coordinate, bool velocity);

    const MainWindowControls& m_controls;
};
