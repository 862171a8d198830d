// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The local time of day.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;

    /// Seconds since midnight, with a fraction.
    virtual double secondsSinceMidnight() const = 0;
};
