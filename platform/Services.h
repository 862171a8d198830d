// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Announcer.h"
#include "DesktopShell.h"
#include "Lifetime.h"
#include "MessageBox.h"
#include "PauseTimer.h"
#include "RandomSource.h"
#include "SaveFileDialog.h"
#include "SteadyClock.h"
#include "TimeOfDay.h"
#include "ToneGenerator.h"

/// The platform services the main window's procedures use. The program wires
/// the real ones; tests wire in-memory fakes.
struct Services {
    MessageBox* messageBox = nullptr;
    ToneGenerator* tones = nullptr;
    PauseTimer* timer = nullptr; ///< paces every pause
    RandomSource* random = nullptr;
    TimeOfDay* clock = nullptr;
    DesktopShell* shell = nullptr;
    Lifetime* lifetime = nullptr;
    SaveFileDialog* saveDialog = nullptr;
    SteadyClock* steadyClock = nullptr; ///< wall time between the steps of a run
    Announcer* announcer = nullptr;     ///< for screen readers
};
