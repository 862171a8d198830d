// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExperimentProcedure.h"

#include "DropletRun.h"
#include "ExperimentObserver.h"
#include "ExperimentState.h"
#include "Pause.h"
#include "RunPreparation.h"
#include "Sound.h"

#include "Announcer.h"
#include "Canvas.h"
#include "ExperimentView.h"
#include "Lifetime.h"
#include "MessageBox.h"
#include "Sprite.h"

QString ExperimentProcedure::remarkTitle()
{
    return tr("ЗАМЕЧАНИЕ");
}

QString ExperimentProcedure::remarkText()
{
    return tr("Опыт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.");
}

QString ExperimentProcedure::runEndedText()
{
    return tr("Движение капли окончено.");
}

QString ExperimentProcedure::correctText()
{
    return tr("Опыт выполнен верно.");
}

namespace {

/// How long the beam flashes, and how long the charges are shown, s.
constexpr double FlashSeconds = 1.5;
constexpr double ReadOutSeconds = 3;

} // namespace

ExperimentProcedure::ExperimentProcedure(ExperimentState& state, ExperimentView& view, const DrawingSurfaces& surfaces,
                                         RunPreparation& preparation, DropletRun& run, Pause& pause, Sound& sound,
                                         MessageBox& messageBox, const Lifetime& lifetime)
    : m_state(state), m_view(view), m_surfaces(surfaces), m_preparation(preparation), m_run(run), m_pause(pause),
      m_sound(sound), m_messageBox(messageBox), m_lifetime(lifetime)
{
}

void ExperimentProcedure::onStartClicked()
{
    if (m_observer)
        m_observer->experimentStarting();
    m_preparation.resetWindow();
    m_view.setFieldButtonsEnabled(true);
    m_state.wasIrradiated = 0;
    // The run starts from the clock that the plots' backgrounds set back to its start.
    m_preparation.preparePlots();

    if (m_observer)
        m_observer->runStarting();
    m_run.runDroplet();
    if (m_observer)
        m_observer->runEnded();
    if (m_lifetime.isEnding())
        return;

    m_view.setFieldButtonsEnabled(false);
    const bool correct = m_state.wasIrradiated != 0;
    if (m_announcer)
        m_announcer->announce(runEndedText() + u' ' + (correct ? correctText() : remarkText()));
    if (correct) {
        m_sound.playSignalTone(Sound::LongSignal);
    } else {
        m_sound.playFailureMelody(Sound::MelodyTempo);
        m_messageBox.showMessage(remarkTitle(), remarkText());
    }
}

void ExperimentProcedure::onVoltageClicked()
{
    const ExperimentState& s = m_state;
    Canvas& view = m_surfaces.animationView;
    m_view.showLimitingVelocity(2);
    m_state.activeChargeNumber = s.N2;

    // The plate at the lower potential is drawn red, the other blue.
    view.setDrawWidth(7);
    const bool upperNegative = s.Ux < 0;
    view.drawLine(0, 0, static_cast<float>(s.viewWidth), 0, upperNegative ? Colors::Red : Colors::Blue);
    view.drawLine(0, static_cast<float>(s.reducedGap), static_cast<float>(s.viewWidth),
                  static_cast<float>(s.reducedGap), upperNegative ? Colors::Blue : Colors::Red);
    if (m_observer)
        m_observer->fieldSwitched(ExperimentObserver::Field::Voltage);
}

void ExperimentProcedure::onLightClicked()
{
    ExperimentState& s = m_state;
    Sprite& beam = m_surfaces.beam;
    m_view.showLimitingVelocity(3);
    s.activeChargeNumber = s.N3;
    if (m_observer) {
        m_observer->fieldSwitched(ExperimentObserver::Field::Light);
        m_observer->held();
    }

    // The beam's lower right corner at the droplet.
    beam.setLeft(s.X - beam.userWidth());
    beam.setTop(s.Y - beam.userHeight());
    beam.setVisible(true);
    m_pause.wait(FlashSeconds);
    if (m_lifetime.isEnding())
        return;
    beam.setVisible(false);
    s.wasIrradiated = 1;
}

void ExperimentProcedure::onCharacteristicsClicked()
{
    if (m_observer)
        m_observer->held();
    m_view.showCharges(m_state.N2, m_state.N3);
    m_sound.playSignalTone(Sound::ShortSignal);
    m_pause.wait(ReadOutSeconds);
    if (m_lifetime.isEnding())
        return;
    m_view.hideCharges();
}

void ExperimentProcedure::onVelocitiesClicked()
{
    const ExperimentState& s = m_state;
    // V − 1 = N·a, so these are N3/N2 and N3 − N2 up to rounding.
    const double ratio = (s.V3max - 1) / (s.V2max - 1);
    const double difference = (s.V3max - s.V2max) / s.forceRatio;
    if (m_observer)
        m_observer->held();
    m_view.showChargeRatio(ratio, difference);
    m_sound.playSignalTone(Sound::ShortSignal);
    m_pause.wait(ReadOutSeconds);
    if (m_lifetime.isEnding())
        return;
    m_view.hideChargeRatio();
}
