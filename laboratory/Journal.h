// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalDrop.h"
#include "JournalEntry.h"

#include <cstdint>
#include <vector>

/// The laboratory journal: the drops measured and every measurement, in the
/// order they were made, and the seed their random numbers came from.
struct Journal {
    std::uint64_t seed = 0; ///< the session's seed
    bool seedFixed = false; ///< chosen by a teacher (every student the same drops)
    std::vector<JournalDrop> drops;
    std::vector<JournalEntry> entries;

    const JournalDrop* drop(int number) const
    {
        for (const JournalDrop& d : drops)
            if (d.number == number)
                return &d;
        return nullptr;
    }
    /// The number the next drop gets.
    int nextDropNumber() const { return drops.empty() ? 1 : drops.back().number + 1; }
};
