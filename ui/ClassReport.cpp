// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassReport.h"

#include "JournalWindow.h"

#include "ClassPool.h"

#include <QDir>
#include <QWidget>

#include <cstdio>
#include <memory>

QString ClassReport::write(const ClassPool& pool, const QString& path, const QLocale& locale,
                           const ChargeChartsFactory& charts)
{
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return pool.writeCsv(path, locale);
    // The histogram of every charge, made for the report alone in a widget never shown.
    QWidget holder;
    std::unique_ptr<ChargeCharts> plots;
    if (charts && !pool.pooledAnalysis().charges.empty())
        plots = charts(&holder, locale);
    if (plots)
        plots->show(JournalWindow::chartData(pool.pooledAnalysis()));
    return pool.writePdf(path, locale, [&plots](QPainter& painter, const QRectF& target) {
        return plots && plots->draw(painter, target, 0);
    });
}

int ClassReport::run(const QString& reportPath, const QStringList& journals, const ChargeChartsFactory& charts)
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
    if (const QString failure = write(pool, reportPath, QLocale(), charts); !failure.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QStringLiteral("%1: %2: %3").arg(program, QDir::toNativeSeparators(reportPath), failure)));
        return 1;
    }
    return 0;
}
