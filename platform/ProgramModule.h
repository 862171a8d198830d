// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

/// A module of the program (the sound output, the journal's plots), loaded
/// when it is first needed so that start-up does not pay for the libraries it
/// brings. It stays loaded for the rest of the program once found.
class ProgramModule {
public:
    /// The function `symbol` of the module `fileName` from the first of
    /// `folders` that has it; null, with the reason in `failure`, when none does.
    static void* resolve(const QStringList& folders, const QString& fileName, const char* symbol, QString& failure);
};
