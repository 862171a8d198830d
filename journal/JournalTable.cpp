// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalTable.h"

#include "JournalModel.h"
#include "RunTable.h"

#include <QStringList>

QByteArray JournalTable::field(const QString& text, char separator)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(separator) || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QByteArray JournalTable::csv(const JournalModel& model, const QLocale& locale)
{
    const bool decimalComma = locale.decimalPoint() == QStringLiteral(",");
    const char point = decimalComma ? ',' : '.';
    const char separator = decimalComma ? ';' : ',';
    const auto number = [point](const std::optional<double>& v) {
        return v ? RunTable::number(*v, point) : QByteArray();
    };

    const QStringList header = {tr("капля"),          tr("поле"),       tr("облучений"), tr("напряжение (В)"),
                                tr("путь (дел.)"),    tr("путь (м)"),   tr("время (с)"), tr("неопределённость"),
                                tr("скорость (м/с)"), tr("заряд (Кл)"), tr("источник"),  tr("удалено"),
                                tr("причина")};
    QByteArray out;
    for (qsizetype i = 0; i < header.size(); ++i)
        out += (i ? QByteArray(1, separator) : QByteArray()) + field(header[i], separator);
    out += '\n';

    const Journal& journal = model.journal();
    for (std::size_t row = 0; row < journal.entries.size(); ++row) {
        const JournalEntry& e = journal.entries[row];
        const QList<QByteArray> fields = {
            QByteArray::number(e.drop),
            field(FieldStates::name(e.field), separator),
            QByteArray::number(e.chargeState),
            number(journal.voltageOf(e)),
            number(e.bands),
            number(e.distance),
            number(e.time),
            e.time || e.isBalance() ? RunTable::number(e.uncertainty, point) : QByteArray(),
            number(e.measuredVelocity()),
            number(model.analysis().entryCharges[row]),
            field(JournalModel::sourceName(e.source), separator),
            e.deleted ? field(tr("да"), separator) : QByteArray(),
            e.deleted ? field(e.reason, separator) : QByteArray(),
        };
        out += fields.join(separator) + '\n';
    }
    return out;
}
