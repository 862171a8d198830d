// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopShell.h"
#include "Lifetime.h"
#include "MessageBox.h"
#include "PauseTimer.h"
#include "RandomSource.h"
#include "SaveFileDialog.h"
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
};
