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
    : m_services(services), m_panel(controls, locale, services.announcer), m_sound(*services.tones),
      m_layout(controls, clientArea), m_experiment(m_panel, controls.surfaces(), *this, services),
      m_scales(m_experiment.state(), controls.surfaces()),
      m_backgrounds(m_experiment.state(), m_scales.ranges(), controls.surfaces(), locale),
      m_drawingArea(controls, m_scales, m_backgrounds),
      m_follower(m_experiment.state(), m_experiment.record(), m_scales, m_backgrounds, controls.surfaces()),
      m_views(controls), m_reset(clientArea, m_layout, m_experiment, m_drawingArea),
      m_inputs(m_experiment, controls, m_sound, *services.messageBox, m_reset), m_journal(locale),
      m_laboratory(m_experiment.state(), m_journal, m_experiment.record(), *services.steadyClock)
{
    m_experiment.setDropSource(&m_laboratory);
    m_experiment.addListener(&m_laboratory);
    m_experiment.addListener(&m_follower);
}

void Simulation::startUp()
{
    m_experiment.startUp();
}

bool Simulation::confirmExit()
{
    if (!m_services.messageBox->askYesNo(exitTitle(), exitQuestion()))
        return false;
    m_services.lifetime->endProgram(0);
    return true;
}
