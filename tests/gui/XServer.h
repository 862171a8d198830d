// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QWidget>

/// Where the X server has a window (xwininfo): its absolute left and top and
/// its size, in screen pixels; what the screen shows, whatever Qt believes.
inline QRect xGeometry(const QWidget* window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window->winId())});
    xwininfo.waitForFinished(5000);
    const QString info = QString::fromUtf8(xwininfo.readAllStandardOutput());
    const auto value = [&info](const char* key) {
        const qsizetype at = info.indexOf(QLatin1String(key));
        return at < 0 ? -1 : info.mid(at + qstrlen(key)).section(u'\n', 0, 0).trimmed().toInt();
    };
    return QRect(value("Absolute upper-left X:"), value("Absolute upper-left Y:"), value("Width:"), value("Height:"));
}
