#pragma once

#include <QLocale>
#include <QString>

struct ExperimentState;
struct Form1Controls;
class DropletRun;
class Lifetime;
class MessageBox;
class Pause;
class Sound;
class WindowProcedures;

/// The student's side of the experiment: start, voltage, irradiation, the
/// verdict at the end of a run, and the two headings that show the charges.
class ExperimentProcedure {
public:
    /// Title and text of the remark after an experiment without irradiation.
    static const QString RemarkTitle;
    static const QString RemarkText;

    ExperimentProcedure(ExperimentState& state, const Form1Controls& controls, WindowProcedures& window,
                        DropletRun& run, Pause& pause, Sound& sound, MessageBox& messageBox,
                        const Lifetime& lifetime, const QLocale& locale = QLocale());

    /// "ПУСК": reset, prepare the plots, run the droplet, judge the experiment.
    void CmdOK_Click();
    /// "НАПРЯЖЕНИЕ": the field acts on the charge N2; the plates are marked by polarity.
    void Command1_Click();
    /// "СВЕТ": the charge becomes N3; the beam flashes for 1.5 s; the experiment counts.
    void Command2_Click();
    /// Heading "Характеристики": the true charges for 3 s.
    void Label15_Click();
    /// Heading "Скорости": ratio and difference of the charges from the limiting velocities, for 3 s.
    void Label21_Click();

private:
    ExperimentState& m_state;
    const Form1Controls& m_controls;
    WindowProcedures& m_window;
    DropletRun& m_run;
    Pause& m_pause;
    Sound& m_sound;
    MessageBox& m_messageBox;
    const Lifetime& m_lifetime;
    QLocale m_locale;
};
