// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DropletPhysics.h"
#include "Journal.h"
#include "SeededRandom.h"

#include <QDateTime>

#include <cmath>

/// A journal as a careful student keeps it, with charges of the exact e: each
/// of `drops` drops of the default setup timed twice over five bands without
/// field, twice with its first charge and twice after an irradiation
/// (charges of 1 to 10 e), every time 0.4 % off at random (a hand's 0.07 s
/// of the default droplet's 19 s) with that uncertainty.
inline Journal generatedJournal(int drops, std::uint64_t seed, const QString& student = {}, const QString& group = {})
{
    using P = DropletPhysics;
    const SetupParameters setup{0.016, -5085, 5.52e-6, 920, 1.23, 1.82e-5f};
    const float tau = P::relaxationTime(setup.r, setup.d, setup.eta);
    const double Vg = P::terminalVelocity(tau, setup.r, setup.r0);
    const double a = P::forceRatio(setup.Ux, setup.d, setup.r, setup.r0, setup.DD);
    SeededRandom random(seed);
    Journal journal;
    journal.seed = seed;
    journal.student = student;
    journal.group = group;
    for (int drop = 1; drop <= drops; ++drop) {
        JournalDrop d;
        d.number = drop;
        d.started = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC).addSecs(120 * drop);
        d.setup = setup;
        d.seed = seed + static_cast<std::uint64_t>(drop);
        journal.drops.push_back(d);
        const int n1 = 1 + static_cast<int>(random.uniform() * 10), n2 = 1 + static_cast<int>(random.uniform() * 10);
        const double velocities[] = {Vg, Vg * P::limitingVelocity(a, n1), Vg * P::limitingVelocity(a, n2)};
        const FieldState fields[] = {FieldState::Off, FieldState::On, FieldState::On};
        for (int i = 0; i < 6; ++i) {
            JournalEntry e;
            e.drop = drop;
            e.field = fields[i / 2];
            e.chargeState = i / 2 == 2 ? 1 : 0;
            e.voltage = setup.Ux;
            // Signed by the way it moved, positive downward.
            const double v = velocities[i / 2];
            e.bands = v < 0 ? -5 : 5;
            e.distance = *e.bands * setup.DD / 10;
            e.time = std::round(100 * std::abs(*e.distance / v) * (1 + 0.004 * random.normal())) / 100;
            e.uncertainty = 0.07;
            e.source = JournalEntry::Source::Stopwatch;
            journal.entries.push_back(e);
        }
    }
    return journal;
}
