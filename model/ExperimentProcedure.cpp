#include "ExperimentProcedure.h"

#include "DropletRun.h"
#include "ExperimentState.h"
#include "NumberFormat.h"
#include "Pause.h"
#include "Sound.h"
#include "RunPreparation.h"

#include "MainWindowControls.h"
#include "Lifetime.h"
#include "MessageBox.h"

const QString ExperimentProcedure::RemarkTitle = QStringLiteral("ЗАМЕЧАНИЕ");
const QString ExperimentProcedure::RemarkText =
    QStringLiteral("Опвт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.");

ExperimentProcedure::ExperimentProcedure(ExperimentState& state, const MainWindowControls& controls,
                                         RunPreparation& window, DropletRun& run, Pause& pause, Sound& sound,
                                         MessageBox& messageBox, const Lifetime& lifetime, const QLocale& locale)
    : m_state(state), m_controls(controls), m_window(window), m_run(run), m_pause(pause), m_sound(sound),
      m_messageBox(messageBox), m_lifetime(lifetime), m_locale(locale)
{
}

void ExperimentProcedure::onStartClicked()
{
    const MainWindowControls& c = m_controls;
    m_window.resetWindow();
    c.voltageButton->setEnabled(true);
    c.lightButton->setEnabled(true);
    m_state.wasIrradiated = 0;
    c.coordinatePlot->clear();
    c.velocityPlot->clear();
    m_window.setAnimationScale();
    m_window.setPlotScales();
    m_window.drawCoordinateBackground();
    m_window.drawVelocityBackground();

    m_run.runDroplet();
    if (m_lifetime.isEnding())
        return;

    c.voltageButton->setEnabled(false);
    c.lightButton->setEnabled(false);
    if (m_state.wasIrradiated != 0) {
        m_sound.playSignalTone(50);
    } else {
        m_sound.playFailureMelody(100);
        m_messageBox.showMessage(RemarkTitle, RemarkText);
    }
}

void ExperimentProcedure::onVoltageClicked()
{
    const ExperimentState& s = m_state;
    Canvas& view = *m_controls.animationView;
    m_controls.limitingVelocity2Readout->setVisible(true);
    m_state.activeChargeNumber = s.N2;

    // The plate at the lower potential is drawn red, the other blue.
    view.setDrawWidth(7);
    const bool upperNegative = s.Ux < 0;
    view.drawLine(0, 0, static_cast<float>(s.viewWidth), 0, upperNegative ? Colors::Red : Colors::Blue);
    view.drawLine(0, static_cast<float>(s.reducedGap), static_cast<float>(s.viewWidth), static_cast<float>(s.reducedGap),
              upperNegative ? Colors::Blue : Colors::Red);
}

void ExperimentProcedure::onLightClicked()
{
    ExperimentState& s = m_state;
    Sprite& beam = *m_controls.beamSprite;
    m_controls.limitingVelocity3Readout->setVisible(true);
    s.activeChargeNumber = s.N3;

    // The beam's lower right corner at the droplet.
    beam.setLeft(s.X - beam.userWidth());
    beam.setTop(s.Y - beam.userHeight());
    beam.setVisible(true);
    m_pause.wait(1.5);
    if (m_lifetime.isEnding())
        return;
    beam.setVisible(false);
    s.wasIrradiated = 1;
}

void ExperimentProcedure::onCharacteristicsClicked()
{
    const MainWindowControls& c = m_controls;
    c.charge2Readout->setVisible(true);
    c.charge3Readout->setVisible(true);
    c.charge2Readout->setText(QStringLiteral("q2= ") + NumberFormat::format(m_state.N2, u"0.0", m_locale) + u'e');
    c.charge3Readout->setText(QStringLiteral("q3= ") + NumberFormat::format(m_state.N3, u"0.0", m_locale) + u'e');
    m_sound.playSignalTone(25);
    m_pause.wait(3);
    if (m_lifetime.isEnding())
        return;
    c.charge2Readout->setVisible(false);
    c.charge3Readout->setVisible(false);
}

void ExperimentProcedure::onVelocitiesClicked()
{
    const ExperimentState& s = m_state;
    const MainWindowControls& c = m_controls;
    c.chargeRatioReadout->setVisible(true);
    c.chargeDifferenceReadout->setVisible(true);
    // V − 1 = N·a, so these are N3/N2 and N3 − N2 up to rounding.
    const double ratio = (s.V3max - 1) / (s.V2max - 1);
    const double difference = (s.V3max - s.V2max) / s.forceRatio;
    c.chargeRatioReadout->setText(QStringLiteral("q3/q2= ") + NumberFormat::format(ratio, u"0.000", m_locale) + u' ');
    c.chargeDifferenceReadout->setText(QStringLiteral("q3-q2= ") + NumberFormat::format(difference, u"0.000", m_locale) + u'e');
    m_sound.playSignalTone(25);
    m_pause.wait(3);
    if (m_lifetime.isEnding())
        return;
    c.chargeRatioReadout->setVisible(false);
    c.chargeDifferenceReadout->setVisible(false);
}
