// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// A student's id, which names the student's task file: letters of any
/// script, digits, '-', '_' and '.', not beginning with '.', at most
/// MaxLength characters, and not a device's name on Windows (CON, NUL,
/// COM1, …). No path separator, so no id leads out of its folder.
class TaskId {
public:
    static constexpr int MaxLength = 64;

    static bool isSafe(const QString& id);
};
