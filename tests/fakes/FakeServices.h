// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeAnnouncer.h"
#include "FakeDesktopShell.h"
#include "FakeLifetime.h"
#include "FakeMessageBox.h"
#include "FakePauseTimer.h"
#include "FakeRandom.h"
#include "FakeSaveFileDialog.h"
#include "FakeSteadyClock.h"
#include "FakeTimeOfDay.h"
#include "FakeToneGenerator.h"

#include "Services.h"

/// Every platform service as an in-memory fake.
struct FakeServices {
    FakeMessageBox messageBox;
    FakeToneGenerator tones;
    FakePauseTimer timer;
    FakeRandom random;
    FakeTimeOfDay clock;
    FakeDesktopShell shell;
    FakeLifetime lifetime;
    FakeSaveFileDialog saveDialog;
    FakeSteadyClock steadyClock;
    FakeAnnouncer announcer;

    FakeServices() { timer.clock = &steadyClock; }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    /// The fakes as the procedures take them; `timer` may be replaced by a real one.
    Services services(PauseTimer* pauseTimer = nullptr)
    {
        Services s;
        s.messageBox = &messageBox;
        s.tones = &tones;
        s.timer = pauseTimer ? pauseTimer : &timer;
        s.random = &random;
        s.clock = &clock;
        s.shell = &shell;
        s.lifetime = &lifetime;
        s.saveDialog = &saveDialog;
        s.steadyClock = &steadyClock;
        s.announcer = &announcer;
        return s;
    }
};
