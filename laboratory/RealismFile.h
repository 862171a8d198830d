// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RealismLevel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>
#include <variant>

/// The realism level a teacher sets for a machine, read at the start:
/// `oildrop/realism.json` in the system's configuration folders (on Linux
/// /etc/xdg/oildrop/ for every user, ~/.config/oildrop/ for one; the first
/// found is read), UTF-8 JSON `{"level": "ideal" | "standard" | "full",
/// "locked": true | false}`. Locked, the student cannot change the level.
class RealismFile {
    Q_DECLARE_TR_FUNCTIONS(RealismFile)

public:
    struct Choice {
        RealismLevel level = RealismLevel::Ideal;
        bool locked = false;

        bool operator==(const Choice&) const = default;
    };

    /// Larger files are not read, bytes.
    static constexpr qint64 MaxSize = 4096;

    /// The choice in `bytes`, or why it is refused (translated).
    static std::variant<Choice, QString> read(const QByteArray& bytes);
    /// The file's path, if there is one.
    static std::optional<QString> find();

    /// "ideal", "standard", "full".
    static QString key(RealismLevel level);
    /// The level of `key`; none for another word.
    static std::optional<RealismLevel> fromKey(const QString& key);
};
