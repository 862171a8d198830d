// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalDrop.h"

#include <optional>
#include <vector>

/// A held drop's run computed anew from what its journal keeps: its seed,
/// its setup, its air and every change of its course. The droplet's size and
/// charges come from the seed as the laboratory drew them, each step is the
/// model's own (the exact relaxation of the velocity, the thermal kick from
/// the drop's stream, each irradiation's ions from theirs), and each change
/// acts from the step after the one it was made at: the droplet's
/// coordinate at every step is the one the student saw.
class DropReplay {
public:
    /// The longest run replayed, s of experiment time: a day's lesson.
    static constexpr double MaxSeconds = 8 * 3600;

    /// The run of `drop` until `seconds` of experiment time (at most
    /// MaxSeconds), or until the droplet touches a plate; none for a drop the
    /// model cannot compute.
    static std::optional<DropReplay> of(const JournalDrop& drop, double seconds);

    /// One step, s of experiment time.
    double stepSeconds() const { return m_stepSeconds; }
    /// The steps computed (the coordinate at the start included).
    std::size_t steps() const { return m_Y.size(); }
    /// The droplet's coordinate below the upper plate at step `k`, m.
    double positionAtStep(std::size_t k) const { return m_Y[k]; }
    /// Its coordinate at experiment time `t`, m: between two steps, on the line joining them.
    std::optional<double> positionAt(double t) const;
    /// How long after `t` the droplet first has moved by `distance` (m,
    /// positive downward) from where it was at `t`, s; none when the run
    /// computed ends before.
    std::optional<double> timeToCover(double t, double distance) const;

private:
    double m_stepSeconds = 0;
    std::vector<double> m_Y; ///< m, per step
};
