// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The charts module: the program loads it when the journal is first opened,
// so that Qt Charts (and the OpenGL libraries it brings) is not loaded, nor
// its cost paid, at start-up.

#include "QtChargeCharts.h"

extern "C" Q_DECL_EXPORT ChargeCharts* oildrop_create_charge_charts(QWidget* parent, const QLocale* locale)
{
    return new QtChargeCharts(parent, *locale);
}
