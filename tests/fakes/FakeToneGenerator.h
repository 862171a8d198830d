// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToneGenerator.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>
#include <vector>

/// Records every tone instead of playing it. With `realTime` set, a tone also
/// takes its time, as a real one does, with the window not responding.
class FakeToneGenerator : public ToneGenerator {
public:
    std::vector<std::pair<int, int>> tones; ///< (hertz, milliseconds)
    bool realTime = false;
    /// When the last tone ended, ns of `clock` (real-time tones only).
    qint64 lastEndNs = -1;
    QElapsedTimer clock;

    /// Whether tones wait for their end (see ToneGenerator::setWaiting).
    bool waiting = true;
    void setWaiting(bool wait) override { waiting = wait; }

    void tone(int hertz, int milliseconds) override
    {
        tones.emplace_back(hertz, milliseconds);
        if (!realTime || !waiting)
            return;
        if (!clock.isValid())
            clock.start();
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        lastEndNs = clock.nsecsElapsed();
    }
};
