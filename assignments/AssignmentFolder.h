// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

/// An assignment's folder, made from a roster: `assignment.json` (the
/// teacher's, with the secret) and `tasks/<id>.json`, one for each student.
/// Every file is written atomically, the tasks first and `assignment.json`
/// last; a bad roster writes nothing, and a folder that already holds an
/// assignment is refused (its secret is never replaced).
class AssignmentFolder {
    Q_DECLARE_TR_FUNCTIONS(AssignmentFolder)

public:
    static constexpr const char* FileName = "assignment.json";
    static constexpr const char* TasksFolder = "tasks";

    struct Result {
        bool done = false;
        /// One line: what was written, or which file was refused and why (translated).
        QString message;
    };

    /// Reads the roster at `rosterPath` and writes the assignment into `folder`
    /// (made if it is not there), with the default settings.
    static Result create(const QString& rosterPath, const QString& folder);
};
