// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExtrapolationChart.h"

#include "ExtrapolationPlot.h"

#include <QPainter>

ExtrapolationChart::ExtrapolationChart(const QLocale& locale, QWidget* parent) : QWidget(parent), m_locale(locale)
{
    setMinimumSize(300, 240);
    setAccessibleName(ExtrapolationPlot::title());
}

void ExtrapolationChart::show(const SlipExtrapolation::Result& result)
{
    m_result = result;
    update();
}

void ExtrapolationChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, rect());
}

void ExtrapolationChart::paint(QPainter& painter, const QRectF& area) const
{
    ExtrapolationPlot::paint(painter, area, m_result, m_locale);
}
