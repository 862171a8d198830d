// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropSummaryModel.h"

#include "JournalModel.h"
#include "NumberFormat.h"

#include "ChargeUnits.h"

DropSummaryModel::DropSummaryModel(const JournalModel& journal, QObject* parent)
    : QAbstractTableModel(parent), m_journal(journal)
{
    // The groups change with any change of the journal: shown anew.
    connect(&journal, &JournalModel::changed, this, &DropSummaryModel::reset);
    connect(&journal, &QAbstractItemModel::modelReset, this, &DropSummaryModel::reset);
    m_flags = JournalFlags::check(journal.journal(), journal.analysis());
}

void DropSummaryModel::reset()
{
    beginResetModel();
    m_flags = JournalFlags::check(m_journal.journal(), m_journal.analysis());
    endResetModel();
}

std::vector<JournalFlags::Flag> DropSummaryModel::flagsOf(int row) const
{
    const auto& groups = m_journal.analysis().groups;
    const JournalAnalysis::Group& g = groups[static_cast<std::size_t>(row)];
    if (row > 0) {
        const JournalAnalysis::Group& before = groups[static_cast<std::size_t>(row - 1)];
        if (before.drop == g.drop && before.chargeState == g.chargeState)
            return {};
    }
    std::vector<JournalFlags::Flag> mine;
    for (const JournalFlags::Flag& f : m_flags)
        if (f.drop == g.drop && f.chargeState == g.chargeState)
            mine.push_back(f);
    return mine;
}

int DropSummaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_journal.analysis().groups.size());
}

int DropSummaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DropSummaryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Field || index.column() == Flags ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() == Flags && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        QStringList texts;
        for (const JournalFlags::Flag& f : flagsOf(index.row()))
            texts << (role == Qt::DisplayRole ? JournalFlags::title(f.code)
                                              : JournalFlags::title(f.code) + QStringLiteral(": ") + f.text);
        return texts.join(role == Qt::DisplayRole ? QStringLiteral("; ") : QStringLiteral("\n"));
    }
    if (role != Qt::DisplayRole)
        return {};
    const JournalAnalysis::Group& g = m_journal.analysis().groups[static_cast<std::size_t>(index.row())];
    const QLocale& locale = m_journal.locale();
    const auto plusMinus = [](const QString& mean, const QString& sd) {
        return sd.isEmpty() ? mean : tr("%1 ± %2").arg(mean, sd);
    };
    switch (index.column()) {
    case Drop: {
        const JournalDrop* drop = m_journal.journal().drop(g.drop);
        return drop && drop->lost ? tr("%1 (потеряна)").arg(g.drop) : QString::number(g.drop);
    }
    case Field: return FieldStates::name(g.field);
    case ChargeState: return QString::number(g.chargeState);
    case Count:
        return g.balances > 0 ? tr("%1 + равновесий: %2").arg(g.count).arg(g.balances) : QString::number(g.count);
    case Velocity:
        if (g.count == 0)
            return QString();
        return plusMinus(NumberFormat::format(g.velocityMean, NumberFormat::ReadoutMask, locale),
                         g.velocitySd ? NumberFormat::format(*g.velocitySd, NumberFormat::ReadoutMask, locale)
                                      : QString());
    case Charge:
        if (!g.chargeMean)
            return QString();
        return plusMinus(locale.toString(*g.chargeMean / ChargeUnits::ChargeUnit, 'f', 3),
                         g.chargeSd ? locale.toString(*g.chargeSd / ChargeUnits::ChargeUnit, 'f', 3) : QString());
    default: return {};
    }
}

QVariant DropSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case Drop: return tr("Капля");
    case Field: return tr("Поле");
    case ChargeState: return tr("Облучений");
    case Count: return tr("Измерений");
    case Velocity: return tr("Скорость, м/с (среднее ± ст. откл.)");
    case Charge: return tr("Заряд, 10⁻¹⁹ Кл (среднее ± ст. откл.)");
    case Flags: return tr("Замечания");
    default: return {};
    }
}
