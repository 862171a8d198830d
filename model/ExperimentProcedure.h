// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawingSurfaces.h"

#include <QCoreApplication>
#include <QString>

struct ExperimentState;
class Announcer;
class DropletRun;
class ExperimentObserver;
class ExperimentView;
class Lifetime;
class MessageBox;
class Pause;
class RunPreparation;
class Sound;

/// The student's side of the experiment: start, voltage, irradiation, the
/// verdict at the end of a run, and the two headings that show the charges.
class ExperimentProcedure {
    Q_DECLARE_TR_FUNCTIONS(ExperimentProcedure)

public:
    /// Title and text of the remark after an experiment without irradiation.
    static QString remarkTitle();
    static QString remarkText();
    /// What a screen reader is told at the end of a run, and of a correct experiment.
    static QString runEndedText();
    static QString correctText();

    ExperimentProcedure(ExperimentState& state, ExperimentView& view, const DrawingSurfaces& surfaces,
                        RunPreparation& preparation, DropletRun& run, Pause& pause, Sound& sound,
                        MessageBox& messageBox, const Lifetime& lifetime);

    /// "ПУСК": reset, prepare the plots, run the droplet, judge the experiment.
    void onStartClicked();
    /// "НАПРЯЖЕНИЕ": the field acts on the charge N2; the plates are marked by polarity.
    void onVoltageClicked();
    /// "СВЕТ": the charge becomes N3; the beam flashes for 1.5 s; the experiment counts.
    void onLightClicked();
    /// Heading "Характеристики": the true charges for 3 s.
    void onCharacteristicsClicked();
    /// Heading "Скорости": ratio and difference of the charges from the limiting velocities, for 3 s.
    void onVelocitiesClicked();

    /// Told of the experiment's course (the laboratory); none by default.
    void setObserver(ExperimentObserver* observer) { m_observer = observer; }
    /// Tells screen readers of the end of a run and of the verdict; none by default.
    void setAnnouncer(Announcer* announcer) { m_announcer = announcer; }

private:
    ExperimentState& m_state;
    ExperimentView& m_view;
    DrawingSurfaces m_surfaces;
    RunPreparation& m_preparation;
    DropletRun& m_run;
    Pause& m_pause;
    Sound& m_sound;
    MessageBox& m_messageBox;
    const Lifetime& m_lifetime;
    ExperimentObserver* m_observer = nullptr;
    Announcer* m_announcer = nullptr;
};
