// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The weights of a grade's parts, points out of their sum (100 by default);
/// a teacher may change them in the assignment's file.
struct Rubric {
    /// The estimate of e: full within 1 % of the reference value, falling
    /// linearly to none at 5 %.
    double accuracy = 40;
    /// The estimate's uncertainty U covers the reference e.
    double coverage = 20;
    /// Certain charges (a whole multiple found without doubt): full at 14 or more.
    double charges = 20;
    /// No timing edited, no foreign drop, not another student's task.
    double integrity = 20;

    /// The largest weight a part may have.
    static constexpr double MaximumWeight = 1000;

    bool operator==(const Rubric&) const = default;
};
