// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToneOutput.h"

#include <deque>
#include <memory>

/// Tones through Windows' own audio interface (waveOut), where there is no Qt
/// Multimedia: each tone's samples are one block queued on the open device,
/// which plays its blocks one after another, so consecutive tones follow each
/// other without gaps.
class WaveToneOutput : public ToneOutput {
public:
    /// Samples per second: a rate every Windows sound device takes, Hz.
    static constexpr int SampleRate = 44100;

    WaveToneOutput();
    ~WaveToneOutput() override;

    bool play(int hertz, int milliseconds) override;
    void rest() override;
    QString problem() const override { return m_problem; }

private:
    struct Block;

    bool ensureDevice();
    bool queue(std::unique_ptr<Block> block);
    /// Gives back the blocks the device has finished with; how many are still queued.
    std::size_t releasePlayed();

    void* m_device = nullptr; ///< the HWAVEOUT
    std::deque<std::unique_ptr<Block>> m_blocks;
    QString m_problem;
};
