// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

/// What acts on the droplet while it is timed.
enum class MeasurementPhase {
    NoField,     ///< free fall: no voltage yet
    FirstCharge, ///< the field acts on the charge before irradiation
    Irradiated,  ///< the field acts on the charge after an irradiation
};

/// The phases' names in the journal and in its file.
class MeasurementPhases {
    Q_DECLARE_TR_FUNCTIONS(MeasurementPhases)

public:
    /// "без поля", "поле, до облучения", "поле, после облучения" (with the
    /// irradiation's number from the second on).
    static QString name(MeasurementPhase phase, int irradiation = 1);
    /// The name in the journal file ("noField", "firstCharge", "irradiated").
    static QString key(MeasurementPhase phase);
    static std::optional<MeasurementPhase> fromKey(const QString& key);
};
