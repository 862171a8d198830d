// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class ToneGenerator;

/// The program's sound signals, built from tones of whole hertz and whole milliseconds.
class Sound {
public:
    struct Note {
        int hertz;  ///< frequency, rounded to whole Hz
        int factor; ///< duration in units of the tempo
    };
    /// The melody that marks an experiment performed incorrectly: 20 notes,
    /// 122 tempo units in all.
    static constexpr std::array<Note, 20> FailureMelody{{
        {783, 8}, {880, 6}, {783, 4}, {783, 5}, {659, 3}, {523, 8}, {1047, 8}, {988, 4}, {880, 4}, {783, 8},
        {880, 8}, {698, 8}, {783, 4}, {783, 4}, {659, 8}, {740, 4}, {740, 4},  {783, 8}, {740, 8}, {659, 8},
    }};

    /// Tempi: the signal tone of a correct experiment (600 ms), the short
    /// signal of an error or a read-out (300 ms), the failure melody (12.2 s).
    static constexpr double LongSignal = 50;
    static constexpr double ShortSignal = 25;
    static constexpr double MelodyTempo = 100;

    explicit Sound(ToneGenerator& tones);

    /// The failure melody, each note lasting factor × tempo ms, without gaps.
    void playFailureMelody(double tempo);
    /// One 880 Hz tone of 12 × tempo ms.
    void playSignalTone(double tempo);

private:
    ToneGenerator& m_tones;
};
