// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module: the program loads it when it first plays a tone, so that
// the audio libraries are not loaded (nor their cost paid) at start-up.

#ifdef OILDROP_QT_MULTIMEDIA
#include "QtToneOutput.h"
using SystemToneOutput = QtToneOutput;
#else
#include "WaveToneOutput.h"
using SystemToneOutput = WaveToneOutput;
#endif

extern "C" Q_DECL_EXPORT ToneOutput* oildrop_create_tone_output()
{
    return new SystemToneOutput;
}
