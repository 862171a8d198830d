// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LaboratorySettings.h"

#include "AirInputs.h"
#include "MainWindow.h"
#include "Simulation.h"

#include "AirViscosity.h"
#include "JournalStore.h"
#include "Laboratory.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>

#include <optional>

namespace {

const QString Voltage = QStringLiteral("laboratory/voltage");
const QString SlowDown = QStringLiteral("laboratory/slowDown");
const QString Bands = QStringLiteral("laboratory/bands");
const QString Pressure = QStringLiteral("laboratory/pressure");
const QString Temperature = QStringLiteral("laboratory/temperature");

} // namespace

LaboratorySettings::LaboratorySettings(MainWindow& window, Simulation& simulation, QObject* parent)
    : QObject(parent), m_window(window), m_simulation(simulation)
{
    // Written at each change while the laboratory is on: the program may be
    // ended any way at all.
    const auto saveWhileOn = [this] {
        if (m_simulation.laboratory().isActive())
            save();
    };
    connect(&simulation.laboratory(), &Laboratory::changed, this, saveWhileOn);
    connect(window.widgets().slowDownScrollBar, &QScrollBar::valueChanged, this, saveWhileOn);
    // The voltage's input is read when its text changes; its value after that.
    connect(window.widgets().voltageEdit, &QLineEdit::textChanged, this, saveWhileOn, Qt::QueuedConnection);
}

QString LaboratorySettings::fileName()
{
    return QDir(JournalStore::defaultFolder()).filePath(QStringLiteral("laboratory.ini"));
}

void LaboratorySettings::restore()
{
    // All read before any is put in place: each change is saved at once.
    const QSettings settings(fileName(), QSettings::IniFormat);
    const auto number = [&settings](const QString& key) {
        bool ok = false;
        const double value = settings.value(key).toDouble(&ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    };
    const std::optional<double> bands = number(Bands), pressure = number(Pressure), temperature = number(Temperature),
                                slowDown = number(SlowDown), volts = number(Voltage);
    Laboratory& lab = m_simulation.laboratory();
    if (bands)
        lab.setBands(static_cast<int>(*bands));
    // Air the panel would take, or none (a file edited by hand).
    const auto celsius = [](double kelvin) { return kelvin - AirViscosity::CelsiusZero; };
    if (pressure && temperature && *pressure >= AirInputs::MinimumPressure && *pressure <= AirInputs::MaximumPressure
        && celsius(*temperature) >= AirInputs::MinimumCelsius && celsius(*temperature) <= AirInputs::MaximumCelsius)
        lab.setAir(*pressure, *temperature);
    if (slowDown)
        m_window.widgets().slowDownScrollBar->setValue(static_cast<int>(*slowDown));
    // The voltage as if typed into its input, the window computed anew; not
    // under a droplet in flight, which keeps its field.
    Experiment& experiment = m_simulation.experiment();
    if (volts && *volts != 0 && !experiment.isRunning()) {
        experiment.setParameter(SetupParameter::Voltage, *volts);
        m_simulation.inputs().showValue(SetupParameter::Voltage, *volts);
        m_simulation.reset().resetWindow();
    }
}

void LaboratorySettings::save()
{
    QSettings settings(fileName(), QSettings::IniFormat);
    const Laboratory& lab = m_simulation.laboratory();
    settings.setValue(Voltage, m_simulation.state().Ux);
    settings.setValue(SlowDown, m_window.widgets().slowDownScrollBar->value());
    settings.setValue(Bands, lab.bands());
    settings.setValue(Pressure, lab.pressure());
    settings.setValue(Temperature, lab.temperature());
}
