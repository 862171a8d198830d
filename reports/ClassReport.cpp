// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassReport.h"

#include "ClassPool.h"

#include <QDir>

#include <cstdio>

QString ClassReport::write(const ClassPool& pool, const QString& path, const QLocale& locale)
{
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return pool.writeCsv(path, locale);
    return pool.writePdf(path, locale);
}

int ClassReport::run(const QString& reportPath, const QStringList& journals)
{
    const QString program = QCoreApplication::applicationName();
    ClassPool pool;
    for (const QString& path : journals)
        pool.add(path);
    pool.pool();
    for (const ClassPool::Refused& r : pool.refused())
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("%1: %2: %3").arg(program, QDir::toNativeSeparators(r.path), r.reason)));
    if (pool.members().empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(program + QStringLiteral(": ") + tr("ни один журнал не прочитан")));
        return 1;
    }
    if (const QString failure = write(pool, reportPath, QLocale()); !failure.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QStringLiteral("%1: %2: %3").arg(program, QDir::toNativeSeparators(reportPath), failure)));
        return 1;
    }
    return 0;
}
