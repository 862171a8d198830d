// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The units charges are measured and shown in.
struct ChargeUnits {
    /// The elementary charge, C (exact in the SI since 2019).
    static constexpr double ElementaryCharge = 1.602176634e-19;
    /// The unit of the charges in the journal, its table and plots: 10⁻¹⁹ C.
    static constexpr double ChargeUnit = 1e-19;
};
