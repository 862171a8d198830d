// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ControlPanel.h"
#include "ParameterInputs.h"
#include "WindowReset.h"

#include "DrawingArea.h"
#include "Experiment.h"
#include "ExperimentState.h"
#include "JournalModel.h"
#include "Laboratory.h"
#include "PlotBackgrounds.h"
#include "PlotFollower.h"
#include "PlotScales.h"
#include "RunPreparation.h"
#include "RunRecord.h"
#include "Sound.h"
#include "ViewSelector.h"
#include "WindowLayout.h"

#include "MainWindowControls.h"
#include "Services.h"

#include <QCoreApplication>
#include <QLocale>

class ClientArea;

/// The simulation behind the main window: the experiment engine and all
/// that surrounds it — the panel that shows it, the inputs that set it up,
/// the layout, the drawing area and the laboratory — wired to the window's
/// controls and to the platform's services. It needs no widget: the real
/// window and the tests' fake both build the controls, hand them over and
/// route the controls' events to the commands.
class Simulation : private RunPreparation {
    Q_DECLARE_TR_FUNCTIONS(Simulation)

public:
    Simulation(const MainWindowControls& controls, const ClientArea& clientArea, const Services& services,
               const QLocale& locale = QLocale());
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    const ExperimentState& state() const { return m_experiment.state(); }

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

    /// The experiment, for the commands of the controls.
    Experiment& experiment() { return m_experiment; }
    ParameterInputs& inputs() { return m_inputs; }
    ViewSelector& views() { return m_views; }
    WindowReset& reset() { return m_reset; }
    PlotScales& scales() { return m_scales; }
    PlotBackgrounds& backgrounds() { return m_backgrounds; }
    const PlotFollower& follower() const { return m_follower; }
    ControlPanel& panel() { return m_panel; }
    Sound& sound() { return m_sound; }
    /// The course of the last run.
    const RunRecord& record() const { return m_experiment.record(); }
    /// The laboratory mode and its journal.
    Laboratory& laboratory() { return m_laboratory; }
    JournalModel& journal() { return m_journal; }

private:
    // What a start asks of the window: the reset pass and the plots.
    void resetWindow() override { m_reset.resetWindow(); }
    void preparePlots() override { m_reset.preparePlots(); }

    Services m_services;
    ControlPanel m_panel;
    Sound m_sound;
    WindowLayout m_layout;
    Experiment m_experiment;
    PlotScales m_scales;
    PlotBackgrounds m_backgrounds;
    DrawingArea m_drawingArea;
    PlotFollower m_follower;
    ViewSelector m_views;
    WindowReset m_reset;
    ParameterInputs m_inputs;
    JournalModel m_journal;
    Laboratory m_laboratory;
};
