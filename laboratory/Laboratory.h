// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DropSource.h"
#include "DropletNoise.h"
#include "ExperimentClock.h"
#include "ExperimentListener.h"
#include "FieldState.h"
#include "JournalDrop.h"
#include "RealismLevel.h"
#include "SeededRandom.h"
#include "SprayChamber.h"
#include "Stopwatch.h"

#include <QCoreApplication>
#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

struct ExperimentState;
class JournalModel;
class RunRecord;
class SteadyClock;

/// The laboratory mode: the apparatus of the real experiment. Every «ПУСК»
/// is a drop of the journal, held between the plates while the student
/// times it falling without the field and moving in it, changes its charge
/// by irradiation and balances it; each timing, plot reading or balance goes
/// into the journal with the drop, the field and the charge state it belongs
/// to, and the voltage it was taken at.
/// Two options make the drops realistic: an unknown drop (a new diameter
/// from DropSizeDistribution at every start, hidden from the student) and
/// Brownian motion (BrownianMotion added to every step). Each drop's random
/// numbers — its diameter, its charges, its thermal kicks — come from its own
/// stream of the session's seed, which a teacher may fix.
///
/// It gives the experiment its drops (DropSource) and their thermal kicks
/// (DropletNoise), and follows the runs (ExperimentListener). Off, it gives
/// no drop: the runs are exactly those of the demonstration.
class Laboratory : public QObject, public ExperimentListener, public DropSource, public DropletNoise {
    Q_OBJECT

public:
    Laboratory(const ExperimentState& state, JournalModel& journal, const RunRecord& record, const SteadyClock& wall,
               QObject* parent = nullptr);

    void setActive(bool active);
    bool isActive() const { return m_active; }
    /// New diameters, hidden, from the next start on.
    void setUnknownSize(bool on);
    bool unknownSize() const { return m_unknownSize; }
    /// An unknown drop's size is hidden from the student: the mode is on with unknown drops.
    bool hidesDropSize() const { return m_active && m_unknownSize; }
    /// The realism level, recorded with each drop from the next start on
    /// (none chosen: none recorded).
    void setRealismLevel(RealismLevel level) { m_level = level; }
    std::optional<RealismLevel> realismLevel() const { return m_level; }
    /// The level sprays are made at: the one chosen, or Standard.
    RealismLevel sprayLevel() const { return m_level.value_or(RealismLevel::Standard); }
    /// At the Full level a droplet irradiated with the field on takes up a
    /// new charge with this probability only: the field sweeps the ions to
    /// the plates before most of them reach it.
    static constexpr double InFieldCapture = 0.1;
    /// The charge number after an irradiation of a droplet of `charge`, from
    /// its stream of ions; at the `full` level with the field on, mostly the same.
    static int chargeAfterLight(int charge, SeededRandom& ions, bool full, bool fieldOn);

    /// «Распылить»: a new spray between the plates, from a stream of the
    /// session's seed of its own, at sprayLevel(), with Brownian motion as
    /// set; none while a droplet of the last one is held.
    void spray();
    /// The seed of the session's spray number `spray` (1, 2, …) from the session's `seed`.
    static std::uint64_t spraySeed(std::uint64_t seed, int spray);
    SprayChamber& chamber() { return m_chamber; }
    const SprayChamber& chamber() const { return m_chamber; }
    /// The droplet of the spray the student has chosen (0: none): the next
    /// start catches it and holds it.
    void choose(int droplet) { m_chosen = droplet; }
    int chosen() const { return m_chosen; }
    /// The droplet of the spray held now (0: none).
    int caught() const { return m_caught; }
    /// Moves the spray on by `wallSeconds` while no droplet of it is held
    /// (a held one's run moves it, step by step).
    void advanceSpray(double wallSeconds);
    /// The held droplet can be seen to be timed: in the view and near enough
    /// focus (a drop given alone always can).
    bool inSight() const;

    /// Thermal motion from the next start on.
    void setBrownian(bool on);
    bool brownian() const { return m_brownian; }
    /// The slip of the air in the droplet's drag, at the pressure set, with
    /// the viscosity of air following the temperature; from the next start on.
    void setSlipCorrection(bool on);
    bool slipCorrection() const { return m_slip; }
    /// The air: pressure, Pa; temperature, K (both checked by the caller).
    void setAir(double pressure, double temperature);
    double pressure() const { return m_pressure; }
    double temperature() const { return m_temperature; }
    /// The pressure the droplet's drag is corrected at: the mode on with the
    /// correction; none otherwise (Stokes' drag).
    std::optional<double> slipPressure() const;
    /// The viscosity of the air the droplet falls in, Pa·s: with the slip
    /// correction (the mode on), that of air at the temperature set
    /// (AirViscosity); none otherwise (the viscosity input holds).
    std::optional<float> airViscosity() const;
    static constexpr double StandardPressure = 101325; ///< Pa
    static constexpr double RoomTemperature = 293.15;  ///< K, 20 °C
    /// A teacher's seed, or none: a seed of the session's own.
    void setSeed(std::optional<std::uint64_t> seed);
    std::uint64_t seed() const { return m_seed; }
    bool seedFixed() const { return m_seedFixed; }
    /// The seed a journal opened from a file fixes (a teacher's file), if it does.
    void adoptSeedOf(const JournalModel& journal);

    Stopwatch& stopwatch() { return m_stopwatch; }
    const Stopwatch& stopwatch() const { return m_stopwatch; }
    const ExperimentClock& clock() const { return m_clock; }
    /// The drop being run or last run in laboratory mode (0: none yet).
    int currentDrop() const { return m_drop; }
    /// The field and the charge state of that drop now.
    FieldState field() const;
    int chargeState() const;
    /// Its droplet is held between the plates now.
    bool holding() const;
    /// The voltage between the plates now, V.
    double voltage() const;
    /// The drop whose run the plots show, 0 when that run was not one of the laboratory.
    int plottedDrop() const { return m_plottedDrop; }

    /// The distance of a timing, bands of the reticle (1..10).
    void setBands(int bands);
    int bands() const { return m_bands; }
    /// The length of one band: a tenth of the plate gap, m.
    double bandLength() const;

    /// The drop a measurement typed in by hand belongs to: the last one, or,
    /// before any, a new drop in the setup as it stands.
    int dropForHandEntry();

    /// Puts the stopwatch's timings not yet in the journal into it; how many.
    /// A timing across a change of phase is kept struck out, with the reason.
    int recordTimings();
    /// `reason` is one the program strikes a timing across a change out with.
    static bool isChangeReason(const QString& reason);
    /// Puts the velocity curve at time `t` (tau) of the plotted drop into the
    /// journal, as the read-out shows it (four significant digits).
    bool recordPlotVelocity(double t);
    /// The droplet hovers: the voltage now goes into the journal as its
    /// balance, with the uncertainty of an eye's judgement of hovering. False
    /// unless a droplet is held in the field.
    bool recordBalance();

    /// An eye tells a droplet hovering from one moving at about a hundredth
    /// of its free fall: the relative standard uncertainty of a balance voltage.
    static constexpr double BalanceUncertainty = 0.01;

    /// The drop seed `dropSeed` gives in `setup`: its diameter (an unknown
    /// drop's) and the draws of its charges; its thermal kicks and its ions
    /// come from the streams of kicksSeed and ionsSeed.
    static Drop drawDrop(const SetupParameters& setup, std::uint64_t dropSeed, bool unknownSize);
    /// The charge number a start draws for it, when charges are drawn at random.
    static double drawnCharge(const SetupParameters& setup, std::uint64_t dropSeed, bool unknownSize);
    static std::uint64_t kicksSeed(std::uint64_t dropSeed);
    static std::uint64_t ionsSeed(std::uint64_t dropSeed);

    // DropSource
    std::optional<Drop> nextDrop(const SetupParameters& setup) override;
    bool holdsDrops() const override { return m_active; }
    // ExperimentListener
    void runStarting() override;
    void fieldSwitched(Field field) override;
    void stepped() override;
    void held() override;
    void runEnded(End end) override;
    void paused(bool paused) override;
    // DropletNoise
    double displacement(const ExperimentState& state) override;

signals:
    /// The mode, the options, the seed, the drop or the phase changed.
    void changed();

private:
    Stopwatch::Moment moment() const;
    /// A change of the field, the charge or the voltage during the plotted run.
    struct Change {
        double t; ///< tau: the steps after it run in the new state
        FieldState field;
        int chargeState;
        double voltage;
    };

    const ExperimentState& m_state;
    JournalModel& m_journal;
    const RunRecord& m_record;
    ExperimentClock m_clock;
    Stopwatch m_stopwatch;
    SeededRandom m_kicks;
    SeededRandom m_ions;

    bool m_active = false;
    bool m_unknownSize = false;
    std::optional<RealismLevel> m_level;
    bool m_brownian = false;
    bool m_slip = false;
    double m_pressure = StandardPressure;
    double m_temperature = RoomTemperature;
    std::uint64_t m_seed = 0;
    bool m_seedFixed = false;
    int m_bands = 1;

    int m_drop = 0;
    int m_startingDrop = 0; ///< the drop a start has given, until its run begins
    std::uint64_t m_dropSeed = 0;
    /// The air of the drop being run: its slip correction's pressure (none:
    /// Stokes' drag) and its temperature, K, for its thermal kicks.
    std::optional<double> m_dropSlip;
    double m_dropTemperature = RoomTemperature;
    /// The drop being run has thermal kicks; the full level's drift, from this time after its spray, s.
    bool m_dropBrownian = false;
    bool m_dropFull = false;
    double m_dropSprayTime = 0;
    int m_plottedDrop = 0;
    std::vector<Change> m_changes; ///< of the plotted drop

    SprayChamber m_chamber;
    std::uint64_t m_spraySeed = 0;
    int m_chosen = 0;
    int m_caught = 0;
    std::optional<CaughtDroplet> m_catching; ///< what the next run catches
};
