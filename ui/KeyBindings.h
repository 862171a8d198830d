// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

/// The program's keys, in one table: the commands that work wherever the
/// focus is, the menu commands' shortcuts of the main window and of the
/// journal's, and the help box that lists them all. The experiment's and the
/// stopwatch's keys are function keys, so that they never take a key from an
/// input being typed into.
class KeyBindings {
    Q_DECLARE_TR_FUNCTIONS(KeyBindings)

public:
    enum class Command {
        Start,
        Voltage,
        Light,
        Characteristics,
        Velocities,
        StopwatchStartStop,
        StopwatchLap,
        StopwatchReset,
        StopwatchRecord,
        Polarity,
        VoltageUp,
        VoltageDown,
        VoltageUpMore,
        VoltageDownMore,
        Balance,
        LaboratoryMode,
        Journal,
        CopyImage,
        SaveImage,
        SaveData,
        Keys,
        JournalOpen,
        JournalSave,
        JournalExport,
        JournalClose,
        JournalAdd,
        JournalStrikeOut,
        JournalReport,
        JournalPrint,
        ClassJournals,
        Coach,
        Spray,
    };

    static QKeySequence key(Command command);
    /// A tooltip with its key: "Запуск установки (F5)".
    static QString withKey(const QString& toolTip, Command command);

    /// Title and text of the "Клавиши" box.
    static QString title();
    static QString helpText();
};
