// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtDesktopShell.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtDesktopShell::fileExists(const QString& path) const
{
    return QFileInfo(path).isFile();
}

bool QtDesktopShell::openDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands the file to xdg-open and returns; xdg-open finds no viewer (or
    // the viewer fails to start) only afterwards, and says so only on the
    // standard error and in its exit status. So it is run here, and a failure
    // within FailureWindowMs is told (a viewer closed later is not one).
    constexpr qint64 FailureWindowMs = 10000;
    if (const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open")); !xdgOpen.isEmpty()) {
        auto* process = new QProcess; // deleted when it ends; the viewer may outlive the program's window
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer clock;
        clock.start();
        const auto failed = [this, absolute, clock] {
            if (openFailed && clock.elapsed() < FailureWindowMs)
                openFailed(absolute);
        };
        QObject::connect(process, &QProcess::finished, process,
                         [process, failed](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (status != QProcess::NormalExit || code != 0)
                                 failed();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            failed();
        });
        process->start(xdgOpen, {absolute});
        return true;
    }
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

bool QtDesktopShell::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}
