// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalCheck.h"

#include "JournalFile.h"
#include "JournalFlags.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <variant>

int JournalCheck::run(const QString& journalPath, std::FILE* out, std::FILE* err)
{
    const auto refuse = [err, &journalPath](const QString& reason) {
        std::fprintf(err, "%s\n",
                     QStringLiteral("%1: %2: %3")
                         .arg(QCoreApplication::applicationName(), QDir::toNativeSeparators(journalPath), reason)
                         .toLocal8Bit()
                         .constData());
        return 1;
    };
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const auto read = JournalFile::read(file.read(JournalFile::MaxSize + 1));
    if (const QString* reason = std::get_if<QString>(&read))
        return refuse(*reason);
    const Journal& journal = std::get<Journal>(read);
    for (const JournalFlags::Flag& flag : JournalFlags::check(journal, JournalAnalysis::analyse(journal)))
        std::fprintf(out, "%s\n", JournalFlags::line(flag).toLocal8Bit().constData());
    return 0;
}
