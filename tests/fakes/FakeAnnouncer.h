// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Announcer.h"

#include <QStringList>

/// Records what would be announced.
class FakeAnnouncer : public Announcer {
public:
    QStringList announced;
    void announce(const QString& text) override { announced << text; }
};
