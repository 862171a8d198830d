// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalDrop.h"
#include "JournalEntry.h"
#include "JournalTask.h"
#include "Reticle.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

/// The laboratory journal: the drops measured and every measurement, in the
/// order they were made, and the seed their random numbers came from.
struct Journal {
    std::uint64_t seed = 0;          ///< the session's seed
    bool seedFixed = false;          ///< chosen by a teacher (every student the same drops)
    QString student;                 ///< who measured (empty: not yet said)
    QString group;                   ///< the student's group or class
    std::optional<JournalTask> task; ///< the teacher's task it was measured for, if any
    std::vector<JournalDrop> drops;
    std::vector<JournalEntry> entries;

    const JournalDrop* drop(int number) const
    {
        for (const JournalDrop& d : drops)
            if (d.number == number)
                return &d;
        return nullptr;
    }
    /// The voltage during `entry`, V: its own, or else its drop's at the
    /// start; none for an entry of no drop in the journal.
    std::optional<double> voltageOf(const JournalEntry& entry) const
    {
        if (entry.voltage)
            return entry.voltage;
        const JournalDrop* d = drop(entry.drop);
        return d ? std::optional(d->setup.Ux) : std::nullopt;
    }
    /// The distance of `entry`'s bands on its drop's reticle, m; none without
    /// bands or without its drop in the journal.
    std::optional<double> distanceOf(const JournalEntry& entry) const
    {
        const JournalDrop* d = drop(entry.drop);
        if (!entry.bands || !d)
            return std::nullopt;
        return *entry.bands * Reticle::bandLength(d->setup.DD);
    }
    /// The number the next drop gets.
    int nextDropNumber() const { return drops.empty() ? 1 : drops.back().number + 1; }
};
