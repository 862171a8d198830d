// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeCharts.h"

#include <QCoreApplication>

class QChart;
class QChartView;
class QWidget;

/// The analysis' plots drawn with Qt Charts.
class QtChargeCharts : public ChargeCharts {
    Q_DECLARE_TR_FUNCTIONS(QtChargeCharts)

public:
    QtChargeCharts(QWidget* parent, const QLocale& locale);

    QWidget* widget() override { return m_widget; }
    void show(const Data& data) override;
    bool draw(QPainter& painter, const QRectF& target, int plot) override;

    QChartView* histogram() const { return m_histogram; }
    QChartView* byDrop() const { return m_byDrop; }

private:
    void showHistogram(const Data& data);
    void showByDrop(const Data& data);

    QWidget* m_widget;
    QChartView* m_histogram;
    QChartView* m_byDrop;
};
