// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QRectF;

/// A group's journals put together for the teacher: a row per journal read
/// (who measured, the drops measured, the charges its estimate used, its e
/// with the expanded uncertainty and the deviation, or why it has none), the
/// charges of all of them, and e from all charges together — the journal's
/// own estimate over one journal holding every drop of every file, each drop
/// keeping its free fall's error shared by its own charges. A journal with
/// the same measurements as an earlier one (a copy under another name) is
/// named as such and kept out of the pool: its charges would count twice. A
/// file that is refused (damaged, cut off, foreign, later) is listed with the
/// reason and keeps none of the others out: the reader is the journal's own,
/// for files of many hands.
class ClassPool {
    Q_DECLARE_TR_FUNCTIONS(ClassPool)

public:
    struct Member {
        QString path;
        QString student;
        QString group;
        int drops = 0;       ///< drops measured (started ones without a measurement are not counted)
        int chargesUsed = 0; ///< charges the journal's estimate of e used
        ElementaryChargeEstimate::Result estimate;
        /// A copy: the same measurements (the same timings of the same
        /// drops, whoever is named) as the journal of this index, the first
        /// by the files' order; a copy is kept out of the pooled e.
        std::optional<std::size_t> copyOf;
    };
    struct Refused {
        QString path;
        QString reason;
    };
    /// Reads the journal at `path` (refused with the reason when it cannot be).
    void add(const QString& path);
    /// The journal in `bytes`, read from `path`.
    void add(const QString& path, const QByteArray& bytes);
    /// Pools what has been added: call once after the last `add`.
    void pool();

    const std::vector<Member>& members() const { return m_members; }
    /// The journals pooled: those that are no copy of another.
    int pooledMembers() const;
    /// «b.json» (student): the same measurements as «a.json» (student) — for a copy.
    QString copyText(const Member& copy) const;
    const std::vector<Refused>& refused() const { return m_refused; }
    /// Every journal pooled in one (its drops renumbered in the order of the files).
    const Journal& pooledJournal() const { return m_pooled; }
    const JournalAnalysis::Result& pooledAnalysis() const { return m_analysis; }

    /// The table as CSV: the locale's decimal mark, ';' between fields with a
    /// decimal comma, ',' with a point, UTF-8 (as the journal's table).
    QByteArray csv(const QLocale& locale) const;
    /// The class report's text, as HTML.
    QString html(const QLocale& locale) const;
    /// Writes the class report (the table, the pooled e, the refused files,
    /// the histogram) as PDF, whole or not at all: why it failed, else empty.
    QString writePdf(const QString& path, const QLocale& locale) const;
    /// Writes the table as CSV, whole or not at all.
    QString writeCsv(const QString& path, const QLocale& locale) const;

    /// e with its expanded uncertainty and the deviation, in words; a dash without an estimate.
    static QString estimateText(const ElementaryChargeEstimate::Result& e, const QLocale& locale);
    /// Why a journal has no estimate, as the analysis says it; empty with one.
    static QString noEstimateText(const ElementaryChargeEstimate::Result& e);
    static QString deviationText(const ElementaryChargeEstimate::Result& e, const QLocale& locale);

private:
    std::vector<Member> m_members;
    std::vector<Refused> m_refused;
    std::vector<Journal> m_journals;
    std::vector<QByteArray> m_measurements; ///< each member's measurements, to find the copies by
    Journal m_pooled;
    JournalAnalysis::Result m_analysis;
};
