// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TimingAudit.h"

#include "DropReplay.h"
#include "Laboratory.h"
#include "SeededRandom.h"
#include "Spray.h"
#include "Stopwatch.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

QString TimingAudit::key(Code code)
{
    switch (code) {
    case Code::Edited: return QStringLiteral("edited");
    case Code::Foreign: return QStringLiteral("foreign");
    case Code::WrongTask: return QStringLiteral("wrong-task");
    case Code::Digits: return QStringLiteral("digits");
    }
    return {};
}

TimingAudit::Result TimingAudit::audit(const Journal& journal, std::uint64_t taskSeed)
{
    Result result;
    const QLocale locale;
    const auto seconds = [&locale](double s) { return locale.toString(s, 'f', 2); };
    if (journal.seed != taskSeed)
        result.flags.push_back({0, -1, Code::WrongTask, tr("журнал ведётся с чужим зерном: это не задание студента")});

    std::array<int, 10> digits{};
    int typed = 0;
    double budget = ReplayBudget;
    // Each drop's entries, in the journal's order.
    std::map<int, std::vector<std::size_t>> byDrop;
    for (std::size_t i = 0; i < journal.entries.size(); ++i)
        byDrop[journal.entries[i].drop].push_back(i);
    std::set<std::tuple<std::uint64_t, int, double>> caught; ///< spray seed, droplet, spray time
    for (const JournalDrop& drop : journal.drops) {
        std::vector<std::size_t> timings;
        double until = 0;
        for (const std::size_t i : byDrop[drop.number]) {
            const JournalEntry& e = journal.entries[i];
            if (e.deleted || !e.time)
                continue;
            if (e.source == JournalEntry::Source::Hand) {
                ++digits[static_cast<std::size_t>(std::llround(*e.time * 100) % 10)];
                ++typed;
            } else if (e.source == JournalEntry::Source::Stopwatch) {
                timings.push_back(i);
                until = std::max(until, e.ended.value_or(0) + 1);
            }
        }
        if (timings.empty())
            continue;
        if (drop.seed != SeededRandom::derive(taskSeed, static_cast<std::uint64_t>(drop.number))) {
            result.flags.push_back(
                {drop.number, -1, Code::Foreign,
                 tr("капля %1 не из этого задания: её зерно не то, что даёт задание").arg(drop.number)});
            continue;
        }
        // A caught droplet: one of a spray of this task, with the charge it was
        // sprayed with, caught once at that moment (a second drop caught so is a copy).
        if (const std::optional<CaughtDroplet>& c = drop.caught;
            c
            && (c->spraySeed != Laboratory::spraySeed(taskSeed, c->spray) || c->droplet > Spray::countOf(c->spraySeed)
                || drop.startCharge != Spray::chargeOf(c->spraySeed, c->droplet)
                || !caught.insert({c->spraySeed, c->droplet, c->sprayTime}).second)) {
            result.flags.push_back(
                {drop.number, -1, Code::Foreign,
                 tr("капля %1 поймана не в распылении этого задания, не с тем зарядом или записана дважды")
                     .arg(drop.number)});
            continue;
        }
        until = std::min(until, DropReplay::MaxSeconds);
        if (until > budget) {
            ++result.dropsUnchecked;
            continue;
        }
        budget -= until;
        const std::optional<DropReplay> replay = DropReplay::of(drop, until);
        if (!replay)
            continue;
        ++result.dropsReplayed;
        std::vector<Flag> edited;
        for (const std::size_t i : timings) {
            const JournalEntry& e = journal.entries[i];
            ++result.timingsChecked;
            if (!e.started || !e.ended || !e.distance) {
                edited.push_back({drop.number, static_cast<int>(i), Code::Edited,
                                  tr("у отсчёта нет нажатий секундомера: его нельзя проверить")});
                continue;
            }
            const int own = Stopwatch::hundredths(*e.ended) - Stopwatch::hundredths(*e.started);
            if (std::llround(*e.time * 100) != own) {
                edited.push_back({drop.number, static_cast<int>(i), Code::Edited,
                                  tr("время %1 с, а секундомер между нажатиями показал %2 с")
                                      .arg(seconds(*e.time), seconds(own / 100.0))});
                continue;
            }
            const std::optional<double> truth = replay->timeToCover(*e.started, *e.distance);
            const double tolerance = HandFactor * e.uncertainty + Relative * *e.time;
            if (!truth || std::fabs(*e.time - *truth) > tolerance)
                edited.push_back({drop.number, static_cast<int>(i), Code::Edited,
                                  truth ? tr("время %1 с, а капля прошла этот путь за %2 с (рука объясняет ±%3 с)")
                                              .arg(seconds(*e.time), seconds(*truth), seconds(tolerance))
                                        : tr("капля не проходила этот путь после первого нажатия")});
        }
        // None of its timings is its droplet's: not the drop its seed gives.
        if (timings.size() >= 3 && edited.size() == timings.size())
            result.flags.push_back({drop.number, -1, Code::Foreign,
                                    tr("ни один отсчёт капли %1 не совпадает с её движением: капля не из этого "
                                       "задания")
                                        .arg(drop.number)});
        else
            result.flags.insert(result.flags.end(), edited.begin(), edited.end());
    }
    if (typed >= DigitsMinimum) {
        // Pearson's χ² of the last digits against uniform.
        const double expected = typed / 10.0;
        double chi2 = 0;
        for (const int n : digits)
            chi2 += (n - expected) * (n - expected) / expected;
        if (chi2 > DigitsChiSquare)
            result.flags.push_back({0, -1, Code::Digits,
                                    tr("последние цифры введённых времён неравномерны (χ² = %1 при 9 степенях "
                                       "свободы): настоящие отсчёты так не выглядят")
                                        .arg(locale.toString(chi2, 'f', 1))});
    }
    return result;
}
