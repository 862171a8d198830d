// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalFlags.h"

#include "ChargeUnits.h"
#include "Laboratory.h"
#include "Reticle.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

bool isTiming(const JournalEntry& e)
{
    return !e.deleted && (e.source == JournalEntry::Source::Stopwatch || e.source == JournalEntry::Source::Hand)
           && e.measuredVelocity().has_value();
}

/// What a drop's state has: its timings in the field and its balances.
struct StateCount {
    int inField = 0;
    int balances = 0;
    int any = 0; ///< measurements of any kind, falls included
    std::vector<double> velocities, uncertainties;
};

} // namespace

QString JournalFlags::key(Code code)
{
    switch (code) {
    case Code::FewTimings: return QStringLiteral("few-timings");
    case Code::Scatter: return QStringLiteral("scatter");
    case Code::FastDrop: return QStringLiteral("fast-drop");
    case Code::ManyCharges: return QStringLiteral("many-charges");
    case Code::FieldOnIrradiation: return QStringLiteral("field-on-irradiation");
    case Code::CrossedChange: return QStringLiteral("crossed-change");
    case Code::AbsurdCharge: return QStringLiteral("absurd-charge");
    }
    return {};
}

QString JournalFlags::title(Code code)
{
    switch (code) {
    case Code::FewTimings: return tr("мало отсчётов");
    case Code::Scatter: return tr("разброс");
    case Code::FastDrop: return tr("быстрая капля");
    case Code::ManyCharges: return tr("кратность не различить");
    case Code::FieldOnIrradiation: return tr("облучение в поле");
    case Code::CrossedChange: return tr("отсчёт через смену");
    case Code::AbsurdCharge: return tr("невозможный заряд");
    }
    return {};
}

QString JournalFlags::line(const Flag& flag)
{
    return QStringLiteral("drop %1, state %2: %3: %4")
        .arg(flag.drop)
        .arg(flag.chargeState)
        .arg(key(flag.code), flag.text);
}

std::vector<JournalFlags::Flag> JournalFlags::ofDrop(const std::vector<Flag>& flags, int drop)
{
    std::vector<Flag> mine;
    std::copy_if(flags.begin(), flags.end(), std::back_inserter(mine),
                 [drop](const Flag& f) { return f.drop == drop; });
    return mine;
}

std::vector<JournalFlags::Flag> JournalFlags::check(const Journal& journal, const JournalAnalysis::Result& analysis)
{
    constexpr double e = ChargeUnits::ElementaryCharge;
    std::vector<Flag> flags;
    const auto flag = [&flags](int drop, int state, Code code, const QString& text) {
        flags.push_back({drop, state, code, text});
    };

    for (const JournalDrop& drop : journal.drops) {
        // The drop's timings: its falls (any charge state) and each state's.
        std::map<int, StateCount> states;
        std::map<std::pair<int, FieldState>, StateCount> groups;
        int falls = 0;
        double fallVelocity = 0;
        std::set<int> crossed;
        for (std::size_t i = 0; i < journal.entries.size(); ++i) {
            const JournalEntry& entry = journal.entries[i];
            if (entry.drop != drop.number)
                continue;
            if (entry.deleted && entry.source == JournalEntry::Source::Stopwatch
                && Laboratory::isChangeReason(entry.reason))
                crossed.insert(entry.chargeState);
            if (entry.deleted)
                continue;
            StateCount& state = states[entry.chargeState];
            ++state.any;
            if (entry.isBalance()) {
                ++state.balances;
                continue;
            }
            if (!isTiming(entry))
                continue;
            if (entry.field == FieldState::Off) {
                ++falls;
                fallVelocity += *entry.measuredVelocity();
            } else {
                ++state.inField;
            }
            StateCount& group = groups[{entry.chargeState, entry.field}];
            group.velocities.push_back(*entry.measuredVelocity());
            group.uncertainties.push_back(entry.velocityUncertainty());
        }

        for (const int state : crossed)
            flag(drop.number, state, Code::CrossedChange,
                 tr("отсчёт захватил смену поля, напряжения или заряда и зачёркнут: засекайте промежуток "
                    "целиком при одном состоянии капли"));
        for (const int state : drop.irradiatedInField)
            flag(drop.number, state, Code::FieldOnIrradiation,
                 tr("облучение при включённом поле: поле уносит ионы к пластинам, настоящая капля их почти не "
                    "захватывает; выключайте поле (F6) перед облучением (F7)"));

        const double band = Reticle::bandLength(drop.setup.DD);
        if (falls > 0 && fallVelocity > 0 && band > 0) {
            const double fiveBands = 5 * band / (fallVelocity / falls);
            if (fiveBands < FastFallSeconds)
                flag(drop.number, 0, Code::FastDrop,
                     tr("капля проходит 5 делений за %1 с (меньше %2 с): она крупная, заряд у неё во много e, "
                        "кратность не различить; выбирайте каплю медленнее")
                         .arg(QLocale().toString(fiveBands, 'f', 1))
                         .arg(QLocale().toString(FastFallSeconds, 'f', 0)));
        }

        for (const auto& [state, count] : states) {
            const bool charged = count.inField > 0 || count.balances > 0;
            if (falls < FewestTimings || (charged && count.inField + count.balances < FewestTimings)
                || (!charged && count.any > 0 && state > 0))
                flag(drop.number, state, Code::FewTimings,
                     tr("падений капли %1, отсчётов в поле %2: нужно не меньше %3 тех и других, иначе разброс "
                        "и неопределённость не оценить")
                         .arg(falls)
                         .arg(count.inField + count.balances)
                         .arg(FewestTimings));
        }
        for (const auto& [key, group] : groups) {
            const std::size_t n = group.velocities.size();
            if (n < 2)
                continue;
            double mean = 0, hand = 0;
            for (std::size_t i = 0; i < n; ++i) {
                mean += group.velocities[i] / static_cast<double>(n);
                hand += group.uncertainties[i] * group.uncertainties[i] / static_cast<double>(n);
            }
            double sum = 0;
            for (const double v : group.velocities)
                sum += (v - mean) * (v - mean);
            const double sd = std::sqrt(sum / static_cast<double>(n - 1));
            if (hand > 0 && sd > ScatterFactor * std::sqrt(hand))
                flag(drop.number, key.first, Code::Scatter,
                     tr("%1: скорости разбросаны в %2 раза сильнее, чем объясняет реакция руки (около 0,1 с на "
                        "отсчёт): проверьте записи, засеките ещё раз")
                         .arg(FieldStates::name(key.second))
                         .arg(QLocale().toString(sd / std::sqrt(hand), 'f', 1)));
        }
    }

    // The charges: each state's, as the analysis found them.
    for (const JournalAnalysis::DropCharge& c : analysis.charges) {
        const double multiple = std::fabs(c.q) / e, spread = c.u / e;
        if (multiple >= AbsurdCharges)
            flag(c.drop, c.chargeState, Code::AbsurdCharge,
                 tr("заряд около %1 e — так не бывает: проверьте напряжение и настройки установки")
                     .arg(QLocale().toString(multiple, 'f', 0)));
        else if (multiple > ManyCharges || spread > UncertainMultiple)
            flag(c.drop, c.chargeState, Code::ManyCharges,
                 tr("заряд (%1 ± %2) e: кратность e не различить; нужна капля медленнее, с меньшим зарядом, или "
                    "больше отсчётов")
                     .arg(QLocale().toString(multiple, 'f', 1), QLocale().toString(spread, 'f', 2)));
    }
    std::stable_sort(flags.begin(), flags.end(), [](const Flag& a, const Flag& b) {
        return a.drop != b.drop ? a.drop < b.drop : a.chargeState < b.chargeState;
    });
    return flags;
}
