// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sound.h"

#include "ToneGenerator.h"

#include <cmath>

Sound::Sound(ToneGenerator& tones) : m_tones(tones) {}

void Sound::playFailureMelody(double tempo)
{
    for (const Note& note : FailureMelody)
        m_tones.tone(note.hertz, static_cast<int>(std::lround(note.factor * tempo)));
}

void Sound::playSignalTone(double tempo)
{
    m_tones.tone(880, static_cast<int>(std::lround(12 * tempo)));
}
