// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToneStream.h"

#include <algorithm>
#include <cstring>

ToneStream::ToneStream(int frameBytes, QObject* parent) : QIODevice(parent), m_frameBytes(frameBytes)
{
    open(QIODevice::ReadOnly);
}

void ToneStream::enqueue(const QByteArray& pcm)
{
    // Compact what was already played before appending.
    if (m_read > 0) {
        m_queue.remove(0, m_read);
        m_read = 0;
    }
    m_queue.append(pcm);
}

qint64 ToneStream::bytesAvailable() const
{
    // Always something to read: silence once the queue is empty.
    return std::max<qint64>(queued(), 4096) + QIODevice::bytesAvailable();
}

qint64 ToneStream::readData(char* data, qint64 maxSize)
{
    // Whole frames only.
    maxSize -= maxSize % m_frameBytes;
    const qint64 fromQueue = std::min(maxSize, queued());
    std::memcpy(data, m_queue.constData() + m_read, static_cast<std::size_t>(fromQueue));
    m_read += fromQueue;
    std::memset(data + fromQueue, 0, static_cast<std::size_t>(maxSize - fromQueue));
    return maxSize;
}

qint64 ToneStream::writeData(const char*, qint64)
{
    return -1;
}
