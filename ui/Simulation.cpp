// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Simulation.h"

QString Simulation::exitTitle()
{
    return tr("На Выход");
}

QString Simulation::exitQuestion()
{
    return tr("Вы абсолютно уверены?");
}

Simulation::Simulation(const MainWindowControls& controls, const ClientArea& clientArea, const Services& services,
                       const QLocale& locale)
    : m_services(services), m_panel(controls, locale, services.announcer), m_pause(*services.timer, *services.lifetime),
      m_sound(*services.tones), m_random(*services.random), m_parameters(m_state, m_panel, m_random, *services.clock),
      m_run(m_state, controls.surfaces(), m_panel, m_pause, *services.lifetime, m_record),
      m_scales(m_state, controls.surfaces()), m_backgrounds(m_state, controls.surfaces(), locale), m_views(controls),
      m_layout(controls, clientArea),
      m_reset(m_state, controls, clientArea, m_layout, m_parameters, m_scales, m_backgrounds),
      m_procedure(m_state, m_panel, controls.surfaces(), m_reset, m_run, m_pause, m_sound, *services.messageBox,
                  *services.lifetime),
      m_inputs(m_state, controls, m_sound, *services.messageBox, m_reset), m_journal(locale),
      m_laboratory(m_state, m_journal, m_random, m_run, m_record, *services.steadyClock)
{
    m_procedure.setObserver(&m_laboratory);
    m_procedure.setAnnouncer(services.announcer);
    m_run.setObserver(&m_laboratory);
    services.timer->setEnabled(false);
    services.timer->onTick = [this] { m_pause.onTimerTick(); };
}

void Simulation::startUp()
{
    m_state.startUpDone = 0;
    m_parameters.setDefaultParameters();
    m_state.startUpDone = 1;
}

bool Simulation::confirmExit()
{
    if (!m_services.messageBox->askYesNo(exitTitle(), exitQuestion()))
        return false;
    m_services.lifetime->endProgram(0);
    return true;
}
