// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;

/// The analysis' two plots, painted on any paint device (the journal's
/// window, a report's page): a histogram of the charges with dashed lines at
/// n·e, and the charges against the drop's number with lines at n·e.
class ChargePlots {
    Q_DECLARE_TR_FUNCTIONS(ChargePlots)

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
    /// The charges of an analysis by their size (the lines are at n·e), and its estimate by the charges.
    static Data dataOf(const JournalAnalysis::Result& analysis);

    /// The range of a charge axis: from 0, or with room below a negative
    /// charge (one timed the wrong way is shown rather than lost off the
    /// chart), to room above the largest.
    struct Range {
        double from;
        double to;
    };
    static Range chargeRange(const Data& data);

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
    static Histogram histogramOf(const Data& data);

    /// The histogram of the charges in `frame` (device units), numbers in `locale`.
    static void paintHistogram(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale);
    /// The charges against the drop's number in `frame`.
    static void paintByDrop(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale);

    /// The plots' titles, which name them to screen readers too.
    static QString histogramTitle();
    static QString byDropTitle();
};
