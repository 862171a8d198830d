// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotReadout.h"

#include "NumberFormat.h"
#include "RunRecord.h"

#include "Canvas.h"

#include <QCoreApplication>

#include <cmath>

std::optional<PlotReadout::Values> PlotReadout::at(Plot plot, const Canvas& surface, const RunRecord& record, double x,
                                                   double y)
{
    if (record.isEmpty())
        return std::nullopt;
    Values v{};
    v.t = surface.pixelToUserX(x);
    v.ordinate = surface.pixelToUserY(y);
    const double tau = static_cast<double>(record.tau());
    v.seconds = v.t * tau;
    double Y = 0, Vy = 0;
    v.onCurve = record.valuesAt(v.t, Y, Vy);
    if (v.onCurve) {
        v.curve = plot == Plot::Coordinate ? Y : Vy;
        v.curveSI = plot == Plot::Coordinate ? Y * record.Vg() * tau : Vy * record.Vg();
    }
    return v;
}

QString PlotReadout::significant(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    const double magnitude = std::fabs(value);
    if (value != 0 && (magnitude < 1e-4 || magnitude >= 1e7))
        return NumberFormat::format(value, NumberFormat::ReadoutMask, locale);
    // Decimals that leave four significant digits, after rounding.
    int decimals = value == 0 ? 3 : 3 - static_cast<int>(std::floor(std::log10(magnitude)));
    if (value != 0 && std::fabs(std::round(value * std::pow(10.0, decimals))) >= 1e4)
        --decimals;
    if (decimals >= 0)
        return locale.toString(value, 'f', decimals);
    // Whole numbers of more than four digits: rounded to four (123 456 → 123 500).
    const double unit = std::pow(10.0, -decimals);
    return locale.toString(std::round(value / unit) * unit, 'f', 0);
}

QStringList PlotReadout::lines(Plot plot, const Values& v, const QLocale& locale)
{
    const QString ordinateName = plot == Plot::Coordinate ? QStringLiteral("X/(Vg*tau)") : QStringLiteral("Vy/Vg");
    QStringList out = {
        QStringLiteral("t/tau = ") + significant(v.t, locale),
        ordinateName + QStringLiteral(" = ") + significant(v.ordinate, locale),
    };
    if (v.onCurve) {
        out << QCoreApplication::translate("PlotReadout", "кривая: %1 = %2")
                   .arg(ordinateName, significant(v.curve, locale));
        const QString time = QCoreApplication::translate("PlotReadout", "t = %1 с").arg(significant(v.seconds, locale));
        const QString curveSI =
            plot == Plot::Coordinate
                ? QCoreApplication::translate("PlotReadout", "x = %1 м").arg(significant(v.curveSI, locale))
                : QCoreApplication::translate("PlotReadout", "v = %1 м/с")
                      .arg(NumberFormat::format(v.curveSI, NumberFormat::ReadoutMask, locale));
        out << time + QStringLiteral(",  ") + curveSI;
    }
    return out;
}
