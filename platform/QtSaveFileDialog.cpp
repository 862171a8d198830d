// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtSaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WASM
#include "WebFiles.h"
#endif

QString QtSaveFileDialog::askSaveFileName(const QString& title, const QString& suggestedName, const QString& filter,
                                          const QString& suffix)
{
#ifdef Q_OS_WASM
    // The browser asks where a download goes (or puts it in its folder of downloads).
    Q_UNUSED(title)
    Q_UNUSED(filter)
    QString name = suggestedName;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + suffix;
    const QString path = WebFiles::downloadPath(name);
    WebFiles::offerWhenWritten(path);
    return path;
#else
    QString folder = m_folder;
    if (folder.isEmpty()) {
        const auto where =
            suffix == QLatin1String("png") ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation;
        folder = QStandardPaths::writableLocation(where);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
    }
    QFileDialog dialog(m_parent, title, QDir(folder).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    return path;
#endif
}
