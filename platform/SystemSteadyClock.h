// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SteadyClock.h"

#include <QElapsedTimer>

/// The system's monotonic clock.
class SystemSteadyClock : public SteadyClock {
public:
    SystemSteadyClock() { m_timer.start(); }
    double milliseconds() const override { return static_cast<double>(m_timer.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer m_timer;
};
