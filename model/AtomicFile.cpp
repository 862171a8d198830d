// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

QString AtomicFile::write(const QString& path, const QByteArray& bytes)
{
#ifdef Q_OS_WASM
    // In a browser's page a sync to the disk (QSaveFile's commit) suspends
    // the program where it stands, with the page's timers calling in
    // meanwhile: a file written beside and renamed over is as whole, and the
    // page's storage keeps the folder after each change.
    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.close();
        QFile::remove(temporary);
        return reason;
    }
    file.close();
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = qt_error_string(errno);
        QFile::remove(temporary);
        return reason;
    }
    return {};
#else
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
#endif
}
