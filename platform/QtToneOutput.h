// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToneOutput.h"

#include <QAudioFormat>

#include <memory>

class QAudioSink;
class ToneStream;

/// Tones through the desktop's default audio output with QAudioSink: each
/// tone's samples are queued on one continuous stream, so consecutive tones
/// follow each other without gaps.
class QtToneOutput : public ToneOutput {
public:
    QtToneOutput();
    ~QtToneOutput() override;

    bool play(int hertz, int milliseconds) override;
    void rest() override;
    QString problem() const override { return m_problem; }

private:
    bool ensureSink();

    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<ToneStream> m_stream;
    QAudioFormat m_format;
    QString m_problem;
};
