// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include <algorithm>
#include <cmath>

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

    /// The range of a charge axis: from 0, or with room below a negative
    /// charge (one timed the wrong way is shown rather than lost off the
    /// chart), to room above the largest.
    struct Range {
        double from;
        double to;
    };
    static Range chargeRange(const Data& data)
    {
        double largest = 0, smallest = 0;
        for (const Data::Charge& c : data.charges) {
            largest = std::max(largest, c.q);
            smallest = std::min(smallest, c.q);
        }
        return {smallest < 0 ? smallest * 1.1 : 0, largest > 0 ? largest * 1.1 : 1};
    }

    /// The histogram of the charges: bins of a fifth of e, so that each
    /// multiple stands apart; without an estimate about √N bins over the
    /// range. Bin edges at whole widths from 0.
    struct Histogram {
        double start;            ///< left edge of the first bin
        double width;            ///< of a bin
        double to;               ///< right end of the axis
        std::vector<int> counts; ///< charges in each bin
        int highest;             ///< the largest count, at least 1
    };
    static Histogram histogramOf(const Data& data)
    {
        const Range range = chargeRange(data);
        Histogram h{};
        h.to = range.to;
        h.width = data.e && *data.e > 0
                      ? *data.e / 5
                      : (range.to - range.from)
                            / std::max(5.0, std::ceil(std::sqrt(static_cast<double>(data.charges.size()))));
        h.start = std::floor(range.from / h.width) * h.width;
        const int bins = std::max(1, static_cast<int>(std::ceil((h.to - h.start) / h.width)));
        h.counts.assign(static_cast<std::size_t>(bins), 0);
        for (const Data::Charge& c : data.charges)
            ++h.counts[static_cast<std::size_t>(std::clamp(static_cast<int>((c.q - h.start) / h.width), 0, bins - 1))];
        h.highest = std::max(1, *std::max_element(h.counts.begin(), h.counts.end()));
        return h;
    }

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
