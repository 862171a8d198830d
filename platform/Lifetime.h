// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Ending the program. Ending closes every window at once and unwinds every
/// pause and nested event loop: code that waited in a pause checks isEnding()
/// when the pause returns and goes no further.
class Lifetime {
public:
    virtual ~Lifetime() = default;

    /// Ends the program with `status` as soon as control is back in the main loop.
    virtual void endProgram(int status) = 0;
    virtual bool isEnding() const = 0;
};
