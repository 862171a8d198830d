// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

/// Writing a file whole or not at all: to a temporary file beside it, renamed
/// over it only once everything is on the disk. A failure (a folder that cannot
/// be written or does not exist, a full disk) leaves the old file as it was.
class AtomicFile {
public:
    /// Writes `bytes` to `path`; the system's reason when it fails, else empty.
    static QString write(const QString& path, const QByteArray& bytes);
};
