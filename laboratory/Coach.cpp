// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Coach.h"

#include "ChargeUnits.h"
#include "ElementaryChargeEstimate.h"
#include "ExperimentState.h"
#include "JournalFlags.h"
#include "JournalModel.h"
#include "Laboratory.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

bool isStateTiming(const JournalEntry& e)
{
    return !e.deleted && (e.source == JournalEntry::Source::Stopwatch || e.source == JournalEntry::Source::Hand)
           && e.measuredVelocity().has_value();
}

} // namespace

Coach::Coach(const Laboratory& laboratory, const ExperimentState& state, const JournalModel& journal)
    : m_laboratory(laboratory), m_state(state), m_journal(journal)
{
}

Coach::Progress Coach::progress(int drop, int chargeState) const
{
    Progress p;
    std::set<int> states;
    std::map<int, int> inField;
    for (const JournalEntry& e : m_journal.journal().entries) {
        if (e.drop != drop || e.deleted)
            continue;
        if (e.field == FieldState::Off && isStateTiming(e))
            ++p.falls;
        else if (e.field != FieldState::Off && (isStateTiming(e) || e.isBalance()))
            ++inField[e.chargeState];
    }
    p.inField = inField[chargeState];
    for (const auto& [state, count] : inField)
        p.statesDone += count >= JournalFlags::FewestTimings ? 1 : 0;
    if (p.falls < JournalFlags::FewestTimings)
        p.statesDone = 0;
    for (const Stopwatch::Timing& t : m_laboratory.stopwatch().timings())
        p.unrecorded += t.recorded ? 0 : 1;
    return p;
}

QString Coach::resultText() const
{
    const ElementaryChargeEstimate::Result& e = m_journal.analysis().fromCharges;
    if (!m_showsMultiples)
        return tr("Надёжных зарядов достаточно: найдите e в журнале (Ctrl+J), вкладка «Определение e».");
    const QLocale locale;
    const double unit = ChargeUnits::ChargeUnit;
    return tr("Надёжных зарядов %1: e = (%2 ± %3)·10⁻¹⁹ Кл, расширенная неопределённость %4 %. Результат и его "
              "разбор — в журнале (Ctrl+J), вкладка «Определение e».")
        .arg(e.certain)
        .arg(locale.toString(e.e / unit, 'f', 3), locale.toString(e.expanded / unit, 'f', 3),
             locale.toString(100 * e.expanded / e.e, 'f', 1));
}

Coach::Advice Coach::withoutDrop() const
{
    const Journal& journal = m_journal.journal();
    if (m_state.slowDown < RecommendedSlowDown)
        return {Step::SlowDown,
                tr("Поставьте замедление %1 (полоса «Замедление времени» в главном окне): капля пойдёт медленнее, и "
                   "рука при отсчёте ошибётся меньше.")
                    .arg(RecommendedSlowDown)};
    QString text = tr("Нажмите «ПУСК» (F5): между пластинами появится капля, её будете удерживать и засекать.");
    if (!journal.drops.empty() && journal.drops.back().lost)
        text = tr("Капля %1 коснулась пластины и потеряна. Нажмите «ПУСК» (F5) для новой и держите её между 1-й и "
                  "8-й линиями, включая и выключая поле (F6).")
                   .arg(journal.drops.back().number);
    return {Step::StartDrop, text};
}

Coach::Advice Coach::tune() const
{
    const ExperimentState& s = m_state;
    // The droplet's velocity in the field, in units of its free fall (+ down).
    const double charge = s.chargeState == 0 ? s.N2 : static_cast<double>(s.N3);
    const double inField = 1 + s.forceRatio * (s.reversed ? -charge : charge);
    if (inField > 1.05)
        return {Step::Polarity, tr("В поле капля падает быстрее, чем без него: поле толкает её вниз. Смените "
                                   "полярность (Shift+F6).")};
    if (inField > -SlowestRise) {
        if (std::fabs(s.Ux) * 1.1 > MaxVoltage)
            return {Step::AnotherDrop, tr("Даже при %1 кВ капля в поле почти не поднимается: зарядов на ней мало. "
                                          "Начните новую каплю (F5).")
                                           .arg(QLocale().toString(MaxVoltage / 1000, 'f', 0))};
        return {Step::VoltageUp, tr("В поле капля поднимается слишком медленно или не поднимается: прибавьте "
                                    "напряжение на 10 % (Shift+PgUp), пока она не пойдёт вверх примерно так же "
                                    "быстро, как падала.")};
    }
    if (inField < -FastestRise)
        return {Step::VoltageDown, tr("В поле капля поднимается слишком быстро, подъём трудно засечь: убавьте "
                                      "напряжение на 10 % (Shift+PgDn).")};
    return {Step::Time, {}};
}

Coach::Advice Coach::advise() const
{
    const ExperimentState& s = m_state;
    const int drop = m_laboratory.currentDrop();
    const Progress p = progress(drop, s.chargeState);
    const bool stateDone = p.falls >= JournalFlags::FewestTimings && p.inField >= JournalFlags::FewestTimings;
    const ElementaryChargeEstimate::Result& e = m_journal.analysis().fromCharges;
    const bool goal = e.valid() && e.expanded <= Goal * e.e;
    if (goal && (p.inField == 0 || stateDone))
        return {Step::ReadE, resultText() + QLatin1Char(' ')
                                 + tr("Чтобы уточнить e, измерьте ещё капли: неопределённость убывает как "
                                      "1/√N.")};
    if (drop == 0 || !m_laboratory.holding())
        return withoutDrop();
    if (m_laboratory.bands() != Bands)
        return {Step::Distance, tr("Поставьте путь секундомера %1 дел. (поле «Путь»): от %2-й до %3-й линии.")
                                    .arg(Bands)
                                    .arg(TopLine)
                                    .arg(TopLine + Bands)};
    if (p.unrecorded > 0 && !m_laboratory.stopwatch().isRunning())
        return {Step::Record, tr("Запишите промежутки в журнал (F12): из записанных считается заряд.")};

    // A fast drop is a large one, with a charge of many e.
    const double fiveBands = Bands * m_laboratory.bandLength() / s.Vg;
    if (fiveBands < JournalFlags::FastFallSeconds && p.inField == 0 && p.statesDone == 0)
        return {Step::ChooseSlower, tr("Капля проходит %1 делений за %2 с, быстрее %3 с: она крупная, заряд у неё "
                                       "во много e, и кратность не различить. Начните другую каплю (F5).")
                                        .arg(Bands)
                                        .arg(QLocale().toString(fiveBands, 'f', 1),
                                             QLocale().toString(JournalFlags::FastFallSeconds, 'f', 0))};

    const double line = s.Y / (s.reducedGap / 10);
    const bool down = s.Vy > 0;
    if (stateDone && p.statesDone >= StatesPerDrop)
        return {Step::NextDrop, tr("Капля измерена в %1 зарядовых состояниях. Начните новую каплю (F5): e точнее "
                                   "по многим каплям.")
                                    .arg(p.statesDone)};
    if (stateDone && !s.fieldOn && line < 8.5)
        return {Step::Irradiate, tr("Состояние измерено. Облучите каплю (F7) сейчас, при выключенном поле: капля "
                                    "захватит ионы и получит новый заряд.")};
    // Between the plates: the field on before the lower plate, off before the upper one.
    if (!s.fieldOn && down && line > TopLine + Bands + 1)
        return {Step::FieldOnLow,
                tr("Капля ниже %1-й линии: включите поле (F6), иначе она коснётся пластины.").arg(TopLine + Bands + 1)};
    if (s.fieldOn && !down && line < 1)
        return {Step::FieldOffHigh, tr("Капля выше 1-й линии: выключите поле (F6), иначе она коснётся пластины.")};
    if (stateDone)
        return {Step::Irradiate, tr("Состояние измерено: три падения и три подъёма. Когда капля поднимется в "
                                    "верхнюю половину, выключите поле (F6) и облучите её (F7): без поля ионы "
                                    "достаются капле.")};
    // The field's effect is seen only with the field on: tried once the droplet is well below the top.
    const Advice tuning = tune();
    if (tuning.step != Step::Time) {
        if (s.fieldOn)
            return tuning;
        if (line < 3)
            return {Step::Watch, tr("Капля падает без поля: посмотрите, как быстро. Когда она опустится до 3-й "
                                    "линии, включите поле (F6).")};
        return {Step::TestField, tr("Включите поле (F6) и поворачивайте напряжение, пока капля не станет "
                                    "подниматься примерно так же быстро, как падала.")};
    }
    return {Step::Time, tr("Засекайте падения без поля и подъёмы в поле, каждый от %1-й до %2-й линии: F8 на "
                           "одной линии, F8 на другой. Падений %3 из %5, подъёмов %4 из %5.")
                            .arg(TopLine)
                            .arg(TopLine + Bands)
                            .arg(std::min(p.falls, JournalFlags::FewestTimings))
                            .arg(std::min(p.inField, JournalFlags::FewestTimings))
                            .arg(JournalFlags::FewestTimings)};
}

Coach::Reading Coach::reading() const
{
    Reading r;
    r.drop = m_laboratory.currentDrop();
    r.chargeState = m_state.chargeState;
    const Progress p = progress(r.drop, r.chargeState);
    r.falls = p.falls;
    r.inField = p.inField;
    std::vector<double> times;
    for (const JournalEntry& e : m_journal.journal().entries)
        if (e.drop == r.drop && e.chargeState == r.chargeState && e.field != FieldState::Off && isStateTiming(e)
            && e.time)
            times.push_back(*e.time);
    if (times.size() >= 2) {
        double mean = 0, sum = 0;
        for (const double t : times)
            mean += t / static_cast<double>(times.size());
        for (const double t : times)
            sum += (t - mean) * (t - mean);
        r.spread = std::sqrt(sum / static_cast<double>(times.size() - 1));
    }
    const JournalAnalysis::Result& a = m_journal.analysis();
    for (const JournalAnalysis::DropCharge& c : a.charges)
        if (c.drop == r.drop && c.chargeState == r.chargeState)
            r.charge = c;
    if (a.fromCharges.valid() && m_showsMultiples) {
        if (r.charge)
            r.multiple = std::fabs(r.charge->q) / a.fromCharges.e;
        r.e = a.fromCharges.e;
        r.expanded = a.fromCharges.expanded;
        r.certain = a.fromCharges.certain;
    }
    return r;
}
