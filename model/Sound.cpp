#include "Sound.h"

#include "ToneGenerator.h"

#include <cmath>

Sound::Sound(ToneGenerator& tones) : m_tones(tones) {}

void Sound::playFailureMelody(double temp)
{
    for (const Note& note : FailureMelody)
        m_tones.tone(note.hertz, static_cast<int>(std::lround(note.factor * temp)));
}

void Sound::playSignalTone(double temp)
{
    m_tones.tone(880, static_cast<int>(std::lround(12 * temp)));
}
