// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeCharts.h"

#include <QStringList>

/// Finds the charts module (liboildrop-charts.so) in the program's module
/// folders and makes the analysis' plots with it; loaded on first use.
class ChargeChartsModule {
public:
    static QString fileName();
    /// A factory that loads the module on its first call and makes nothing
    /// (the journal then shows no plots) when there is no module.
    static ChargeChartsFactory factory(QStringList moduleFolders);
};
