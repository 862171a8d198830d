// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// The teacher's task a journal was measured for: the task's id and the
/// SHA-256 of its file's bytes as the student opened it (64 lowercase hex
/// digits), which a grader compares with the task it writes anew.
struct JournalTask {
    QString id;
    QString sha256;

    bool operator==(const JournalTask&) const = default;
};
