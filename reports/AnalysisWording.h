// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Journal.h"
#include "JournalAnalysis.h"
#include "SlipExtrapolation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

/// The analysis of a journal in words, as the journal's window, the lab
/// report, the group's journals and the command line all give it.
class AnalysisWording {
    Q_DECLARE_TR_FUNCTIONS(AnalysisWording)

public:
    /// The analysis in words: e with its standard and expanded uncertainty,
    /// what it was found from, and its deviation from the exact value.
    static QString analysisText(const JournalAnalysis::Result& result, const QLocale& locale);
    /// The extrapolation to 1/(p·a) = 0 in words: e and b, or what it needs.
    static QString extrapolationText(const SlipExtrapolation::Result& result, const QLocale& locale);
    /// The analysis in words, with the extrapolation when the journal has drops with the slip correction.
    static QString fullAnalysisText(const Journal& journal, const JournalAnalysis::Result& result,
                                    const QLocale& locale);
    /// Why an estimate could not be made, as the analysis says it.
    static QString noEstimateReason(const ElementaryChargeEstimate::Result& estimate);
    /// The lines of one estimate: e, its uncertainties, what it used and its deviation; or why there is none.
    static QStringList estimateLines(const QString& heading, const ElementaryChargeEstimate::Result& e, int count,
                                     int drops, int dropsInFit, const QLocale& locale);
};
