#include "ExperimentProcedure.h"

#include "DropletRun.h"
#include "ExperimentState.h"
#include "NumberFormat.h"
#include "Pause.h"
#include "Sound.h"
#include "WindowProcedures.h"

#include "Form1Controls.h"
#include "Lifetime.h"
#include "MessageBox.h"

const QString ExperimentProcedure::RemarkTitle = QStringLiteral("ЗАМЕЧАНИЕ");
const QString ExperimentProcedure::RemarkText =
    QStringLiteral("Опвт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.");

ExperimentProcedure::ExperimentProcedure(ExperimentState& state, const Form1Controls& controls,
                                         WindowProcedures& window, DropletRun& run, Pause& pause, Sound& sound,
                                         MessageBox& messageBox, const Lifetime& lifetime, const QLocale& locale)
    : m_state(state), m_controls(controls), m_window(window), m_run(run), m_pause(pause), m_sound(sound),
      m_messageBox(messageBox), m_lifetime(lifetime), m_locale(locale)
{
}

void ExperimentProcedure::CmdOK_Click()
{
    const Form1Controls& c = m_controls;
    m_window.Form_Resize();
    c.Command1->setEnabled(true);
    c.Command2->setEnabled(true);
    m_state.proverka = 0;
    c.Picture2->Cls();
    c.Picture3->Cls();
    m_window.minmax();
    m_window.minmax_2();
    m_window.axes_2();
    m_window.axes_3();

    m_run.raschet3();
    if (m_lifetime.isEnding())
        return;

    c.Command1->setEnabled(false);
    c.Command2->setEnabled(false);
    if (m_state.proverka != 0) {
        m_sound.beep2(50);
    } else {
        m_sound.beep1(100);
        m_messageBox.showMessage(RemarkTitle, RemarkText);
    }
}

void ExperimentProcedure::Command1_Click()
{
    const ExperimentState& s = m_state;
    Canvas& view = *m_controls.Picture1;
    m_controls.Label24->setVisible(true);
    m_state.Nq = s.N2;

    // The plate at the lower potential is drawn red, the other blue.
    view.setDrawWidth(7);
    const bool upperNegative = s.Ux < 0;
    view.Line(0, 0, static_cast<float>(s.xmax), 0, upperNegative ? Colors::Red : Colors::Blue);
    view.Line(0, static_cast<float>(s.DDx), static_cast<float>(s.xmax), static_cast<float>(s.DDx),
              upperNegative ? Colors::Blue : Colors::Red);
}

void ExperimentProcedure::Command2_Click()
{
    ExperimentState& s = m_state;
    Sprite& beam = *m_controls.Image1;
    m_controls.Label25->setVisible(true);
    s.Nq = s.N3;

    // The beam's lower right corner at the droplet.
    beam.setLeft(s.X - beam.Width());
    beam.setTop(s.Y - beam.Height());
    beam.setVisible(true);
    m_pause.Wait(1.5);
    if (m_lifetime.isEnding())
        return;
    beam.setVisible(false);
    s.proverka = 1;
}

void ExperimentProcedure::Label15_Click()
{
    const Form1Controls& c = m_controls;
    c.Label17->setVisible(true);
    c.Label19->setVisible(true);
    c.Label17->setText(QStringLiteral("q2= ") + NumberFormat::format(m_state.N2, u"0.0", m_locale) + u'e');
    c.Label19->setText(QStringLiteral("q3= ") + NumberFormat::format(m_state.N3, u"0.0", m_locale) + u'e');
    m_sound.beep2(25);
    m_pause.Wait(3);
    if (m_lifetime.isEnding())
        return;
    c.Label17->setVisible(false);
    c.Label19->setVisible(false);
}

void ExperimentProcedure::Label21_Click()
{
    const ExperimentState& s = m_state;
    const Form1Controls& c = m_controls;
    c.Label26->setVisible(true);
    c.Label40->setVisible(true);
    // V − 1 = N·a, so these are N3/N2 and N3 − N2 up to rounding.
    const double ratio = (s.V3max - 1) / (s.V2max - 1);
    const double difference = (s.V3max - s.V2max) / s.aa;
    c.Label26->setText(QStringLiteral("q3/q2= ") + NumberFormat::format(ratio, u"0.000", m_locale) + u' ');
    c.Label40->setText(QStringLiteral("q3-q2= ") + NumberFormat::format(difference, u"0.000", m_locale) + u'e');
    m_sound.beep2(25);
    m_pause.Wait(3);
    if (m_lifetime.isEnding())
        return;
    c.Label26->setVisible(false);
    c.Label40->setVisible(false);
}
