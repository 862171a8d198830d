// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StudentHand.h"

#include "WindowFixture.h"

#include "Laboratory.h"

#include <QTest>

#include <algorithm>

namespace {

/// The hands' reaction times, wall time: mean and scatter, s.
constexpr double SteadyReaction = 0.2, SteadyReactionSd = 0.05;
constexpr double MeasuredLag = 0.11, MeasuredLagSd = 0.07;

} // namespace

StudentHand::StudentHand(WindowFixture& w, std::uint64_t seed, Model model) : m_w(w), m_random(seed), m_model(model) {}

double StudentHand::stepSeconds() const
{
    const ExperimentState& s = m_w.state();
    return s.timeStep * static_cast<double>(s.tau);
}

double StudentHand::rate() const
{
    return stepSeconds() / (m_w.state().slowDown * 0.01);
}

void StudentHand::act(double seen, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // No press before the step that shows what calls for it.
    const double reaction = m_model == Model::Steady
                                ? std::max(0.05, SteadyReaction + SteadyReactionSd * m_random.normal())
                                : std::max(0.0, MeasuredLag + MeasuredLagSd * m_random.normal());
    const double at = std::max(seen + reaction * rate(), m_presses.empty() ? seen : m_presses.back().at);
    m_presses.push_back({at, key, modifiers});
}

int StudentHand::pressDue(int step)
{
    const double pause = m_w.state().slowDown * 10.0;
    const int drop = m_w.simulation().laboratory().currentDrop();
    int pressed = 0;
    while (!m_presses.empty() && m_presses.front().at < (step + 1) * stepSeconds()) {
        const Press press = m_presses.front();
        m_presses.erase(m_presses.begin());
        // Within the pause after this step, at the moment of the press.
        const double fraction = std::clamp(press.at / stepSeconds() - step, 0.0, 0.999);
        const double wall = m_w.fakes.steadyClock.now;
        m_w.fakes.steadyClock.now = wall + fraction * pause;
        QTest::keyClick(m_w.form.get(), press.key, press.modifiers);
        m_w.fakes.steadyClock.now = wall;
        ++pressed;
        if (m_w.simulation().laboratory().currentDrop() != drop)
            break; // the next drop began inside the press
    }
    return pressed;
}
