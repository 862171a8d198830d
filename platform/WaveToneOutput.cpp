// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaveToneOutput.h"

#include "ToneSynthesizer.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <vector>

namespace {

/// Silence in front of a tone that starts after a pause, ms: the next tone is
/// queued only when the clock says this one is over, so the queue must still
/// hold the end of this one then (see play()).
constexpr int LeadMs = 60;

HWAVEOUT handle(void* device)
{
    return static_cast<HWAVEOUT>(device);
}

} // namespace

/// One queued stretch of samples and the header the device reads it through;
/// both stay in place until the device marks the header done.
struct WaveToneOutput::Block {
    std::vector<std::int16_t> samples;
    WAVEHDR header{};
};

WaveToneOutput::WaveToneOutput() = default;

WaveToneOutput::~WaveToneOutput()
{
    rest();
}

bool WaveToneOutput::ensureDevice()
{
    if (!m_problem.isEmpty())
        return false;
    if (m_device)
        return true;
    if (waveOutGetNumDevs() == 0) {
        m_problem = QStringLiteral("no audio output device");
        return false;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = SampleRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = sizeof(std::int16_t);
    format.nAvgBytesPerSec = SampleRate * format.nBlockAlign;
    HWAVEOUT device = nullptr;
    if (const MMRESULT result = waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
        result != MMSYSERR_NOERROR) {
        m_problem = QStringLiteral("the audio device failed to open (waveOut error %1)").arg(result);
        return false;
    }
    m_device = device;
    return true;
}

std::size_t WaveToneOutput::releasePlayed()
{
    while (!m_blocks.empty() && (m_blocks.front()->header.dwFlags & WHDR_DONE)) {
        waveOutUnprepareHeader(handle(m_device), &m_blocks.front()->header, sizeof(WAVEHDR));
        m_blocks.pop_front();
    }
    return m_blocks.size();
}

bool WaveToneOutput::queue(std::unique_ptr<Block> block)
{
    WAVEHDR& header = block->header;
    header.lpData = reinterpret_cast<LPSTR>(block->samples.data());
    header.dwBufferLength = static_cast<DWORD>(block->samples.size() * sizeof(std::int16_t));
    if (waveOutPrepareHeader(handle(m_device), &header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
        return false;
    if (waveOutWrite(handle(m_device), &header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(handle(m_device), &header, sizeof(WAVEHDR));
        return false;
    }
    m_blocks.push_back(std::move(block));
    return true;
}

bool WaveToneOutput::play(int hertz, int milliseconds)
{
    if (!ensureDevice())
        return false;
    auto block = std::make_unique<Block>();
    // A tone after a pause starts behind a lead of silence, so that the
    // device's queue is never empty at the join with the next tone of a melody.
    if (releasePlayed() == 0)
        block->samples.assign(static_cast<std::size_t>(SampleRate * LeadMs / 1000), 0);
    const std::vector<std::int16_t> tone = ToneSynthesizer::render(hertz, milliseconds, SampleRate);
    block->samples.insert(block->samples.end(), tone.begin(), tone.end());
    if (!queue(std::move(block))) {
        m_problem = QStringLiteral("the audio device took no samples");
        rest();
        return false;
    }
    return true;
}

void WaveToneOutput::rest()
{
    if (!m_device)
        return;
    // Marks every queued block done, so that all of them can be let go.
    waveOutReset(handle(m_device));
    releasePlayed();
    waveOutClose(handle(m_device));
    m_device = nullptr;
    m_blocks.clear();
}
