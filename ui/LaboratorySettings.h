// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <utility>

class MainWindow;
class Simulation;

/// The laboratory's own settings, kept from one start of the program to the
/// next: the voltage (V), the slow-down, the distance of a timing (bands of
/// the reticle) and the air's pressure (Pa) and temperature (K). They live
/// in laboratory.ini (QSettings) in the program's data folder, beside the
/// journal; they are written as they change while the laboratory is on and
/// read when it is first switched on in a session. The demonstration, which
/// the program starts in, keeps its own defaults.
class LaboratorySettings : public QObject {
    Q_OBJECT

public:
    LaboratorySettings(MainWindow& window, Simulation& simulation, QObject* parent = nullptr);

    /// The settings' file.
    static QString fileName();
    /// A setting of the file (the coach's too), or `fallback`.
    static QVariant value(const QString& key, const QVariant& fallback = {});
    /// Writes settings to the file at once.
    static void setValues(const QList<std::pair<QString, QVariant>>& values);

    /// Puts the settings saved last into the laboratory, the inputs and the
    /// slow-down; those never saved stay as they are.
    void restore();
    /// Writes the settings as they are now.
    void save();

private:
    MainWindow& m_window;
    Simulation& m_simulation;
};
