// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlPanel.h"

#include "NumberFormat.h"

#include "Announcer.h"
#include "MainWindowControls.h"

ControlPanel::ControlPanel(const MainWindowControls& controls, const QLocale& locale, Announcer* announcer)
    : m_controls(controls), m_locale(locale), m_announcer(announcer)
{
}

void ControlPanel::announce(const QString& text) const
{
    if (m_announcer)
        m_announcer->announce(text);
}

QString ControlPanel::inputText(Parameter parameter, double value)
{
    const auto masked = [value](QStringView mask) {
        return NumberFormat::format(value, mask, QLocale::c()).replace(u',', u'.');
    };
    switch (parameter) {
    case Parameter::PlateGap: return masked(u" 0.0000");
    case Parameter::Voltage: return masked(u" 0.0");
    case Parameter::Diameter:
    case Parameter::Viscosity: return masked(u" 0.000e+00");
    case Parameter::DropletDensity:
    case Parameter::MediumDensity: return NumberFormat::plain(value);
    }
    return {};
}

void ControlPanel::showParameter(Parameter parameter, double value)
{
    m_controls.parameterEdits()[static_cast<std::size_t>(parameter)]->setText(inputText(parameter, value));
}

bool ControlPanel::randomCharges() const
{
    return m_controls.randomChargesCheckBox->value() != 0;
}

void ControlPanel::setRandomCharges(bool random)
{
    m_controls.randomChargesCheckBox->setValue(random ? 1 : 0);
}

QString ControlPanel::scientific(double value) const
{
    return NumberFormat::format(value, NumberFormat::ReadoutMask, m_locale);
}

void ControlPanel::showDerivedQuantities(const DerivedQuantities& q)
{
    const MainWindowControls& c = m_controls;
    c.massReadout->setText(QStringLiteral("m = ") + scientific(q.mass) + tr(" кг"));
    c.fieldStrengthReadout->setText(QStringLiteral("Ex = ") + scientific(q.fieldStrength) + tr(" В/м"));
    // In Russian the unit of time is written with the Latin c, in " c" and " м/c" alike.
    if (q.tau && q.Vg) {
        c.relaxationTimeReadout->setText(QStringLiteral("tau = ") + scientific(*q.tau) + tr(" c"));
        c.terminalVelocityReadout->setText(QStringLiteral(" Vg = ") + scientific(*q.Vg) + tr(" м/c"));
    } else {
        c.relaxationTimeReadout->setText(QStringLiteral("tau ->00"));
        c.terminalVelocityReadout->setText(QStringLiteral("Vg= ->00"));
    }
    c.forceRatioReadout->setText(QStringLiteral("a = ") + scientific(q.forceRatio) + QStringLiteral(" "));
    c.limitingVelocity2Readout->setText(QStringLiteral("V2max= ") + scientific(q.limitingVelocity2) + tr(" м/c"));
    c.limitingVelocity3Readout->setText(QStringLiteral("V3max= ") + scientific(q.limitingVelocity3) + tr(" м/c"));
    if (m_concealed) {
        // Each of these would give the unknown drop's size away.
        c.massReadout->setText(QStringLiteral("m = ?"));
        c.relaxationTimeReadout->setText(QStringLiteral("tau = ?"));
        c.terminalVelocityReadout->setText(QStringLiteral(" Vg = ?"));
        c.forceRatioReadout->setText(QStringLiteral("a = ?"));
        c.limitingVelocity2Readout->setText(QStringLiteral("V2max= ?"));
        c.limitingVelocity3Readout->setText(QStringLiteral("V3max= ?"));
    }
}

void ControlPanel::showSlowDown(int slowDown)
{
    m_controls.slowDownReadout->setText(QString::number(slowDown));
}

void ControlPanel::setFieldButtonsEnabled(bool enabled)
{
    m_controls.voltageButton->setEnabled(enabled);
    m_controls.lightButton->setEnabled(enabled);
}

void ControlPanel::showLimitingVelocity(int which)
{
    Control* readout = which == 2 ? m_controls.limitingVelocity2Readout : m_controls.limitingVelocity3Readout;
    readout->setVisible(true);
    announce(readout->text());
}

void ControlPanel::showCharges(double N2, std::int16_t N3)
{
    const MainWindowControls& c = m_controls;
    c.charge2Readout->setVisible(true);
    c.charge3Readout->setVisible(true);
    // In elementary charges, e.
    c.charge2Readout->setText(QStringLiteral("q2= ") + NumberFormat::format(N2, u"0.0", m_locale) + u'e');
    c.charge3Readout->setText(QStringLiteral("q3= ") + NumberFormat::format(N3, u"0.0", m_locale) + u'e');
    announce(c.charge2Readout->text() + QStringLiteral(", ") + c.charge3Readout->text());
}

void ControlPanel::hideCharges()
{
    m_controls.charge2Readout->setVisible(false);
    m_controls.charge3Readout->setVisible(false);
}

void ControlPanel::showChargeRatio(double ratio, double difference)
{
    const MainWindowControls& c = m_controls;
    c.chargeRatioReadout->setVisible(true);
    c.chargeDifferenceReadout->setVisible(true);
    c.chargeRatioReadout->setText(QStringLiteral("q3/q2= ") + NumberFormat::format(ratio, u"0.000", m_locale) + u' ');
    c.chargeDifferenceReadout->setText(QStringLiteral("q3-q2= ") + NumberFormat::format(difference, u"0.000", m_locale)
                                       + u'e');
    announce(c.chargeRatioReadout->text().trimmed() + QStringLiteral(", ") + c.chargeDifferenceReadout->text());
}

void ControlPanel::hideChargeRatio()
{
    m_controls.chargeRatioReadout->setVisible(false);
    m_controls.chargeDifferenceReadout->setVisible(false);
}
