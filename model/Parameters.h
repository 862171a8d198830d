#pragma once

#include <QLocale>

struct ExperimentState;
struct MainWindowControls;
class RandomSource;
class TimeOfDay;

/// The parameters of the setup and the quantities that follow from them.
///
/// setDefaultParameters writes the default parameters into the six inputs (each input's
/// change handler reads its value back); updateDerivedQuantities computes the derived
/// quantities, draws the charges and shows everything in the read-outs.
class Parameters {
public:
    /// π as the model takes it (not to full double precision).
    static constexpr double Pi = 3.1415926535;
    /// Free-fall acceleration, m/s².
    static constexpr double G = 9.814;
    /// Six elementary charges, C (6 × 1.6021766208e-19).
    static constexpr double SixCharges = 9.6130597248e-19;
    /// Time steps across the plate gap.
    static constexpr int Steps = 100;

    /// Droplet mass π·ρ·d³/6, kg.
    static double mass(double r, double d);
    /// Relaxation time ρ·d²/(18·η), s, rounded to single precision.
    static float relaxationTime(double r, double d, float eta);
    /// Terminal velocity without field g·tau·(1 − ρ0/ρ), m/s.
    static double terminalVelocity(float tau, double r, double r0);
    /// Electric force on one elementary charge e·U/D over the effective weight
    /// (π·d³/6)·(ρ − ρ0)·g, evaluated left to right as 6e·U/π/d³/(ρ − ρ0)/g/D.
    static double forceRatio(double Ux, double d, double r, double r0, double DD);

    /// The time grid of a run, in units of tau.
    struct TimeGrid {
        double reducedGap;    ///< plate gap, Vg·tau
        double plotTimeSpan;  ///< span of the plots
        double timeStep; ///< time step
    };
    /// A droplet moving at Vg crosses the gap in `Steps` steps; the plots span
    /// three such crossings. A very heavy droplet crosses the gap faster than
    /// its relaxation time: then the span is tau (compared in seconds, as the
    /// model always has) and the step tau / Steps.
    static TimeGrid timeGrid(double DD, double Vg, float tau);

    Parameters(ExperimentState& state, const MainWindowControls& controls, RandomSource& random,
               const TimeOfDay& clock, const QLocale& locale = QLocale());

    void setDefaultParameters();
    void updateDerivedQuantities();

private:
    ExperimentState& m_state;
    const MainWindowControls& m_controls;
    RandomSource& m_random;
    const TimeOfDay& m_clock;
    QLocale m_locale;
};
