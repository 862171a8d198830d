// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// Tells a screen reader what just happened where no focused control shows it
/// (the verdict of an experiment, a read-out appearing, the end of a run).
class Announcer {
public:
    virtual ~Announcer() = default;

    virtual void announce(const QString& text) = 0;
};
