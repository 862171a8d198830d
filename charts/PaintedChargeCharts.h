// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeCharts.h"

#include <QCoreApplication>
#include <QRectF>

class QPainter;
class QWidget;

/// The analysis' plots painted by the program itself with QPainter: a
/// histogram of the charges with dashed lines at n·e, and the charges against
/// the drop's number with lines at n·e. The same painting serves the journal's
/// window (where there is no Qt Charts) and any other paint device, a printed
/// page included (vector drawing).
class PaintedChargeCharts : public ChargeCharts {
    Q_DECLARE_TR_FUNCTIONS(PaintedChargeCharts)

public:
    PaintedChargeCharts(QWidget* parent, const QLocale& locale);

    QWidget* widget() override { return m_widget; }
    void show(const Data& data) override;
    bool draw(QPainter& painter, const QRectF& target, int plot) override;

    QWidget* histogram() const { return m_histogram; }
    QWidget* byDrop() const { return m_byDrop; }

    /// The histogram of the charges in `frame` (device units), numbers in `locale`.
    static void paintHistogram(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale);
    /// The charges against the drop's number in `frame`.
    static void paintByDrop(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale);

private:
    QWidget* m_widget;
    QWidget* m_histogram;
    QWidget* m_byDrop;
    std::shared_ptr<Data> m_data;
    QLocale m_locale;
};
