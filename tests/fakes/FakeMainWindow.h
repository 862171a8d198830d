// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentTestAccess.h"
#include "FakeClientArea.h"
#include "FakeControl.h"
#include "FakeServices.h"
#include "FakeSprite.h"
#include "RecordingCanvas.h"

#include "MainWindowControls.h"
#include "Simulation.h"

#include <QLocale>

#include <array>
#include <memory>

/// The main window's simulation on in-memory controls and services: no
/// display. The controls report their events to the procedures as the real
/// window's do.
class FakeMainWindow {
public:
    explicit FakeMainWindow(const QLocale& locale = QLocale(QLocale::Russian, QLocale::Russia));

    /// Start-up as the program does it: defaults with the gate closed, gate
    /// open, then the first layout pass of the first display.
    void start();

    /// A control that is neither a drawing surface nor a picture on one.
    FakeControl& control(ControlId id);

    Simulation& simulation() { return *m_simulation; }
    /// The experiment's state, for a test to read, or to set up by hand.
    ExperimentState& state() { return ExperimentTestAccess::state(m_simulation->experiment()); }

    FakeServices fakes;
    FakeMessageBox& messageBox = fakes.messageBox;
    FakeToneGenerator& tones = fakes.tones;
    FakePauseTimer& timer = fakes.timer;
    FakeRandom& random = fakes.random;
    FakeTimeOfDay& clock = fakes.clock;
    FakeDesktopShell& shell = fakes.shell;
    FakeLifetime& lifetime = fakes.lifetime;
    FakeClientArea clientArea;

    RecordingCanvas animationView{480, 504};
    RecordingCanvas coordinatePlot{480, 252};
    RecordingCanvas velocityPlot{480, 252};
    FakeSprite dropletMarker{animationView, 10, 10};
    FakeSprite beamSprite{animationView, 50, 25};

    MainWindowControls controls;

private:
    std::array<std::unique_ptr<FakeControl>, AllControls.size()> m_controls;
    std::unique_ptr<Simulation> m_simulation;
};
