// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// A student of a roster: the id names the student's task file.
struct Student {
    QString id;
    QString name;
    QString email; ///< as given: not checked
    QString group; ///< may be empty

    bool operator==(const Student&) const = default;
};
