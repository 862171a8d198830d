// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SlipExtrapolation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRectF>

class QPainter;

/// The extrapolation of the apparent e to 1/(p·a) = 0, painted on any paint
/// device: each drop's e^(2/3) against 1/(p·a) with its standard
/// uncertainty, the fitted line drawn on to the axis and its intercept.
class ExtrapolationPlot {
    Q_DECLARE_TR_FUNCTIONS(ExtrapolationPlot)

public:
    static void paint(QPainter& painter, const QRectF& frame, const SlipExtrapolation::Result& result,
                      const QLocale& locale);
    static QString title();
};
