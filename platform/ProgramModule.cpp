// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramModule.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

void* ProgramModule::resolve(const QStringList& folders, const QString& fileName, const char* symbol, QString& failure)
{
    failure = QStringLiteral("the module %1 was not found").arg(fileName);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFile::exists(path))
            continue;
        QLibrary module(path);
        if (QFunctionPointer function = module.resolve(symbol))
            return reinterpret_cast<void*>(function);
        failure = module.errorString();
    }
    return nullptr;
}
