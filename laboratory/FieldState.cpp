// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FieldState.h"

QString FieldStates::name(FieldState field)
{
    switch (field) {
    case FieldState::Off: return tr("без поля");
    case FieldState::On: return tr("в поле");
    case FieldState::Reversed: return tr("в поле, обратная полярность");
    }
    return {};
}

QStringList FieldStates::names()
{
    QStringList list;
    for (const FieldState field : All)
        list << name(field);
    return list;
}

QString FieldStates::key(FieldState field)
{
    switch (field) {
    case FieldState::Off: return QStringLiteral("off");
    case FieldState::On: return QStringLiteral("on");
    case FieldState::Reversed: return QStringLiteral("reversed");
    }
    return {};
}

std::optional<FieldState> FieldStates::fromKey(const QString& key)
{
    for (const FieldState field : All)
        if (FieldStates::key(field) == key)
            return field;
    return std::nullopt;
}

int FieldStates::sign(FieldState field)
{
    switch (field) {
    case FieldState::Off: return 0;
    case FieldState::On: return 1;
    case FieldState::Reversed: return -1;
    }
    return 0;
}
