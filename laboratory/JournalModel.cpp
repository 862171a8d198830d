// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalModel.h"

#include "ChargeUnits.h"
#include "FieldState.h"
#include "NumberFormat.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <cmath>

JournalModel::JournalModel(const QLocale& locale, QObject* parent) : QAbstractTableModel(parent), m_locale(locale)
{
    m_analysis = JournalAnalysis::analyse(m_journal);
}

void JournalModel::setJournal(Journal journal)
{
    beginResetModel();
    m_journal = std::move(journal);
    m_analysis = JournalAnalysis::analyse(m_journal);
    endResetModel();
    emit changed();
}

void JournalModel::setSeed(std::uint64_t seed, bool fixed)
{
    m_journal.seed = seed;
    m_journal.seedFixed = fixed;
    emit changed();
}

void JournalModel::setStudent(const QString& student, const QString& group)
{
    if (student.trimmed() == m_journal.student && group.trimmed() == m_journal.group)
        return;
    m_journal.student = student.trimmed();
    m_journal.group = group.trimmed();
    emit changed();
}

void JournalModel::setTask(const std::optional<JournalTask>& task)
{
    if (task == m_journal.task)
        return;
    m_journal.task = task;
    emit changed();
}

void JournalModel::addDrop(const JournalDrop& drop)
{
    m_journal.drops.push_back(drop);
    emit changed();
}

void JournalModel::addEntries(const std::vector<JournalEntry>& entries)
{
    if (entries.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    m_journal.entries.insert(m_journal.entries.end(), entries.begin(), entries.end());
    m_analysis = JournalAnalysis::analyse(m_journal);
    endInsertRows();
    update(0, first - 1);
}

int JournalModel::addHandEntry(int drop)
{
    JournalEntry e;
    e.drop = drop;
    e.source = JournalEntry::Source::Hand;
    e.uncertainty = HandTimeUncertainty;
    // A drop of a real apparatus is timed over its own distance.
    if (const JournalDrop* d = m_journal.drop(drop))
        e.distance = d->fallDistance;
    addEntries({e});
    return rowCount() - 1;
}

void JournalModel::markLost(int drop)
{
    for (JournalDrop& d : m_journal.drops)
        if (d.number == drop && !d.lost) {
            d.lost = true;
            emit changed();
        }
}

void JournalModel::markIrradiatedInField(int drop, int state)
{
    for (JournalDrop& d : m_journal.drops)
        if (d.number == drop) {
            d.irradiatedInField.push_back(state);
            emit changed();
        }
}

void JournalModel::addEvent(int drop, const DropEvent& event)
{
    // Kept quietly: the journal's table and analysis do not change.
    for (JournalDrop& d : m_journal.drops)
        if (d.number == drop)
            d.events.push_back(event);
}

void JournalModel::setStartCharge(int drop, int charge)
{
    for (JournalDrop& d : m_journal.drops)
        if (d.number == drop)
            d.startCharge = charge;
}

void JournalModel::strikeOut(int row, const QString& reason)
{
    if (row < 0 || row >= rowCount())
        return;
    m_journal.entries[static_cast<std::size_t>(row)].deleted = true;
    m_journal.entries[static_cast<std::size_t>(row)].reason = reason;
    m_analysis = JournalAnalysis::analyse(m_journal);
    update(0, rowCount() - 1);
}

void JournalModel::restore(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_journal.entries[static_cast<std::size_t>(row)].deleted = false;
    m_analysis = JournalAnalysis::analyse(m_journal);
    update(0, rowCount() - 1);
}

void JournalModel::update(int firstRow, int lastRow)
{
    // A row's edit may move the free fall, and so the charges, of its whole drop.
    if (lastRow >= firstRow)
        emit dataChanged(index(firstRow, 0), index(lastRow, ColumnCount - 1));
    emit changed();
}

int JournalModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_journal.entries.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JournalModel::sourceName(JournalEntry::Source source)
{
    switch (source) {
    case JournalEntry::Source::Stopwatch: return tr("секундомер");
    case JournalEntry::Source::Plot: return tr("график");
    case JournalEntry::Source::Hand: return tr("вручную");
    case JournalEntry::Source::Balance: return tr("равновесие");
    }
    return {};
}

QString JournalModel::text(int row, Column column) const
{
    const JournalEntry& e = m_journal.entries[static_cast<std::size_t>(row)];
    const auto number = [this](const std::optional<double>& v, int decimals) {
        return v ? m_locale.toString(*v, 'f', decimals) : QString();
    };
    const auto scientific = [this](const std::optional<double>& v) {
        return v ? NumberFormat::format(*v, NumberFormat::ReadoutMask, m_locale) : QString();
    };
    switch (column) {
    case Drop: return QString::number(e.drop);
    case Field: return FieldStates::name(e.field);
    case ChargeState: return QString::number(e.chargeState);
    case Voltage: return number(m_journal.voltageOf(e), 1);
    case Bands: return e.bands ? m_locale.toString(*e.bands, 'g', 6) : QString();
    case Distance: return scientific(e.distance);
    case Time: return number(e.time, 2);
    case Velocity: return scientific(e.measuredVelocity());
    case Charge: {
        const std::optional<double>& q = m_analysis.entryCharges[static_cast<std::size_t>(row)];
        return q ? m_locale.toString(*q / ChargeUnits::ChargeUnit, 'f', 3) : QString();
    }
    case Source: return sourceName(e.source);
    case Note: return e.deleted ? tr("удалено: %1").arg(e.reason) : QString();
    case ColumnCount: break;
    }
    return {};
}

QVariant JournalModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const JournalEntry& e = m_journal.entries[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<Column>(index.column());
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), column);
    case Qt::EditRole:
        if (column == Note)
            return e.reason;
        return text(index.row(), column);
    case Qt::TextAlignmentRole:
        if (column == Field || column == Source || column == Note)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (e.deleted)
            return QBrush(QColor(128, 128, 128));
        return {};
    case Qt::FontRole:
        if (e.deleted && column != Note) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return {};
    case Qt::ToolTipRole:
        if (column == Time && e.time)
            return tr("Неопределённость времени ±%1 с").arg(m_locale.toString(e.uncertainty, 'f', 2));
        if (column == Voltage && e.isBalance())
            return tr("Напряжение равновесия ±%1 В").arg(m_locale.toString(e.uncertainty, 'f', 1));
        if (column == Voltage && !e.voltage)
            return tr("Напряжение капли при пуске");
        if (column == Charge && !m_analysis.entryCharges[static_cast<std::size_t>(index.row())]
            && e.field != FieldState::Off && !e.deleted)
            return tr("Для заряда нужна скорость этой капли без поля");
        return {};
    default: return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Drop: return tr("Капля");
    case Field: return tr("Поле");
    case ChargeState: return tr("Облучений");
    case Voltage: return tr("Напряжение, В");
    case Bands: return tr("Путь, дел.");
    case Distance: return tr("Путь, м");
    case Time: return tr("Время, с");
    case Velocity: return tr("Скорость, м/с");
    case Charge: return tr("Заряд, 10⁻¹⁹ Кл");
    case Source: return tr("Источник");
    case Note: return tr("Примечание");
    default: return {};
    }
}

Qt::ItemFlags JournalModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const JournalEntry& e = m_journal.entries[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case Charge:
    case Source: return base;
    case Note: return e.deleted ? base | Qt::ItemIsEditable : base;
    case Bands:
    case Distance:
    case Time:
    case Velocity: return e.isBalance() ? base : base | Qt::ItemIsEditable;
    default: return base | Qt::ItemIsEditable;
    }
}

std::optional<double> JournalModel::parse(const QString& text, bool& ok) const
{
    const QString t = text.trimmed();
    ok = true;
    if (t.isEmpty())
        return std::nullopt;
    double value = m_locale.toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(QString(t).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    ok = ok && std::isfinite(value);
    return value;
}

bool JournalModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    JournalEntry e = m_journal.entries[static_cast<std::size_t>(index.row())];
    if (!edit(e, static_cast<Column>(index.column()), value.toString()))
        return false;
    m_journal.entries[static_cast<std::size_t>(index.row())] = std::move(e);
    m_analysis = JournalAnalysis::analyse(m_journal);
    update(0, rowCount() - 1);
    return true;
}

bool JournalModel::edit(JournalEntry& e, Column column, const QString& text) const
{
    bool ok = true;
    switch (column) {
    case Drop: return editDrop(e, text);
    case Field: {
        const qsizetype i = FieldStates::names().indexOf(text.trimmed());
        // A balance is a field's: it cannot be without one.
        if (i < 0 || (e.isBalance() && FieldStates::All[i] == FieldState::Off))
            return false;
        e.field = FieldStates::All[i];
        return true;
    }
    case ChargeState: {
        const int state = text.trimmed().toInt(&ok);
        if (!ok || state < 0)
            return false;
        e.chargeState = state;
        return true;
    }
    case Voltage: return editVoltage(e, text);
    case Bands: return editBands(e, text);
    case Distance: {
        const std::optional<double> distance = parse(text, ok);
        if (!ok)
            return false;
        e.distance = distance;
        e.bands.reset();
        if (distance)
            e.velocity.reset();
        return true;
    }
    case Time: return editTime(e, text);
    case Velocity: return editVelocity(e, text);
    case Note: e.reason = text; return true;
    default: return false;
    }
}

bool JournalModel::editDrop(JournalEntry& e, const QString& text) const
{
    bool ok = true;
    const int drop = text.trimmed().toInt(&ok);
    if (!ok || !m_journal.drop(drop))
        return false;
    e.drop = drop;
    if (e.bands)
        e.distance = m_journal.distanceOf(e);
    return true;
}

bool JournalModel::editVoltage(JournalEntry& e, const QString& text) const
{
    // Empty: the drop's voltage at its start; a balance needs its own.
    bool ok = true;
    const std::optional<double> voltage = parse(text, ok);
    if (!ok || (voltage && *voltage == 0) || (!voltage && e.isBalance()))
        return false;
    if (e.isBalance() && e.voltage && *e.voltage != 0)
        e.uncertainty *= std::fabs(*voltage / *e.voltage);
    e.voltage = voltage;
    return true;
}

bool JournalModel::editBands(JournalEntry& e, const QString& text) const
{
    bool ok = true;
    const std::optional<double> bands = parse(text, ok);
    if (!ok)
        return false;
    e.bands = bands;
    // The drop's reticle gives the distance.
    e.distance = m_journal.distanceOf(e);
    if (bands)
        e.velocity.reset();
    return true;
}

bool JournalModel::editTime(JournalEntry& e, const QString& text) const
{
    bool ok = true;
    const std::optional<double> time = parse(text, ok);
    if (!ok || (time && !(*time > 0)))
        return false;
    e.time = time;
    if (time) {
        e.velocity.reset();
        if (e.source != JournalEntry::Source::Stopwatch)
            e.uncertainty = HandTimeUncertainty;
    }
    return true;
}

bool JournalModel::editVelocity(JournalEntry& e, const QString& text) const
{
    // A velocity typed in replaces the timing it came from.
    bool ok = true;
    const std::optional<double> velocity = parse(text, ok);
    if (!ok)
        return false;
    e.velocity = velocity;
    e.distance.reset();
    e.bands.reset();
    e.time.reset();
    e.source = JournalEntry::Source::Hand;
    e.uncertainty = velocity ? std::fabs(*velocity) * 0.01 : 0;
    return true;
}
