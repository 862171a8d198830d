#pragma once

#include "Axes.h"
#include "DropletRun.h"
#include "Ekran.h"
#include "ExperimentProcedure.h"
#include "ExperimentState.h"
#include "Parameters.h"
#include "ParameterInputs.h"
#include "Pause.h"
#include "PlotRanges.h"
#include "ResetPass.h"
#include "Sound.h"
#include "ViewSelector.h"
#include "WindowProcedures.h"

#include "Form1Controls.h"
#include "Services.h"

#include <QLocale>

#include <cstdint>

class FormWindow;

/// The main window's state and every procedure and event handler of it that
/// does not need a widget: the window (or a test) builds the controls, hands
/// them over through Form1Controls and routes the controls' events here.
class Form1Procedures : public WindowProcedures {
public:
    Form1Procedures(const Form1Controls& controls, const FormWindow& window, const Services& services,
                    const QLocale& locale = QLocale());
    Form1Procedures(const Form1Procedures&) = delete;
    Form1Procedures& operator=(const Form1Procedures&) = delete;

    ExperimentState& state() { return m_state; }
    const ExperimentState& state() const { return m_state; }

    /// The window is about to close: asks for confirmation; Yes ends the
    /// program, No sets `Cancel` to 1 and leaves everything as it was.
    void Form_Unload(std::int16_t& Cancel);

    // WindowProcedures
    void Form_Resize() override { m_reset.Form_Resize(); }
    void minmax() override { m_ranges.minmax(); }
    void minmax_2() override { m_ranges.minmax_2(); }
    void axes_2() override { m_axes.axes_2(); }
    void axes_3() override { m_axes.axes_3(); }

    void predvar() { m_parameters.predvar(); }
    void parametr() { m_parameters.parametr(); }
    void ekran() { m_ekran.ekran(); }
    void axes() { m_axes.axes(); }
    void raschet3() { m_run.raschet3(); }
    void Wait(double seconds) { m_pause.Wait(seconds); }
    void beep1(double temp) { m_sound.beep1(temp); }
    void beep2(double temp) { m_sound.beep2(temp); }

    // Event handlers.
    void CmdOK_Click() { m_procedure.CmdOK_Click(); }
    void Command1_Click() { m_procedure.Command1_Click(); }
    void Command2_Click() { m_procedure.Command2_Click(); }
    void Label15_Click() { m_procedure.Label15_Click(); }
    void Label21_Click() { m_procedure.Label21_Click(); }
    void HScroll1_Change() { m_run.HScroll1_Change(); }
    void Timer1_Timer() { m_pause.Timer1_Timer(); }
    void Option1_Click() { m_views.Option1_Click(); }
    void Option2_Click() { m_views.Option2_Click(); }
    void Option3_Click() { m_views.Option3_Click(); }
    void Text1_Change() { m_inputs.Text1_Change(); }
    void Text2_Change() { m_inputs.Text2_Change(); }
    void Text4_Change() { m_inputs.Text4_Change(); }
    void Text5_Change() { m_inputs.Text5_Change(); }
    void Text6_Change() { m_inputs.Text6_Change(); }
    void Text7_Change() { m_inputs.Text7_Change(); }

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
    PlotRanges m_ranges;
    Axes m_axes;
    ViewSelector m_views;
    Ekran m_ekran;
    ResetPass m_reset;
    ExperimentProcedure m_procedure;
    ParameterInputs m_inputs;
};
