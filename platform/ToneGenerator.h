// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Plays a tone and returns when the tone's time is over. While a tone plays
/// the window keeps repainting but does not react to the user.
class ToneGenerator {
public:
    virtual ~ToneGenerator() = default;

    /// A sine tone of `hertz` lasting `milliseconds`: returning when it has
    /// ended, the user interface not responding meanwhile (as the
    /// demonstration's tones are), or, without waiting, queued behind the
    /// tones still playing and returning at once (the laboratory's: a key
    /// pressed during a tone acts).
    virtual void tone(int hertz, int milliseconds) = 0;
    virtual void setWaiting(bool waiting) = 0;
};
