// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StudentHand.h"

#include "RealismLevel.h"

#include <Qt>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class WindowFixture;

/// A student at the keys of the laboratory, in the real window with the
/// fake pause timer: each pause is a moment of wall time, and the student
/// presses the documented keys a reaction time after seeing what calls for
/// them (see Hand), which the pace turns into experiment time.
///
/// Each drop is held as the help says: started, tested with the field (the
/// polarity reversed when it falls faster, the voltage raised by 10 % while
/// it will not rise, lowered while it rises faster than 2.5 Vg, irradiated
/// when no voltage up to the highest lifts it), then kept between the first
/// and the eighth line — the field on when it has fallen past the eighth,
/// off when it has risen past the first — while the student times it over
/// the bands from the second line to the seventh, falling without the field
/// and rising in it, the timings into the journal at once. When a charge
/// state has its timings, the drop is irradiated on its next rise; when the
/// drop has all its states, the next drop starts. A lost drop is replaced.
///
/// With a spray, before each start the student sprays (F2), watches the
/// microscope's field for a while with the field off, chooses the droplet
/// seen to fall slowest (a small one, slow to time) in the upper half, in
/// focus, near the view's middle line (off it the circle of the view cuts the
/// upper and lower lines short), by Tab in the microscope's view, and catches it with «ПУСК»; while
/// holding it, the student keeps it in focus with the knob (its slider's
/// keys): blurred, a step each way and back to where it looks sharpest; gone
/// from sight, turned through ±30 µm to find it; not found for 100 steps,
/// let go for another.
class LabStudent {
public:
    struct Plan {
        int drops = 10;          ///< drops measured in all their states
        int maxStarts = 30;      ///< drops started at the most
        int timings = 3;         ///< rises and falls each per charge state
        int states = 2;          ///< charge states per drop
        int topLine = 2;         ///< the timings run between this line
        int bands = 5;           ///< and this many bands below it
        double maxVoltage = 6e4; ///< the highest voltage the student turns to, V
    };

    /// What a session took.
    struct Session {
        int started = 0;
        int measured = 0;
        int lost = 0;
        double experimentSeconds = 0;
        double wallSeconds = 0;
        int unseenSteps = 0; ///< steps the caught droplet was out of sight at (of view or of focus)
    };

    /// The laboratory's options a session runs with.
    struct Options {
        bool unknown = false;  ///< «Неизвестная капля»
        bool brownian = false; ///< «Броуновское движение»
        bool slip = false;     ///< «Поправка на скольжение»
        /// A realism level chosen in the menu (none: none chosen); beyond
        /// the ideal, each drop is caught from a spray (choose()).
        std::optional<RealismLevel> level;
    };
    /// The window set up as the help recommends to a student (the slowest
    /// pace, −25 kV to begin with), the laboratory's seed fixed, its mode on
    /// with `options`.
    static void setUp(WindowFixture& w, std::uint64_t seed, const Options& options);

    using Hand = StudentHand::Model;

    LabStudent(WindowFixture& w, std::uint64_t handSeed, Hand hand = Hand::Steady);

    /// Measures drops as planned; the laboratory mode, its options, the
    /// voltage and the slow-down are set beforehand.
    Session run(const Plan& plan);

    /// Called after each step the student has seen, with the drop's number and the step's.
    std::function<void(int drop, int step)> watch;

private:
    enum class Timing { None, Fall, Rise };

    void atStep(int step);
    /// Sprays, watches and chooses a droplet, as above.
    void choose();
    bool sprayAndChoose();
    void keepInFocus();
    void newDrop();
    void crossed(int line, bool down, double when);
    void tune(double v, double now);
    void act(double seen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    double stepSeconds() const { return m_hand.stepSeconds(); }
    bool stateDone() const;

    WindowFixture& m_w;
    StudentHand m_hand;
    Plan m_plan;
    Session m_session;

    int m_drop = 0;
    double m_lastY = 0;
    int m_lastStep = 0;
    int m_settled = 0; ///< steps since the last change the student made
    bool m_tested = false;
    bool m_irradiating = false;
    Timing m_timing = Timing::None;
    int m_falls = 0;
    int m_rises = 0;
    int m_statesDone = 0;
    int m_chargeState = 0;
    bool m_nextDrop = false;
    bool m_spray = false;
    int m_unseen = 0;
    int m_unseenInARow = 0;
};
