// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargeChartsModule.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

#include <cstdio>

QString ChargeChartsModule::fileName()
{
    return QStringLiteral("liboildrop-charts.so");
}

ChargeChartsFactory ChargeChartsModule::factory(QStringList moduleFolders)
{
    return
        [folders = std::move(moduleFolders)](QWidget* parent, const QLocale& locale) -> std::unique_ptr<ChargeCharts> {
            // The module stays loaded for the rest of the program once it is found.
            QString failure = QStringLiteral("the charts module %1 was not found").arg(fileName());
            for (const QString& folder : folders) {
                const QString path = QDir(folder).filePath(fileName());
                if (!QFile::exists(path))
                    continue;
                QLibrary module(path);
                const auto create = reinterpret_cast<CreateChargeCharts>(module.resolve(OILDROP_CHARGE_CHARTS_FACTORY));
                if (create)
                    return std::unique_ptr<ChargeCharts>(create(parent, &locale));
                failure = module.errorString();
            }
            std::fprintf(stderr, "oildrop: no charts in the journal (%s)\n", qPrintable(failure));
            return nullptr;
        };
}
