#pragma once

#include "FakeControl.h"
#include "FakeFormWindow.h"
#include "FakeServices.h"
#include "FakeSprite.h"
#include "RecordingCanvas.h"

#include "Form1Procedures.h"

#include <QLocale>

#include <map>
#include <memory>
#include <string>

/// The main window's procedures on in-memory controls and services: no
/// display. The controls report their events to the procedures as the real
/// window's do.
class FakeForm {
public:
    explicit FakeForm(const QLocale& locale = QLocale(QLocale::Russian, QLocale::Russia));

    /// Start-up as the program does it: defaults with the gate closed, gate
    /// open, then the first layout pass of the first display.
    void start();

    /// A control by its name ("Label43", "Text1", ...).
    FakeControl& control(const std::string& name);

    Form1Procedures& procedures() { return *m_procedures; }
    ExperimentState& state() { return m_procedures->state(); }

    FakeServices fakes;
    FakeMessageBox& messageBox = fakes.messageBox;
    FakeToneGenerator& tones = fakes.tones;
    FakePauseTimer& timer = fakes.timer;
    FakeRandom& random = fakes.random;
    FakeTimeOfDay& clock = fakes.clock;
    FakeDesktopShell& shell = fakes.shell;
    FakeLifetime& lifetime = fakes.lifetime;
    FakeFormWindow window;

    RecordingCanvas Picture1{480, 504};
    RecordingCanvas Picture2{480, 252};
    RecordingCanvas Picture3{480, 252};
    FakeSprite Shape1{Picture1, 10, 10};
    FakeSprite Image1{Picture1, 50, 25};

    Form1Controls controls;

private:
    std::map<std::string, std::unique_ptr<FakeControl>> m_controls;
    std::unique_ptr<Form1Procedures> m_procedures;
};
