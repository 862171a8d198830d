// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Student.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <variant>
#include <vector>

/// A group's roster as a spreadsheet saves it: CSV in UTF-8 (a byte-order
/// mark allowed), a header line naming the columns `id`, `name`, `email` and
/// optionally `group` in any order (letter case and spaces around them aside;
/// other columns ignored), the separator `;` or `,` as the header has it,
/// fields optionally in double quotes ("" for a quote), lines ending in CRLF
/// or LF, empty lines skipped.
class Roster {
    Q_DECLARE_TR_FUNCTIONS(Roster)

public:
    /// Larger files are not read, bytes.
    static constexpr qint64 MaxSize = 8 * 1024 * 1024;
    static constexpr int MaxStudents = 10000;
    /// Longest name, e-mail or group, characters.
    static constexpr int MaxFieldLength = 200;

    /// Why a roster is refused: the line (1 the header; 0 the file as a whole)
    /// and the reason, translated.
    struct Fault {
        int line = 0;
        QString reason;
    };

    /// The students of `bytes`, in the roster's order, or the first fault.
    static std::variant<std::vector<Student>, Fault> read(const QByteArray& bytes);
};
