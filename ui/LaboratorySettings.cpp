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
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>

#include <optional>

#ifdef Q_OS_WASM
#include "WebStorage.h"
#endif

namespace {

const QString Voltage = QStringLiteral("laboratory/voltage");
const QString SlowDown = QStringLiteral("laboratory/slowDown");
const QString Bands = QStringLiteral("laboratory/bands");
const QString Pressure = QStringLiteral("laboratory/pressure");
const QString Temperature = QStringLiteral("laboratory/temperature");

#ifdef Q_OS_WASM
// QSettings locks its file and syncs it to the disk; in a browser's page each
// sync suspends the program where it stands (even inside a step, with the
// page's timers calling in meanwhile). So it works on a copy in memory, and
// the copy is kept in the data folder by a plain write, which the page's
// storage picks up.
QString workingFile()
{
    return QStringLiteral("/tmp/oildrop-laboratory.ini");
}

void fetch()
{
    static bool fetched = false;
    if (fetched)
        return;
    fetched = true;
    QFile::remove(workingFile());
    QFile::copy(LaboratorySettings::fileName(), workingFile());
}

void keep()
{
    QFile from(workingFile()), to(LaboratorySettings::fileName());
    QDir().mkpath(QFileInfo(to.fileName()).absolutePath());
    if (from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        to.write(from.readAll());
        to.close();
        WebStorage::persist();
    }
}
#else
QString workingFile()
{
    return LaboratorySettings::fileName();
}
void fetch() {}
void keep() {}
#endif

} // namespace

QVariant LaboratorySettings::value(const QString& key, const QVariant& fallback)
{
    fetch();
    return QSettings(workingFile(), QSettings::IniFormat).value(key, fallback);
}

void LaboratorySettings::setValues(const QList<std::pair<QString, QVariant>>& values)
{
    fetch();
    {
        QSettings settings(workingFile(), QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
    }
    keep();
}

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
    const auto number = [](const QString& key) {
        bool ok = false;
        const double value = LaboratorySettings::value(key).toDouble(&ok);
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
    const Laboratory& lab = m_simulation.laboratory();
    setValues({{Voltage, m_simulation.state().Ux},
               {SlowDown, m_window.widgets().slowDownScrollBar->value()},
               {Bands, lab.bands()},
               {Pressure, lab.pressure()},
               {Temperature, lab.temperature()}});
}
