// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

/// Where the samples of tones go: the desktop's sound device. Adding a tone
/// returns at once; the tone is heard after what is already queued, without
/// a gap. The output lives in a module of its own (see QtToneGenerator).
class ToneOutput {
public:
    virtual ~ToneOutput() = default;

    /// Queues a tone of `hertz` lasting `milliseconds`; false when there is no
    /// sound (no device, or it failed), see problem().
    virtual bool play(int hertz, int milliseconds) = 0;
    /// Nothing more for a while: the device is let go until the next tone.
    virtual void rest() = 0;
    /// Why there is no sound, in a few words; empty while there is.
    virtual QString problem() const = 0;
};

/// The entry point of the sound module: a new output, owned by the caller.
#define OILDROP_TONE_OUTPUT_FACTORY "oildrop_create_tone_output"
extern "C" {
using CreateToneOutput = ToneOutput* (*)();
}
