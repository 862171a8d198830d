// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TaskSettings.h"

#include <QString>

#include <cstdint>

/// One student's task: who, the laboratory's settings and the student's seed
/// of the drops (from the assignment's secret; the secret itself is not here).
struct Task {
    QString id;
    QString name;
    QString group;
    TaskSettings settings;
    std::uint64_t seed = 0;

    bool operator==(const Task&) const = default;
};
