// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnalysisWording.h"

#include "ChargeUnits.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

/// A value and its uncertainty in units of 10⁻¹⁹ C, the uncertainty to two
/// significant digits and the value to the same decimals.
int decimalsFor(double uncertainty)
{
    if (!(uncertainty > 0) || !std::isfinite(uncertainty))
        return 4;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(uncertainty))), 0, 8);
}

} // namespace

QString AnalysisWording::noEstimateReason(const ElementaryChargeEstimate::Result& e)
{
    using Verdict = ElementaryChargeEstimate::Verdict;
    switch (e.verdict) {
    case Verdict::Found:
    case Verdict::NoCharges: return tr("ни один заряд не отличим от нуля");
    case Verdict::Scattered: return tr("заряды не ложатся на кратные одного и того же e");
    case Verdict::Ambiguous:
        return tr("заряды ложатся на кратные не одного e, и выбрать между ними нельзя: измерьте больше зарядов, "
                  "лучше малых (в несколько e)");
    case Verdict::TooUncertain:
        return tr("заряды слишком неточны, чтобы сказать, сколько e в каждом: засеките больше подъёмов и падений, "
                  "на большем пути");
    case Verdict::ScatterHidesMultiples:
        return tr("заряды разбросаны больше своих погрешностей, и так сильно, что нельзя сказать, сколько e в каждом: "
                  "засеките каждое состояние заряда несколько раз и удалите промахи");
    case Verdict::TooFew:
        return tr("надёжных зарядов %1, а нужно не меньше %2: по меньшему их числу нельзя отличить e от 2e или 3e "
                  "(все они могли случайно оказаться чётными); облучайте каплю, измеряйте новые состояния её заряда "
                  "и новые капли")
            .arg(e.certain)
            .arg(ElementaryChargeEstimate::MinimumCharges);
    }
    return {};
}

QStringList AnalysisWording::estimateLines(const QString& heading, const ElementaryChargeEstimate::Result& e, int count,
                                           int drops, int dropsInFit, const QLocale& locale)
{
    if (!e.valid())
        return {tr("%1: оценки нет — %2.").arg(heading, noEstimateReason(e))};
    const auto charge = [&locale](double value, int decimals) {
        return locale.toString(value / ChargeUnits::ChargeUnit, 'f', decimals);
    };
    const int decimals = decimalsFor(e.u / ChargeUnits::ChargeUnit);
    QStringList lines;
    lines << tr("%1: e = (%2 ± %3)·10⁻¹⁹ Кл").arg(heading, charge(e.e, decimals), charge(e.u, decimals));
    lines << tr("    стандартная неопределённость %1·10⁻¹⁹ Кл; расширенная (k = 2, около 95 %) ±%2·10⁻¹⁹ Кл")
                 .arg(charge(e.u, decimals), charge(e.expanded, decimals));
    lines
        << tr("    использовано %1 из %2 (капель: %3 из %4)").arg(e.used.size()).arg(count).arg(dropsInFit).arg(drops);
    const double deviation = (e.e - ChargeUnits::ElementaryCharge) / ChargeUnits::ElementaryCharge * 100;
    lines << tr("    отклонение от 1,602 176 634·10⁻¹⁹ Кл: %1 % (%2 u)")
                 .arg(locale.toString(deviation, 'f', 2),
                      locale.toString((e.e - ChargeUnits::ElementaryCharge) / e.u, 'f', 1));
    if (!e.consistent)
        lines << tr("    заряды разбросаны больше своих погрешностей: неопределённость оценена по разбросу");
    return lines;
}

QString AnalysisWording::analysisText(const JournalAnalysis::Result& r, const QLocale& locale)
{
    if (r.charges.empty())
        return tr("Зарядов ещё нет: измерьте скорость капли без поля и в поле.");
    std::set<int> drops, changeDrops;
    for (const JournalAnalysis::DropCharge& c : r.charges)
        drops.insert(c.drop);
    for (const JournalAnalysis::DropCharge& c : r.changes)
        changeDrops.insert(c.drop);
    QStringList lines = estimateLines(tr("По зарядам капель"), r.fromCharges, static_cast<int>(r.charges.size()),
                                      static_cast<int>(drops.size()), r.dropsInFit, locale);
    // A charge of either sign counts by its size: the sign only says which way the field pushes it.
    if (std::any_of(r.charges.begin(), r.charges.end(), [](const JournalAnalysis::DropCharge& c) { return c.q < 0; }))
        lines << tr("    отрицательные заряды входят в оценку по модулю");
    if (!r.changes.empty())
        lines << estimateLines(tr("По изменениям заряда при облучении"), r.fromChanges,
                               static_cast<int>(r.changes.size()), static_cast<int>(changeDrops.size()),
                               r.changeDropsInFit, locale);
    // Two estimates a whole number apart: the one from fewer values has found a multiple of e.
    if (r.fromCharges.valid() && r.fromChanges.valid()) {
        const double ratio = std::max(r.fromCharges.e, r.fromChanges.e) / std::min(r.fromCharges.e, r.fromChanges.e);
        const double whole = std::round(ratio);
        const double apart =
            std::fabs(r.fromCharges.e - r.fromChanges.e) / std::hypot(r.fromCharges.u, r.fromChanges.u);
        if (whole >= 2 && std::fabs(ratio - whole) < 0.1)
            lines << tr("Оценки различаются в %1 раза: одна из них нашла кратное e (в ней все значения оказались "
                        "кратны %1e).")
                         .arg(static_cast<int>(whole));
        else if (apart > 3)
            // A few values can all lie near the multiples of a wrong e by chance.
            lines << tr("Оценки не согласуются (расходятся на %1 своих неопределённостей): вернее та, что получена "
                        "по большему числу значений; измерьте больше капель.")
                         .arg(locale.toString(apart, 'f', 1));
    }
    return lines.join(QLatin1Char('\n'));
}

QString AnalysisWording::extrapolationText(const SlipExtrapolation::Result& x, const QLocale& locale)
{
    const int drops = static_cast<int>(x.points.size());
    if (!x.valid)
        return tr("Экстраполяция к 1/(p·a) = 0: нужно не меньше %1 капель неизвестного размера с поправкой на "
                  "скольжение и с надёжными зарядами, лучше при разных давлениях (сейчас %2).")
            .arg(SlipExtrapolation::MinimumDrops)
            .arg(drops);
    const int decimals = decimalsFor(x.u);
    const int bDecimals = decimalsFor(x.bU * 1e3);
    QStringList lines;
    lines << tr("По экстраполяции к 1/(p·a) = 0 (капель: %1): e = (%2 ± %3)·10⁻¹⁹ Кл, расширенная ±%4·10⁻¹⁹ Кл")
                 .arg(drops)
                 .arg(locale.toString(x.e, 'f', decimals), locale.toString(x.u, 'f', decimals),
                      locale.toString(x.expanded, 'f', decimals));
    const double deviation =
        (x.e * ChargeUnits::ChargeUnit - ChargeUnits::ElementaryCharge) / ChargeUnits::ElementaryCharge * 100;
    lines << tr("    b = (%1 ± %2)·10⁻³ Па·м; отклонение e от 1,602 176 634·10⁻¹⁹ Кл: %3 %")
                 .arg(locale.toString(x.b * 1e3, 'f', bDecimals), locale.toString(x.bU * 1e3, 'f', bDecimals),
                      locale.toString(deviation, 'f', 2));
    return lines.join(QLatin1Char('\n'));
}

QString AnalysisWording::fullAnalysisText(const Journal& journal, const JournalAnalysis::Result& result,
                                          const QLocale& locale)
{
    QString text = analysisText(result, locale);
    if (std::any_of(journal.drops.begin(), journal.drops.end(), [](const JournalDrop& d) { return d.slipCorrection; }))
        text += QLatin1Char('\n')
                + extrapolationText(SlipExtrapolation::fit(journal, result, JournalAnalysis::analyse(journal, false)),
                                    locale);
    return text;
}
