// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargeChartsModule.h"

#include "ProgramModule.h"

#include <cstdio>

QString ChargeChartsModule::fileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("liboildrop-charts.dll");
#else
    return QStringLiteral("liboildrop-charts.so");
#endif
}

ChargeChartsFactory ChargeChartsModule::factory(QStringList moduleFolders)
{
    return
        [folders = std::move(moduleFolders)](QWidget* parent, const QLocale& locale) -> std::unique_ptr<ChargeCharts> {
            QString failure;
            if (const auto create = reinterpret_cast<CreateChargeCharts>(
                    ProgramModule::resolve(folders, fileName(), OILDROP_CHARGE_CHARTS_FACTORY, failure)))
                return std::unique_ptr<ChargeCharts>(create(parent, &locale));
            std::fprintf(stderr, "oildrop: no charts in the journal (%s)\n", qPrintable(failure));
            return nullptr;
        };
}
