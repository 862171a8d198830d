// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ControlPanel.h"
#include "ParameterInputs.h"

#include "DropletRun.h"
#include "ExperimentProcedure.h"
#include "ExperimentState.h"
#include "JournalModel.h"
#include "Laboratory.h"
#include "LaboratoryRandom.h"
#include "Parameters.h"
#include "Pause.h"
#include "PlotBackgrounds.h"
#include "PlotScales.h"
#include "RunRecord.h"
#include "Sound.h"
#include "ViewSelector.h"
#include "WindowLayout.h"
#include "WindowReset.h"

#include "MainWindowControls.h"
#include "Services.h"

#include <QCoreApplication>
#include <QLocale>

class ClientArea;

/// The simulation behind the main window: the experiment's state and every
/// procedure that acts on it, wired to the window's controls and to the
/// platform's services. It needs no widget: the real window and the tests'
/// fake both build the controls, hand them over and route the controls'
/// events to the procedures.
class Simulation {
    Q_DECLARE_TR_FUNCTIONS(Simulation)

public:
    Simulation(const MainWindowControls& controls, const ClientArea& clientArea, const Services& services,
               const QLocale& locale = QLocale());
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    ExperimentState& state() { return m_state; }
    const ExperimentState& state() const { return m_state; }

    /// The start-up of the window: the defaults are written into the inputs
    /// (each is checked as it is written) with the layout gate closed; the
    /// gate opens afterwards, for the first display's layout pass.
    void startUp();
    /// The window is about to close: asks for confirmation. Yes ends the
    /// program and returns true; No returns false and changes nothing.
    bool confirmExit();

    /// Title and text of the exit confirmation.
    static QString exitTitle();
    static QString exitQuestion();

    // The procedures, for the events of the controls.
    Parameters& parameters() { return m_parameters; }
    ParameterInputs& inputs() { return m_inputs; }
    ExperimentProcedure& procedure() { return m_procedure; }
    DropletRun& run() { return m_run; }
    Pause& pause() { return m_pause; }
    ViewSelector& views() { return m_views; }
    WindowReset& reset() { return m_reset; }
    PlotScales& scales() { return m_scales; }
    PlotBackgrounds& backgrounds() { return m_backgrounds; }
    ControlPanel& panel() { return m_panel; }
    /// The course of the last run.
    const RunRecord& record() const { return m_record; }
    /// The laboratory mode and its journal.
    Laboratory& laboratory() { return m_laboratory; }
    JournalModel& journal() { return m_journal; }

private:
    ExperimentState m_state;
    RunRecord m_record;
    Services m_services;
    ControlPanel m_panel;
    Pause m_pause;
    Sound m_sound;
    LaboratoryRandom m_random;
    Parameters m_parameters;
    DropletRun m_run;
    PlotScales m_scales;
    PlotBackgrounds m_backgrounds;
    ViewSelector m_views;
    WindowLayout m_layout;
    WindowReset m_reset;
    ExperimentProcedure m_procedure;
    ParameterInputs m_inputs;
    JournalModel m_journal;
    Laboratory m_laboratory;
};
