// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>

/// An endless audio stream read by the audio sink: the queued tone samples,
/// then silence, so that the device never runs dry and never stops.
class ToneStream : public QIODevice {
    Q_OBJECT

public:
    /// `frameBytes`: bytes of one sample for every channel; reads keep whole frames.
    explicit ToneStream(int frameBytes, QObject* parent = nullptr);

    /// Appends PCM bytes to be played after what is queued.
    void enqueue(const QByteArray& pcm);
    /// Bytes still queued.
    qint64 queued() const { return m_queue.size() - m_read; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QByteArray m_queue;
    qint64 m_read = 0;
    int m_frameBytes;
};
