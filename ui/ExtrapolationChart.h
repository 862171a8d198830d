// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SlipExtrapolation.h"

#include <QLocale>
#include <QWidget>

class QPainter;

/// The extrapolation to 1/(p·a) = 0: each drop's apparent e^(2/3) with its
/// error bar against 1/(p·a), the fitted line drawn on to the axis, and its
/// intercept marked. Drawn with QPainter, so that it paints as crisply onto
/// a printer or an image as onto the screen.
class ExtrapolationChart : public QWidget {
    Q_OBJECT

public:
    ExtrapolationChart(const QLocale& locale, QWidget* parent = nullptr);

    void show(const SlipExtrapolation::Result& result);
    const SlipExtrapolation::Result& shown() const { return m_result; }
    /// Paints the chart into `area` of `painter`'s device.
    void paint(QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLocale m_locale;
    SlipExtrapolation::Result m_result;
};
