#include "Parameters.h"

#include "ExperimentState.h"
#include "NumberFormat.h"

#include "MainWindowControls.h"
#include "RandomSource.h"
#include "TimeOfDay.h"

#include <cmath>

namespace {

/// A masked number for a parameter input: whatever the locale, the input gets
/// a point, so that the text reads back as the same number.
QString inputText(double value, QStringView mask)
{
    return NumberFormat::format(value, mask, QLocale::c()).replace(u',', u'.');
}

} // namespace

double Parameters::mass(double r, double d)
{
    return Pi * r * std::pow(d, 3) / 6;
}

float Parameters::relaxationTime(double r, double d, float eta)
{
    // m / (3π·η·d) for a sphere of density ρ.
    return static_cast<float>(r * d * d / 18 / static_cast<double>(eta));
}

double Parameters::terminalVelocity(float tau, double r, double r0)
{
    return G * static_cast<double>(tau) * (1 - r0 / r);
}

double Parameters::forceRatio(double Ux, double d, double r, double r0, double DD)
{
    return SixCharges * Ux / Pi / std::pow(d, 3) / (r - r0) / G / DD;
}

Parameters::TimeGrid Parameters::timeGrid(double DD, double Vg, float tau)
{
    TimeGrid grid;
    grid.reducedGap = DD / Vg / static_cast<double>(tau);
    grid.plotTimeSpan = 3 * grid.reducedGap;
    grid.timeStep = grid.reducedGap / Steps;
    if (grid.plotTimeSpan < 3 * static_cast<double>(tau)) {
        grid.plotTimeSpan = tau;
        grid.timeStep = static_cast<double>(tau) / Steps;
    }
    return grid;
}

Parameters::Parameters(ExperimentState& state, const MainWindowControls& controls, RandomSource& random,
                       const TimeOfDay& clock, const QLocale& locale)
    : m_state(state), m_controls(controls), m_random(random), m_clock(clock), m_locale(locale)
{
}

void Parameters::setDefaultParameters()
{
    ExperimentState& s = m_state;
    s.DD = 16 * 1e-3;
    s.Ux = -5085;
    s.d = 1e-6 * 5.52;
    s.r = 920;
    s.r0 = 1.23;
    s.eta = static_cast<float>(1e-5 * 1.82);

    s.viewWidth = 0.2;
    s.X = s.viewWidth / 2;
    s.slowDown = 5;

    // Each assignment fires the input's change handler, which reads the value back.
    m_controls.plateGapEdit->setText(inputText(s.DD, u" 0.0000"));
    m_controls.voltageEdit->setText(inputText(s.Ux, u" 0.0"));
    m_controls.diameterEdit->setText(inputText(s.d, u" 0.000e+00"));
    m_controls.dropletDensityEdit->setText(NumberFormat::plain(s.r));
    m_controls.mediumDensityEdit->setText(NumberFormat::plain(s.r0));
    m_controls.viscosityEdit->setText(inputText(s.eta, u" 0.000e+00"));

    m_controls.randomChargesCheckBox->setValue(1);
}

void Parameters::updateDerivedQuantities()
{
    ExperimentState& s = m_state;
    const MainWindowControls& c = m_controls;
    const auto fmt = [this](double value) { return NumberFormat::format(value, u"0.000E+00", m_locale); };

    m_random.reseed(m_clock.secondsSinceMidnight());

    s.mass = mass(s.r, s.d);
    c.massReadout->setText(QStringLiteral("m = ") + fmt(s.mass) + QStringLiteral(" кг"));

    s.Ex = s.Ux / s.DD;
    c.fieldStrengthReadout->setText(QStringLiteral("Ex = ") + fmt(s.Ex) + QStringLiteral(" В/м"));

    if (s.eta > 0) {
        // The terminal velocity is computed from the rounded relaxation time.
        s.tau = relaxationTime(s.r, s.d, s.eta);
        s.Vg = terminalVelocity(s.tau, s.r, s.r0);
        c.relaxationTimeReadout->setText(QStringLiteral("tau = ") + fmt(s.tau) + QStringLiteral(" c"));
        c.terminalVelocityReadout->setText(QStringLiteral(" Vg = ") + fmt(s.Vg) + QStringLiteral(" м/c"));
    } else {
        c.relaxationTimeReadout->setText(QStringLiteral("tau ->00"));
        c.terminalVelocityReadout->setText(QStringLiteral("Vg= ->00"));
    }

    s.forceRatio = forceRatio(s.Ux, s.d, s.r, s.r0, s.DD);
    c.forceRatioReadout->setText(QStringLiteral("a = ") + fmt(s.forceRatio) + QStringLiteral(" "));

    if (c.randomChargesCheckBox->value() != 0) {
        // Charges 1..10, drawn independently from single-precision uniforms.
        const float u = m_random.next();
        s.N2 = std::floor(10.0 * static_cast<double>(u) + 1.0);
        const float v = m_random.next();
        s.N3 = static_cast<std::int16_t>(std::floor(10.0 * static_cast<double>(v) + 1.0));
    }

    s.V2max = 1 + s.forceRatio * s.N2;
    s.V3max = 1 + s.forceRatio * s.N3;
    c.limitingVelocity2Readout->setText(QStringLiteral("V2max= ") + fmt(s.Vg * s.V2max) + QStringLiteral(" м/c"));
    c.limitingVelocity3Readout->setText(QStringLiteral("V3max= ") + fmt(s.Vg * s.V3max) + QStringLiteral(" м/c"));

    s.n = Steps;
    s.runStartTime = 0;
    const TimeGrid grid = timeGrid(s.DD, s.Vg, s.tau);
    s.reducedGap = grid.reducedGap;
    s.plotTimeSpan = grid.plotTimeSpan;
    s.timeStep = grid.timeStep;

    c.slowDownReadout->setText(QString::number(s.slowDown));
}
