#include "Simulation.h"

const QString Simulation::ExitTitle = QStringLiteral("На Выход");
const QString Simulation::ExitQuestion = QStringLiteral("Вы абсолютно уверены?");

Simulation::Simulation(const MainWindowControls& controls, const ClientArea& window, const Services& services,
                                 const QLocale& locale)
    : m_services(services), m_pause(*services.timer, *services.lifetime),
      m_sound(*services.tones), m_parameters(m_state, controls, *services.random, *services.clock, locale),
      m_run(m_state, controls, m_pause, *services.lifetime), m_ranges(m_state, controls),
      m_axes(m_state, controls, locale), m_views(controls), m_ekran(controls, window),
      m_reset(m_state, controls, window, m_ekran, m_parameters, m_ranges, m_axes),
      m_procedure(m_state, controls, *this, m_run, m_pause, m_sound, *services.messageBox, *services.lifetime,
                  locale),
      m_inputs(m_state, controls, m_sound, *services.messageBox, *this)
{
    services.timer->setEnabled(false);
    services.timer->onTick = [this] { onTimerTick(); };
}

void Simulation::confirmExit(std::int16_t& Cancel)
{
    if (m_services.messageBox->askYesNo(ExitTitle, ExitQuestion))
        m_services.lifetime->endProgram(0);
    else
        Cancel = 1;
}
