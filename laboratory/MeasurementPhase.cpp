// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MeasurementPhase.h"

QString MeasurementPhases::name(MeasurementPhase phase, int irradiation)
{
    switch (phase) {
    case MeasurementPhase::NoField: return tr("без поля");
    case MeasurementPhase::FirstCharge: return tr("поле, до облучения");
    case MeasurementPhase::Irradiated:
        return irradiation > 1 ? tr("поле, после облучения %1").arg(irradiation) : tr("поле, после облучения");
    }
    return {};
}

QString MeasurementPhases::key(MeasurementPhase phase)
{
    switch (phase) {
    case MeasurementPhase::NoField: return QStringLiteral("noField");
    case MeasurementPhase::FirstCharge: return QStringLiteral("firstCharge");
    case MeasurementPhase::Irradiated: return QStringLiteral("irradiated");
    }
    return {};
}

std::optional<MeasurementPhase> MeasurementPhases::fromKey(const QString& key)
{
    for (const MeasurementPhase phase :
         {MeasurementPhase::NoField, MeasurementPhase::FirstCharge, MeasurementPhase::Irradiated})
        if (MeasurementPhases::key(phase) == key)
            return phase;
    return std::nullopt;
}
