// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebFiles.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <emscripten.h>

namespace {

const QString DownloadFolder = QStringLiteral("/downloads");
const QString UploadFolder = QStringLiteral("/uploads");

} // namespace

QString WebFiles::downloadPath(const QString& suggestedName)
{
    QDir().mkpath(DownloadFolder);
    return QDir(DownloadFolder).filePath(QFileInfo(suggestedName).fileName());
}

void WebFiles::offerWhenWritten(const QString& path)
{
    QFile::remove(path);
    QTimer::singleShot(0, [path] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return; // cancelled or refused: the writer has said why
        const QByteArray bytes = file.readAll();
        file.close();
        QFile::remove(path);
        QFileDialog::saveFileContent(bytes, QFileInfo(path).fileName());
    });
}

void WebFiles::askOpenFile(const QString& filter, std::function<void(const QString& path)> opened)
{
    QFileDialog::getOpenFileContent(filter, [opened](const QString& name, const QByteArray& content) {
        if (name.isEmpty())
            return;
        QDir().mkpath(UploadFolder);
        const QString path = QDir(UploadFolder).filePath(QFileInfo(name).fileName());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            return;
        file.close();
        opened(path);
    });
}
