// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskId.h"

bool TaskId::isSafe(const QString& id)
{
    if (id.isEmpty() || id.size() > MaxLength || id.startsWith(u'.'))
        return false;
    for (const QChar c : id) {
        // A surrogate half is a letter outside the basic plane only together
        // with its pair: such letters are refused rather than judged by halves.
        if (!(c.isLetter() || c.isDigit() || c == u'-' || c == u'_' || c == u'.'))
            return false;
    }
    return true;
}
