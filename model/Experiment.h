// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DropSource.h"
#include "DropletRun.h"
#include "ExperimentListener.h"
#include "ExperimentState.h"
#include "Pause.h"
#include "RunRecord.h"
#include "Sound.h"

#include "DrawingSurfaces.h"
#include "Services.h"

#include <QCoreApplication>
#include <QString>

#include <deque>
#include <vector>

class ExperimentView;
class RunPreparation;

/// The experiment: it owns the state (ExperimentState) and the record of the
/// last run, and it alone changes them, at the commands below. Everyone else
/// reads the state and is told what happened (ExperimentListener).
///
/// A start, the student's side of the experiment: «ПУСК» resets the window
/// (RunPreparation) and runs the droplet from the upper plate; during the
/// run, in its pauses, «НАПРЯЖЕНИЕ» lets the field act on the charge N2 and
/// «СВЕТ» changes it to N3; when the droplet has left the gap the experiment
/// is judged: correct when the droplet was irradiated. The headings
/// «Характеристики» and «Скорости» show the charges for 3 s.
class Experiment {
    Q_DECLARE_TR_FUNCTIONS(Experiment)

public:
    /// Title and text of the remark after an experiment without irradiation.
    static QString remarkTitle();
    static QString remarkText();
    /// What a screen reader is told at the end of a run, and of a correct experiment.
    static QString runEndedText();
    static QString correctText();
    /// What a screen reader is told of a held droplet: its field, its polarity,
    /// a new charge after `irradiations` irradiations, its loss at a plate.
    static QString fieldText(bool on, bool reversed);
    static QString polarityText(bool reversed);
    static QString chargeChangedText(int irradiations);
    static QString dropLostText();
    static QString dropLetGoText();

    /// The default experiment's setup: a 16 mm gap at −5085 V, an oil droplet
    /// 5.52 µm across (920 kg/m³) in air (1.23 kg/m³, 1.82·10⁻⁵ Pa·s).
    static SetupParameters defaultSetup();

    /// `view` shows what the experiment computes, `surfaces` its drawings;
    /// `window` is reset at every start; `services` pace, sound, ask and
    /// announce (its announcer may be none).
    Experiment(ExperimentView& view, const DrawingSurfaces& surfaces, RunPreparation& window, const Services& services);
    Experiment(const Experiment&) = delete;
    Experiment& operator=(const Experiment&) = delete;

    const ExperimentState& state() const { return m_state; }
    /// The course of the last run.
    const RunRecord& record() const { return m_record; }

    // The setup.

    /// Start-up: the defaults are written into the inputs (each is read back
    /// as it is written) while the start-up gate is closed; then it opens.
    void startUp();
    /// The default parameters, written into their inputs, and random charges chosen.
    void setDefaultParameters();
    /// A parameter as its input reads (checked or not: the input decides).
    void setParameter(SetupParameter parameter, double value);
    /// The slow-down 1..9: each step of a run waits slowDown × 10 ms, from the next pause on.
    void setSlowDown(int slowDown);
    /// The droplet's drag corrected for the slip of the air at `pressure`
    /// (Pa), from the next computation on; none: Stokes' drag, as the plain
    /// experiment has it.
    void setSlipCorrection(std::optional<double> pressure) { m_slipPressure = pressure; }
    std::optional<double> slipCorrection() const { return m_slipPressure; }
    /// Computes the derived quantities and the time grid, draws new charges
    /// when random charges are chosen, and shows them.
    void recompute();

    // The experiment.

    /// «ПУСК»: reset, prepare the plots, run the droplet, judge the experiment.
    /// A held droplet is not run in a loop of its own: its start returns at
    /// once, and the pause timer's beat steps it (one step per slowDown ×
    /// 10 ms) until it touches a plate or is let go. During a held run:
    /// the droplet is let go and the next drop starts. During a
    /// demonstration run, a start that would hold its droplet ends that run
    /// first (no verdict), so that no held run is ever inside another run.
    void start();
    /// «НАПРЯЖЕНИЕ»: the field acts on the charge N2; the plates are marked by
    /// polarity. A held droplet's field is switched on or off (plain plates).
    void applyVoltage();
    /// Shift+F6: the polarity of a held droplet's field reversed, from the next step on.
    void reversePolarity();
    /// The voltage turned to `volts` (not 0, and one the model computes): the
    /// field and the limiting velocities follow from the next step on,
    /// without a reset of the window. False, and nothing changed, otherwise.
    bool setVoltage(double volts);
    /// «СВЕТ»: the charge becomes N3 (a held droplet's: a new charge from its
    /// drop); the beam flashes for 1.5 s; the experiment counts.
    void irradiate();
    /// «Характеристики»: the true charges for 3 s.
    void showCharges();
    /// «Скорости»: ratio and difference of the charges from the limiting velocities, for 3 s.
    void showVelocities();
    /// The run of a start alone: the droplet at rest at the upper plate, its
    /// clock at the start, then stepped until it leaves the gap (a held one
    /// until it touches a plate or is let go). How it ended.
    ExperimentListener::End runDroplet();
    /// A held droplet is let go now (a demonstration run ends at its next step).
    void end();
    /// A held run stands still while `paused` (a modal dialog, the window
    /// minimised: the drop, its clock and the stopwatch together), and goes
    /// on exactly where it stood when resumed.
    void setPaused(bool paused);
    /// A held droplet is being stepped by the beat.
    bool isHolding() const { return m_held; }
    /// After a reset of the window during a held droplet's run: its field's
    /// buttons stay live and the plates show the field.
    void showHeldDrop();
    bool isRunning() const { return m_run.isRunning(); }

    // Hooks.

    /// Where the droplets of the starts come from (none: the inputs' own).
    void setDropSource(DropSource* source) { m_dropSource = source; }
    /// Told of the run's course, in the order added.
    void addListener(ExperimentListener* listener) { m_listeners.push_back(listener); }

private:
    friend class ExperimentTestAccess;

    /// One experiment: reset, run, verdict.
    void runExperiment();
    /// The next uniform for a random charge: the start's drop's own, else the program's generator.
    float chargeDraw();
    /// The field strength, the force ratio and the limiting velocities from
    /// the voltage and the charges.
    void computeField();
    /// computeField(), shown with the other derived quantities.
    void updateField();
    void showDerivedQuantities();
    /// A held droplet: the charge number the field acts on, from the field,
    /// its polarity and the droplet's charge.
    void updateHeldForce();
    /// The plates on the animation view: coloured by polarity (the plate at
    /// the lower potential red) while the field is on, plain while it is off.
    void drawPlates(bool on, bool upperNegative);
    /// A held droplet's plates as its field and polarity stand.
    void drawHeldPlates();
    void tell(ExperimentListener::Field field);
    void announce(const QString& text);
    /// The verdict at the end of a run: a tone, or the melody and the remark.
    void judge(ExperimentListener::End end);
    /// A held droplet's run: begun, stepped at each beat, finished (lost at a
    /// plate, or let go), with the laboratory's own verdict.
    void beginHeld();
    void beat();
    void stepHeld();
    void scheduleBeat(int milliseconds, bool onBeat);
    void finishHeld();
    /// Wall time, ms (0 without a clock).
    /// After a run: the displays cleared, the listeners told, and the verdict
    /// (the laboratory's for a held drop, the demonstration's otherwise).
    void endRun(ExperimentListener::End end);
    /// Whether the beam and the read-outs end at deadlines rather than in a pause of their own.
    bool displaysByDeadline() const;
    double wallNow() const;
    /// The beam and the read-outs of a held run: hidden at their deadlines.
    void expireDisplays(bool all);

    ExperimentState m_state;
    RunRecord m_record;
    ExperimentView& m_view;
    DrawingSurfaces m_surfaces;
    RunPreparation& m_window;
    PauseTimer& m_timer;
    Pause m_pause;
    Sound m_sound;
    MessageBox& m_messageBox;
    const Lifetime& m_lifetime;
    RandomSource& m_random;
    const TimeOfDay& m_clock;
    const SteadyClock* m_wall;
    Announcer* m_announcer;
    DropSource* m_dropSource = nullptr;
    std::vector<ExperimentListener*> m_listeners;
    /// The droplet of the last start, when a source gave it.
    std::optional<DropSource::Drop> m_drop;
    /// Its charge draws, until the start's reset pass has used them.
    std::deque<float> m_chargeDraws;
    /// The air pressure of the slip correction, Pa; none: Stokes' drag.
    std::optional<double> m_slipPressure;
    /// «ПУСК» for a held drop during a demonstration run: the drop starts when that run is over.
    bool m_startAgain = false;
    int m_startDepth = 0; ///< starts under way, one inside another's pause in the demonstration
    /// A held run under way, stepped by the beat; standing still meanwhile.
    bool m_held = false;
    bool m_paused = false;
    double m_beatWall = 0; ///< wall time of the last beat, ms
    double m_pausedAt = 0; ///< wall time the run was paused at, ms
    /// Wall times the beam and the read-outs of a held run are hidden at, ms.
    std::optional<double> m_beamUntil, m_chargesUntil, m_ratioUntil;
    DropletRun m_run;
};
