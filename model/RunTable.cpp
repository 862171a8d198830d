// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunTable.h"

#include "CharConversion.h"

#include "RunRecord.h"

#include <QCoreApplication>
#include <QStringList>

QByteArray RunTable::number(double value, char decimalPoint)
{
    const std::string shortest = CharConversion::shortest(value);
    QByteArray text(shortest.data(), static_cast<qsizetype>(shortest.size()));
    if (decimalPoint != '.')
        text.replace('.', decimalPoint);
    return text;
}

QByteArray RunTable::csv(const RunRecord& record, const QLocale& locale)
{
    const bool decimalComma = locale.decimalPoint() == QStringLiteral(",");
    const char point = decimalComma ? ',' : '.';
    const char separator = decimalComma ? ';' : ',';

    const QStringList header = {
        QCoreApplication::translate("RunTable", "шаг"),
        QStringLiteral("t/tau"),
        QStringLiteral("X/(Vg*tau)"),
        QStringLiteral("Vy/Vg"),
        QCoreApplication::translate("RunTable", "t (с)"),
        QCoreApplication::translate("RunTable", "x (м)"),
        QCoreApplication::translate("RunTable", "v (м/с)"),
    };
    QByteArray out = header.join(QLatin1Char(separator)).toUtf8() + '\n';

    const double tau = static_cast<double>(record.tau());
    const double Vg = record.Vg();
    for (const RunRecord::Point& p : record.points()) {
        const double Vy = static_cast<double>(p.Vy);
        const double fields[] = {p.t, p.Y, Vy, p.t * tau, p.Y * Vg * tau, Vy * Vg};
        out += QByteArray::number(p.step);
        for (const double field : fields)
            out += separator + number(field, point);
        out += '\n';
    }
    return out;
}
