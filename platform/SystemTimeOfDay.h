// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TimeOfDay.h"

/// The local time of day from the system clock.
class SystemTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight() const override;
};
