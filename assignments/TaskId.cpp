// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TaskId.h"

#include <QStringList>

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
    // Names of devices on Windows, with any extension: "CON.json" there is the console.
    static const QStringList devices{QStringLiteral("con"), QStringLiteral("prn"), QStringLiteral("aux"),
                                     QStringLiteral("nul")};
    const QString stem = id.section(u'.', 0, 0).toLower();
    if (devices.contains(stem)
        || (stem.size() == 4 && (stem.startsWith(QLatin1String("com")) || stem.startsWith(QLatin1String("lpt")))
            && stem[3] >= u'0' && stem[3] <= u'9'))
        return false;
    return true;
}
