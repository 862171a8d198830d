// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The charts module: the program loads it when the journal is first opened,
// so that Qt Charts (and the OpenGL libraries it brings) is not loaded, nor
// its cost paid, at start-up. Without Qt Charts the program paints the plots.

#ifdef OILDROP_QT_CHARTS
#include "QtChargeCharts.h"
using ModuleChargeCharts = QtChargeCharts;
#else
#include "PaintedChargeCharts.h"
using ModuleChargeCharts = PaintedChargeCharts;
#endif

extern "C" Q_DECL_EXPORT ChargeCharts* oildrop_create_charge_charts(QWidget* parent, const QLocale* locale)
{
    return new ModuleChargeCharts(parent, *locale);
}
