// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StateInvariants.h"

#include "ExperimentState.h"

#include <cmath>

QString stateViolation(const ExperimentState& s)
{
    if (!(s.DD > 0))
        return QStringLiteral("DD = %1").arg(s.DD);
    if (!(s.d > 0))
        return QStringLiteral("d = %1").arg(s.d);
    if (!(s.r > 0))
        return QStringLiteral("r = %1").arg(s.r);
    if (!(s.r0 > 0))
        return QStringLiteral("r0 = %1").arg(s.r0);
    if (!(s.eta > 0))
        return QStringLiteral("eta = %1").arg(static_cast<double>(s.eta));
    if (!(s.r > s.r0))
        return QStringLiteral("r = %1 not above r0 = %2").arg(s.r).arg(s.r0);
    if (!(s.Ux != 0))
        return QStringLiteral("Ux = 0");
    const struct {
        const char* name;
        double value;
    } finite[] = {{"DD", s.DD},
                  {"Ux", s.Ux},
                  {"d", s.d},
                  {"r", s.r},
                  {"r0", s.r0},
                  {"mass", s.mass},
                  {"Ex", s.Ex},
                  {"forceRatio", s.forceRatio},
                  {"V2max", s.V2max},
                  {"V3max", s.V3max},
                  {"Vg·V2max", s.Vg * s.V2max},
                  {"Vg·V3max", s.Vg * s.V3max}};
    for (const auto& q : finite)
        if (!std::isfinite(q.value))
            return QStringLiteral("%1 = %2").arg(QString::fromLatin1(q.name)).arg(q.value);
    const struct {
        const char* name;
        double value;
    } positive[] = {{"tau", static_cast<double>(s.tau)},
                    {"Vg", s.Vg},
                    {"reducedGap", s.reducedGap},
                    {"plotTimeSpan", s.plotTimeSpan},
                    {"timeStep", s.timeStep}};
    for (const auto& q : positive)
        if (!(std::isfinite(q.value) && q.value > 0))
            return QStringLiteral("%1 = %2").arg(QString::fromLatin1(q.name)).arg(q.value);
    return {};
}
