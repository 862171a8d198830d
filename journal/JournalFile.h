// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Journal.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <variant>

/// The journal's file: UTF-8 JSON, an object with "format": "oildrop-journal",
/// "version" (this program writes version 2 and reads 1 and 2), the seed, who
/// measured (optional), the drops with their setups and the entries
/// (docs/journal-format.md). JSON because
/// a journal is nested (drops with their setups, entries of a drop) and typed,
/// and because a cut-off or damaged file cannot pass for a whole one.
class JournalFile {
    Q_DECLARE_TR_FUNCTIONS(JournalFile)

public:
    static constexpr int Version = 2;
    /// Larger files are not read, bytes.
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;
    /// Longest student's name or group, characters.
    static constexpr int MaxNameLength = 200;
    /// The most changes of course one drop keeps (a switch every second for a day).
    static constexpr int MaxEvents = 100000;

    static QByteArray write(const Journal& journal);
    /// The journal in `bytes`, or why it is refused (one sentence, translated):
    /// not JSON (damaged or cut off), not a journal, a later version, or a
    /// value that makes no sense.
    static std::variant<Journal, QString> read(const QByteArray& bytes);
};
