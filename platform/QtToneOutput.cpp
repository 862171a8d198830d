// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtToneOutput.h"

#include "ToneStream.h"
#include "ToneSynthesizer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

/// Margin of the lead in front of a tone that starts after a pause, ms (see play()).
constexpr int LeadMarginMs = 40;

} // namespace

QtToneOutput::QtToneOutput() = default;

QtToneOutput::~QtToneOutput()
{
    if (m_sink)
        m_sink->stop();
}

bool QtToneOutput::ensureSink()
{
    if (!m_problem.isEmpty())
        return false;
    if (m_sink)
        return true;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_problem = QStringLiteral("no audio output device");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(device.preferredFormat().sampleRate() > 0 ? device.preferredFormat().sampleRate() : 48000);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        format.setChannelCount(std::max(1, device.preferredFormat().channelCount()));
    if (!device.isFormatSupported(format)) {
        m_problem = QStringLiteral("the audio device takes no 16-bit sound");
        return false;
    }

    m_format = format;
    m_stream = std::make_unique<ToneStream>(format.bytesPerFrame());
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_stream.get());
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        m_sink.reset();
        m_stream.reset();
        m_problem = QStringLiteral("the audio device failed to start");
        return false;
    }
    return true;
}

bool QtToneOutput::play(int hertz, int milliseconds)
{
    if (!ensureSink())
        return false;
    const std::vector<std::int16_t> mono = ToneSynthesizer::render(hertz, milliseconds, m_format.sampleRate());
    const int channels = m_format.channelCount();
    QByteArray pcm;
    pcm.resize(static_cast<qsizetype>(mono.size() * sizeof(std::int16_t) * static_cast<std::size_t>(channels)));
    auto* out = reinterpret_cast<std::int16_t*>(pcm.data());
    for (std::int16_t sample : mono)
        for (int c = 0; c < channels; ++c)
            *out++ = sample;
    // The device reads its buffer ahead of what is heard, and the next tone
    // is queued only when the clock says this one is over. A tone that starts
    // after a pause therefore gets a lead of silence as long as that buffer
    // (and a margin): the queue then still holds the end of each tone when
    // the next one is added, and a melody plays without the device filling
    // the joins with silence.
    if (m_stream->queued() == 0) {
        const qint64 lead = m_sink->bufferSize() + m_format.bytesForDuration(LeadMarginMs * 1000);
        m_stream->enqueue(QByteArray(static_cast<qsizetype>(lead - lead % m_format.bytesPerFrame()), '\0'));
    }
    m_stream->enqueue(pcm);
    return true;
}

void QtToneOutput::rest()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_stream.reset();
}
