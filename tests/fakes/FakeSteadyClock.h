// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SteadyClock.h"

/// A wall clock that moves only when told: the fake pause timer moves it on
/// by each pause's length when the pause ends.
class FakeSteadyClock : public SteadyClock {
public:
    double now = 1000;
    double milliseconds() const override { return now; }
};
