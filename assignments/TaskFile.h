// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Task.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

#include <variant>

/// A student's task file, `tasks/<id>.json`: UTF-8 JSON `{"format":
/// "oildrop-task", "version": 1, "id", "name", "group", "settings": {...},
/// "seed": the seed as a decimal string}`. Its bytes follow from the task
/// alone (QJsonDocument's indented form of the same keys), so a grader can
/// write a student's task anew from the assignment and compare its hash with
/// the one a journal names.
class TaskFile {
    Q_DECLARE_TR_FUNCTIONS(TaskFile)

public:
    static constexpr int Version = 1;
    /// Larger files are not read, bytes.
    static constexpr qint64 MaxSize = 64 * 1024;

    static QByteArray bytes(const Task& task);
    /// The lowercase hexadecimal SHA-256 of `bytes`: 64 digits.
    static QString hash(const QByteArray& bytes);
    /// The task in `bytes`, or why it is refused (translated).
    static std::variant<Task, QString> read(const QByteArray& bytes);

    /// The settings as JSON: `unknownDrops`, `brownian`, `slipCorrection`,
    /// `coachShowsMultiples` (booleans), `pressure` (Pa), `temperature` (K).
    static QJsonObject settingsObject(const TaskSettings& settings);
    /// The settings in `value`; on a fault, `fault` says which key (translated).
    static TaskSettings readSettings(const QJsonValue& value, QString& fault);
};
