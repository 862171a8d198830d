// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalFlags.h"

#include <QAbstractTableModel>

#include <vector>

class JournalModel;

/// The journal by drop, charge state and field: how many measurements, the
/// mean velocity and the mean charge, each ± its standard deviation, and the
/// mistakes of the drop's state (JournalFlags), in its first row.
class DropSummaryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Drop, Field, ChargeState, Count, Velocity, Charge, Flags, ColumnCount };

    explicit DropSummaryModel(const JournalModel& journal, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    /// The flags of the state of row `row`, if it is the state's first row.
    std::vector<JournalFlags::Flag> flagsOf(int row) const;
    void reset();

    const JournalModel& m_journal;
    std::vector<JournalFlags::Flag> m_flags;
};
