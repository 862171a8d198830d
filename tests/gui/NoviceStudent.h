// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StudentHand.h"

#include "Coach.h"

#include <cstdint>
#include <functional>

class WindowFixture;

/// A newcomer at the keys of the laboratory who knows nothing but the
/// coach: from the program's defaults on, at every step of a run it reads
/// the coach's step and does what that step says, with a human hand
/// (StudentHand). Its only skill of its own is the timing the step «Засекайте»
/// describes: the stopwatch started and stopped as the droplet crosses the
/// lines the step names, falling or rising.
class NoviceStudent {
public:
    /// What a session took, and where it stopped.
    struct Session {
        int started = 0;
        int lost = 0;
        double experimentSeconds = 0;
        double wallSeconds = 0;
        bool readE = false; ///< the coach said to read e
    };

    NoviceStudent(WindowFixture& w, std::uint64_t handSeed, StudentHand::Model hand = StudentHand::Model::Measured);

    /// Follows the coach until it says to read e, or `maxMinutes` of
    /// experiment time have passed, or `maxStarts` drops have been started.
    Session run(double maxMinutes = 60, int maxStarts = 60);
    /// Ends the session at once (from `watch`): the run ends, nothing more is pressed.
    void stop();

    /// Called after each step the student has seen, with the coach's step.
    std::function<void(Coach::Step)> watch;

private:
    enum class Timing { None, Fall, Rise };

    void atStep(int step);
    void follow(Coach::Step step, double now);
    void crossed(int line, bool down, double when);
    void newDrop();
    Coach& coach();

    WindowFixture& m_w;
    StudentHand m_hand;
    Session m_session;
    int m_drop = 0;
    double m_lastY = 0;
    int m_lastStep = 0;
    Timing m_timing = Timing::None;
    Coach::Step m_step = Coach::Step::StartDrop;
    bool m_done = false;
};
