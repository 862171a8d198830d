#pragma once

#include "PlotBackgrounds.h"
#include "DropletRun.h"
#include "WindowLayout.h"
#include "ExperimentProcedure.h"
#include "ExperimentState.h"
#include "Parameters.h"
#include "ParameterInputs.h"
#include "Pause.h"
#include "PlotScales.h"
#include "WindowReset.h"
#include "Sound.h"
#include "ViewSelector.h"
#include "RunPreparation.h"

#include "MainWindowControls.h"
#include "Services.h"

#include <QLocale>

#include <cstdint>

class ClientArea;

/// The main window's state and every procedure and event handler of it that
/// does not need a widget: the window (or a test) builds the controls, hands
/// them over through MainWindowControls and routes the controls' events here.
class Simulation : public RunPreparation {
public:
    Simulation(const MainWindowControls& controls, const ClientArea& window, const Services& services,
                    const QLocale& locale = QLocale());
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    ExperimentState& state() { return m_state; }
    const ExperimentState& state() const { return m_state; }

    /// The window is about to close: asks for confirmation; Yes ends the
    /// program, No sets `Cancel` to 1 and leaves everything as it was.
    void confirmExit(std::int16_t& Cancel);

    // RunPreparation
    void resetWindow() override { m_reset.resetWindow(); }
    void setAnimationScale() override { m_ranges.setAnimationScale(); }
    void setPlotScales() override { m_ranges.setPlotScales(); }
    void drawCoordinateBackground() override { m_axes.drawCoordinateBackground(); }
    void drawVelocityBackground() override { m_axes.drawVelocityBackground(); }

    void setDefaultParameters() { m_parameters.setDefaultParameters(); }
    void updateDerivedQuantities() { m_parameters.updateDerivedQuantities(); }
    void apply() { m_ekran.apply(); }
    void drawAnimationBackground() { m_axes.drawAnimationBackground(); }
    void runDroplet() { m_run.runDroplet(); }
    void wait(double seconds) { m_pause.wait(seconds); }
    void playFailureMelody(double temp) { m_sound.playFailureMelody(temp); }
    void playSignalTone(double temp) { m_sound.playSignalTone(temp); }

    // Event handlers.
    void onStartClicked() { m_procedure.onStartClicked(); }
    void onVoltageClicked() { m_procedure.onVoltageClicked(); }
    void onLightClicked() { m_procedure.onLightClicked(); }
    void onCharacteristicsClicked() { m_procedure.onCharacteristicsClicked(); }
    void onVelocitiesClicked() { m_procedure.onVelocitiesClicked(); }
    void onSlowDownChanged() { m_run.onSlowDownChanged(); }
    void onTimerTick() { m_pause.onTimerTick(); }
    void onAnimationSelected() { m_views.onAnimationSelected(); }
    void onCoordinateSelected() { m_views.onCoordinateSelected(); }
    void onVelocitySelected() { m_views.onVelocitySelected(); }
    void onPlateGapEdited() { m_inputs.onPlateGapEdited(); }
    void onVoltageEdited() { m_inputs.onVoltageEdited(); }
    void onDiameterEdited() { m_inputs.onDiameterEdited(); }
    void onDropletDensityEdited() { m_inputs.onDropletDensityEdited(); }
    void onMediumDensityEdited() { m_inputs.onMediumDensityEdited(); }
    void onViscosityEdited() { m_inputs.onViscosityEdited(); }

    const ParameterInputs& inputs() const { return m_inputs; }

    /// Title and text of the exit confirmation.
    static const QString ExitTitle;
    static const QString ExitQuestion;

private:
    ExperimentState m_state;
    Services m_services;
    Pause m_pause;
    Sound m_sound;
    Parameters m_parameters;
    DropletRun m_run;
    PlotScales m_ranges;
    PlotBackgrounds m_axes;
    ViewSelector m_views;
    WindowLayout m_ekran;
    WindowReset m_reset;
    ExperimentProcedure m_procedure;
    ParameterInputs m_inputs;
};
