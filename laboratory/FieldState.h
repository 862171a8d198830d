// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

/// The field the droplet moves in while it is measured.
enum class FieldState {
    Off,      ///< no field: the free fall
    On,       ///< the field of the plates' voltage
    Reversed, ///< the field with the plates' polarity reversed
};

/// The field states' names in the journal and in its file.
class FieldStates {
    Q_DECLARE_TR_FUNCTIONS(FieldStates)

public:
    static constexpr FieldState All[] = {FieldState::Off, FieldState::On, FieldState::Reversed};

    /// "без поля", "в поле", "в поле, обратная полярность".
    static QString name(FieldState field);
    /// The names in the order of All (for an editor).
    static QStringList names();
    /// The name in the journal file: "off", "on", "reversed".
    static QString key(FieldState field);
    static std::optional<FieldState> fromKey(const QString& key);
    /// The direction of the field against the one the voltage gives: 1 on,
    /// −1 reversed, 0 without field.
    static int sign(FieldState field);
};
