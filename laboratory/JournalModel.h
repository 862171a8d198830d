// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Journal.h"
#include "JournalAnalysis.h"

#include <QAbstractTableModel>
#include <QLocale>

/// The laboratory journal as a table, one row per measurement: drop, field,
/// charge state (the irradiations before it), voltage, distance in bands and
/// in metres, time, velocity, the charge computed from it, where it came
/// from and, for a struck-out row, why. Every change of the
/// journal goes through here: the analysis is brought up to date and
/// changed() is emitted (the journal saves itself on it).
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Drop,
        Field,
        ChargeState,
        Voltage,
        Bands,
        Distance,
        Time,
        Velocity,
        Charge,
        Source,
        Note,
        ColumnCount
    };

    /// Standard uncertainty given to a time typed in by hand, s.
    static constexpr double HandTimeUncertainty = 0.2;

    explicit JournalModel(const QLocale& locale = QLocale(), QObject* parent = nullptr);

    const Journal& journal() const { return m_journal; }
    const JournalAnalysis::Result& analysis() const { return m_analysis; }
    const QLocale& locale() const { return m_locale; }

    /// Replaces the whole journal (opened from a file, or a new one).
    void setJournal(Journal journal);
    void setSeed(std::uint64_t seed, bool fixed);
    /// Who measured: the student's name and group, trimmed.
    void setStudent(const QString& student, const QString& group);
    /// The teacher's task the journal is measured for (none: no task).
    void setTask(const std::optional<JournalTask>& task);
    void addDrop(const JournalDrop& drop);
    void addEntries(const std::vector<JournalEntry>& entries);
    /// A row for a timing typed in by hand, for `drop` without field (over
    /// the drop's distance, when it has one of its own); returns its row.
    int addHandEntry(int drop);
    /// The droplet of `drop` touched a plate while it was held.
    void markLost(int drop);
    /// Drop `drop` reached charge state `state` by an irradiation with the field on.
    void markIrradiatedInField(int drop, int state);
    /// A change of drop `drop`'s course (kept with the drop, not shown).
    void addEvent(int drop, const DropEvent& event);
    /// Drop `drop` started with `charge`, not the charge its seed draws.
    void setStartCharge(int drop, int charge);
    /// Strikes a row out (it stays, with the reason, but takes no part), or restores it.
    void strikeOut(int row, const QString& reason);
    void restore(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Edits a cell with the text typed (the locale's or a point as decimal
    /// separator); an empty text clears a value. False for a text that is not a
    /// value of the column.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// The text of a cell, as shown.
    QString text(int row, Column column) const;
    static QString sourceName(JournalEntry::Source source);

signals:
    /// The journal changed (an edit, a new row, a new journal).
    void changed();

private:
    std::optional<double> parse(const QString& text, bool& ok) const;
    /// `e` with the cell of `column` edited to `text`; false for a text that
    /// is not a value of the column.
    bool edit(JournalEntry& e, Column column, const QString& text) const;
    bool editBands(JournalEntry& e, const QString& text) const;
    bool editDrop(JournalEntry& e, const QString& text) const;
    bool editVoltage(JournalEntry& e, const QString& text) const;
    bool editTime(JournalEntry& e, const QString& text) const;
    bool editVelocity(JournalEntry& e, const QString& text) const;
    void update(int firstRow, int lastRow);

    QLocale m_locale;
    Journal m_journal;
    JournalAnalysis::Result m_analysis;
};
