// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SeededRandom.h"

#include <Qt>

#include <cstdint>
#include <vector>

class WindowFixture;

/// A student's hand at the keys of the real window with the fake pause
/// timer: each key is pressed a reaction time (wall time, which the pace
/// turns into experiment time) after the student saw what calls for it, in
/// the pause after the step it falls in, at its moment of that pause.
class StudentHand {
public:
    /// How long after seeing what calls for it the hand presses a key, wall time.
    enum class Model {
        /// 0.2 s on average, scattered by 0.05 s.
        Steady,
        /// As measured on 4 304 hand timings (Am. J. Phys. 87, 110 (2019)):
        /// a lag of 0.11 s on average, scattered by 0.07 s, each press on
        /// a draw of its own.
        Measured,
    };

    StudentHand(WindowFixture& w, std::uint64_t seed, Model model);

    /// Presses `key` a reaction time after `seen` (experiment time of the run, s),
    /// and not before the presses already waiting.
    void act(double seen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Presses the keys due before the step after `step`; stops after a
    /// press that started another drop. How many were pressed.
    int pressDue(int step);
    /// No press is waiting.
    bool idle() const { return m_presses.empty(); }
    void clear() { m_presses.clear(); }

    /// The run's step, s of experiment time.
    double stepSeconds() const;
    /// Experiment seconds per wall second at the pace set.
    double rate() const;

private:
    struct Press {
        double at; ///< experiment time, s
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };

    WindowFixture& m_w;
    SeededRandom m_random;
    Model m_model;
    std::vector<Press> m_presses;
};
