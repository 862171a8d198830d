// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QRectF;
class QWidget;

/// The two plots of the journal's analysis: a histogram of the drops'
/// charges, and the charges against the drop's number with lines at n·e. Its
/// implementation (Qt Charts) lives in a module of its own, loaded when the
/// journal is first opened.
class ChargeCharts {
public:
    /// What to plot; charges in units of 10⁻¹⁹ C.
    struct Data {
        struct Charge {
            int drop;
            double q;
        };
        std::vector<Charge> charges;
        std::optional<double> e; ///< the estimate, when there is one
    };

    virtual ~ChargeCharts() = default;
    /// The widget that shows both plots.
    virtual QWidget* widget() = 0;
    virtual void show(const Data& data) = 0;
    /// Draws the histogram (0) or the charges by drop (1) of the data shown
    /// into `target` of a page, as vector graphics; false when it cannot.
    virtual bool draw(QPainter&, const QRectF&, int) { return false; }
};

/// Makes the plots inside `parent`, with numbers in `locale`.
using ChargeChartsFactory = std::function<std::unique_ptr<ChargeCharts>(QWidget* parent, const QLocale& locale)>;

/// The name of the factory function that the module exports.
#define OILDROP_CHARGE_CHARTS_FACTORY "oildrop_create_charge_charts"
extern "C" {
using CreateChargeCharts = ChargeCharts* (*)(QWidget* parent, const QLocale* locale);
}
