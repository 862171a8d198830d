// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdio>

/// `oildrop --check JOURNAL.json`: the journal's mistakes (JournalFlags), one
/// line each, "drop N, state K: CODE: text", on standard output. Exit status
/// 0 whatever the flags; 1 for a file it refuses, named with the reason on
/// standard error.
class JournalCheck {
public:
    static int run(const QString& journalPath, std::FILE* out = stdout, std::FILE* err = stderr);
};
