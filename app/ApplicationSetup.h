// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Application-wide settings of the program's windows: the style with 32 px
/// menu pictures, the font substitutes and the desktop entry.
class ApplicationSetup {
public:
    /// Call once after the application object exists.
    static void apply();
};
