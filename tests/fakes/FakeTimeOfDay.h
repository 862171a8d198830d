// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TimeOfDay.h"

class FakeTimeOfDay : public TimeOfDay {
public:
    double seconds = 45296.25; // 12:34:56.25
    double secondsSinceMidnight() const override { return seconds; }
};
