// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "ClickableLabel.h"
#include "ParameterInputs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>

/// The six parameter inputs through the real text boxes: reading, rules,
/// messages, resets and the layout passes they cause.
class tst_inputs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void rejections_data();
    void rejections();
    void acceptedTexts_data();
    void acceptedTexts();
    void firstKeystrokeRejected();
    void typedKeyByKey_data();
    void typedKeyByKey();
    void undefinedChargeRatioShowsDash();
    void doubleRejection();
    void layoutPassesPerRejection();
    void viscosityInSinglePrecision();
    void outOfRange_data();
    void outOfRange();
    void outOfRangeResetFallsBackToLastAccepted();
    void startUpTextsAccepted();
    void editDuringRun();
};

namespace {

/// Replaces the whole text of an input, as a paste would.
void type(WindowFixture& w, ControlId input, const QString& text)
{
    w.widget<QLineEdit>(input)->setText(text);
}

/// The value the state holds for the parameter of an input.
double valueOf(const ExperimentState& s, ControlId input)
{
    switch (input) {
    case ControlId::plateGapEdit: return s.DD;
    case ControlId::voltageEdit: return s.Ux;
    case ControlId::diameterEdit: return s.d;
    case ControlId::dropletDensityEdit: return s.r;
    case ControlId::mediumDensityEdit: return s.r0;
    case ControlId::viscosityEdit: return static_cast<double>(s.eta);
    default: return 0;
    }
}

} // namespace

void tst_inputs::rejections_data()
{
    QTest::addColumn<ControlId>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("resetText");
    QTest::newRow("empty plate gap") << ControlId::plateGapEdit << ""
                                     << "Должно быть больше нуля!"
                                     << " 0.016";
    QTest::newRow("negative gap") << ControlId::plateGapEdit << "-0.02"
                                  << "Должно быть больше нуля!"
                                  << " 0.016";
    QTest::newRow("comma fraction reads 0") << ControlId::plateGapEdit << "0,02"
                                            << "Должно быть больше нуля!"
                                            << " 0.016";
    QTest::newRow("lone minus voltage") << ControlId::voltageEdit << "-"
                                        << "Нулевое напряжение бессмысленно!"
                                        << " 5000";
    QTest::newRow("minus zero voltage") << ControlId::voltageEdit << "-0"
                                        << "Нулевое напряжение бессмысленно!"
                                        << " 5000";
    QTest::newRow("empty voltage") << ControlId::voltageEdit << ""
                                   << "Нулевое напряжение бессмысленно!"
                                   << " 5000";
    QTest::newRow("empty diameter") << ControlId::diameterEdit << ""
                                    << "Это не материальная точка!"
                                    << " 1e-06";
    QTest::newRow("letters diameter") << ControlId::diameterEdit << "abc"
                                      << "Это не материальная точка!"
                                      << " 1e-06";
    QTest::newRow("empty density") << ControlId::dropletDensityEdit << ""
                                   << "Шарик из чего-то сделан!"
                                   << " 920";
    QTest::newRow("floating droplet") << ControlId::dropletDensityEdit << "1"
                                      << "Всплывание не моделируется!"
                                      << " 2.46";
    QTest::newRow("equal densities") << ControlId::dropletDensityEdit << "1.23"
                                     << "Всплывание не моделируется!"
                                     << " 2.46";
    QTest::newRow("empty medium") << ControlId::mediumDensityEdit << ""
                                  << "Для вакуума всё и так известно!"
                                  << " 1.23";
    QTest::newRow("medium as dense") << ControlId::mediumDensityEdit << "920"
                                     << "Всплывание не моделируется"
                                     << " 460";
    QTest::newRow("medium denser") << ControlId::mediumDensityEdit << "1000"
                                   << "Всплывание не моделируется"
                                   << " 460";
    QTest::newRow("empty viscosity") << ControlId::viscosityEdit << ""
                                     << "Для вакуума всё и так известно!"
                                     << " 1.8e-05";
    QTest::newRow("negative viscosity") << ControlId::viscosityEdit << "-1e-5"
                                        << "Для вакуума всё и так известно!"
                                        << " 1.8e-05";
}

void tst_inputs::rejections()
{
    QFETCH(ControlId, input);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, resetText);
    WindowFixture w;
    w.show();
    w.fakes.tones.tones.clear();
    type(w, input, text);
    // The error signal, then the box, then the reset value in the field.
    QCOMPARE(w.fakes.tones.tones, (std::vector<std::pair<int, int>>{{880, 300}}));
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(w.fakes.messageBox.shown[0].text, message);
    QVERIFY(!w.fakes.messageBox.shown[0].question);
    QCOMPARE(w.widget<QLineEdit>(input)->text(), resetText);
}

void tst_inputs::acceptedTexts_data()
{
    QTest::addColumn<ControlId>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("trailing garbage") << ControlId::plateGapEdit << "12abc" << 12.0;
    QTest::newRow("blanks inside digits") << ControlId::voltageEdit << "1 000" << 1000.0;
    QTest::newRow("negative voltage") << ControlId::voltageEdit << "-300" << -300.0;
    QTest::newRow("exponent") << ControlId::diameterEdit << "5.52e-6" << 5.52e-6;
    QTest::newRow("exponent with D") << ControlId::diameterEdit << "3D-6" << 3e-6;
    QTest::newRow("comma ends number") << ControlId::dropletDensityEdit << "1000,5" << 1000.0;
    QTest::newRow("medium") << ControlId::mediumDensityEdit << "800" << 800.0;
}

void tst_inputs::acceptedTexts()
{
    QFETCH(ControlId, input);
    QFETCH(QString, text);
    QFETCH(double, value);
    WindowFixture w;
    w.show();
    type(w, input, text);
    QVERIFY(w.fakes.messageBox.shown.empty());
    const ExperimentState& s = w.state();
    QCOMPARE(valueOf(s, input), value);
    // The text stays as typed.
    QCOMPARE(w.widget<QLineEdit>(input)->text(), text);
}

void tst_inputs::firstKeystrokeRejected()
{
    WindowFixture w;
    w.show();
    auto* edit = w.widgets().plateGapEdit;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("0.02"));
    // "0" is rejected at once and the field shows 0.016 again; the rest of the
    // typing then edits that text.
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].text, QStringLiteral("Должно быть больше нуля!"));
    QVERIFY(edit->text().startsWith(QStringLiteral(" 0.016")));
    QVERIFY(w.state().DD > 0);
}

void tst_inputs::typedKeyByKey_data()
{
    // What a student types into the selected field, key by key, the other
    // fields at their defaults. A text whose first key the field's own rule
    // rejects ("0" for the gap, a lone "-" for the voltage) is typed digits
    // first, then completed at its start.
    QTest::addColumn<ControlId>("input");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<double>("value");
    QTest::newRow("gap 0.016") << ControlId::plateGapEdit << "16"
                               << "0.0" << 0.016;
    QTest::newRow("gap 0.005") << ControlId::plateGapEdit << "5"
                               << "0.00" << 0.005;
    QTest::newRow("voltage -5085") << ControlId::voltageEdit << "5085"
                                   << "-" << -5085.0;
    QTest::newRow("voltage 300") << ControlId::voltageEdit << "300"
                                 << "" << 300.0;
    QTest::newRow("voltage -12") << ControlId::voltageEdit << "12"
                                 << "-" << -12.0;
    QTest::newRow("diameter 5.52e-6") << ControlId::diameterEdit << "5.52e-6"
                                      << "" << 5.52e-6;
    QTest::newRow("diameter 2.5e-6") << ControlId::diameterEdit << "2.5e-6"
                                     << "" << 2.5e-6;
    QTest::newRow("diameter 1e-3") << ControlId::diameterEdit << "1e-3"
                                   << "" << 1e-3;
    QTest::newRow("diameter 1.1e-6") << ControlId::diameterEdit << "1.1e-6"
                                     << "" << 1.1e-6;
    QTest::newRow("density 920") << ControlId::dropletDensityEdit << "920"
                                 << "" << 920.0;
    QTest::newRow("density 860") << ControlId::dropletDensityEdit << "860"
                                 << "" << 860.0;
    QTest::newRow("medium 1.23") << ControlId::mediumDensityEdit << "1.23"
                                 << "" << 1.23;
    QTest::newRow("medium 860") << ControlId::mediumDensityEdit << "860"
                                << "" << 860.0;
    QTest::newRow("viscosity 1.82e-5") << ControlId::viscosityEdit << "1.82e-5"
                                       << "" << static_cast<double>(1.82e-5f);
    QTest::newRow("viscosity 1.0e-3") << ControlId::viscosityEdit << "1.0e-3"
                                      << "" << static_cast<double>(1.0e-3f);
}

void tst_inputs::typedKeyByKey()
{
    QFETCH(ControlId, input);
    QFETCH(QString, keys);
    QFETCH(QString, atStart);
    QFETCH(double, value);
    WindowFixture w;
    w.show();
    auto* edit = w.widget<QLineEdit>(input);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    if (!atStart.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, atStart);
    }
    QVERIFY2(w.fakes.messageBox.shown.empty(),
             qPrintable(w.fakes.messageBox.shown.empty() ? QString() : w.fakes.messageBox.shown[0].text));
    QCOMPARE(edit->text(), atStart + keys);
    const ExperimentState& s = w.state();
    QCOMPARE(valueOf(s, input), value);
}

void tst_inputs::undefinedChargeRatioShowsDash()
{
    // A voltage so small that the limiting velocities are 1 to the last bit:
    // the droplet can be run, only the charge ratio is 0/0.
    WindowFixture w;
    w.show();
    type(w, ControlId::voltageEdit, QStringLiteral("1e-300"));
    QVERIFY(w.fakes.messageBox.shown.empty());
    QCOMPARE(w.state().V2max, 1.0);
    w.widgets().velocitiesHeading->clicked();
    QCOMPARE(w.widgets().chargeRatioReadout->text(), QStringLiteral("q3/q2= — "));
}

void tst_inputs::doubleRejection()
{
    WindowFixture w;
    w.show();
    type(w, ControlId::dropletDensityEdit, QStringLiteral("1000"));
    type(w, ControlId::mediumDensityEdit, QStringLiteral("950"));
    QVERIFY(w.fakes.messageBox.shown.empty());
    w.fakes.tones.tones.clear();
    type(w, ControlId::dropletDensityEdit, QStringLiteral("0"));
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(2));
    QCOMPARE(w.fakes.messageBox.shown[0].text, QStringLiteral("Шарик из чего-то сделан!"));
    QCOMPARE(w.fakes.messageBox.shown[1].text, QStringLiteral("Всплывание не моделируется!"));
    QCOMPARE(w.state().r, 1900.0);
    QCOMPARE(w.widgets().dropletDensityEdit->text(), QStringLiteral(" 1900"));
    QCOMPARE(w.fakes.tones.tones.size(), std::size_t(2));

    // The medium's double rejection: 1.23 is no lighter than a droplet of 1.
    WindowFixture v;
    v.show();
    type(v, ControlId::mediumDensityEdit, QStringLiteral("0.5"));
    type(v, ControlId::dropletDensityEdit, QStringLiteral("1"));
    QVERIFY(v.fakes.messageBox.shown.empty());
    type(v, ControlId::mediumDensityEdit, QStringLiteral("0"));
    QCOMPARE(v.fakes.messageBox.shown.size(), std::size_t(2));
    QCOMPARE(v.fakes.messageBox.shown[0].text, QStringLiteral("Для вакуума всё и так известно!"));
    QCOMPARE(v.fakes.messageBox.shown[1].text, QStringLiteral("Всплывание не моделируется"));
    QCOMPARE(v.state().r0, 0.5);
}

void tst_inputs::layoutPassesPerRejection()
{
    // Layout passes are counted by the charges drawn: one pair per pass.
    WindowFixture w;
    w.show();
    auto passes = [&] { return w.fakes.random.seeds.size(); };
    std::size_t before = passes();
    type(w, ControlId::plateGapEdit, QStringLiteral("0.02"));
    QCOMPARE(passes() - before, std::size_t(1));
    before = passes();
    type(w, ControlId::plateGapEdit, QStringLiteral("0"));
    QCOMPARE(passes() - before, std::size_t(2)); // nested and outer
    type(w, ControlId::dropletDensityEdit, QStringLiteral("1000"));
    type(w, ControlId::mediumDensityEdit, QStringLiteral("950"));
    before = passes();
    type(w, ControlId::dropletDensityEdit, QStringLiteral("0"));
    QCOMPARE(passes() - before, std::size_t(3)); // double rejection
    QCOMPARE(w.form->simulation().inputs().deepestNesting(), 3);
}

void tst_inputs::viscosityInSinglePrecision()
{
    WindowFixture w;
    w.show();
    type(w, ControlId::viscosityEdit, QStringLiteral("1.7e-5"));
    QCOMPARE(w.state().eta, 1.7e-5f);
    QVERIFY(static_cast<double>(w.state().eta) != 1.7e-5);
    type(w, ControlId::viscosityEdit, QStringLiteral("0"));
    QCOMPARE(w.state().eta, 1.8e-5f);
    QCOMPARE(w.widgets().viscosityEdit->text(), QStringLiteral(" 1.8e-05"));
    QCOMPARE(w.widgets().relaxationTimeReadout->text(), QStringLiteral("tau = 8,652E-05 c"));
}

void tst_inputs::outOfRange_data()
{
    QTest::addColumn<ControlId>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resetText");
    QTest::newRow("beyond a double") << ControlId::plateGapEdit << "1e999"
                                     << " 0.016";
    QTest::newRow("negative beyond a double") << ControlId::voltageEdit << "-1e999"
                                              << " 5000";
    QTest::newRow("huge diameter") << ControlId::diameterEdit << "1e200"
                                   << " 1e-06";
    QTest::newRow("tiny gap") << ControlId::plateGapEdit << "1e-320"
                              << " 0.016";
    QTest::newRow("huge density") << ControlId::dropletDensityEdit << "1e300"
                                  << " 920";
    QTest::newRow("tiny viscosity") << ControlId::viscosityEdit << "1e-45"
                                    << " 1.8e-05";
    QTest::newRow("huge viscosity") << ControlId::viscosityEdit << "1e39"
                                    << " 1.8e-05";
}

void tst_inputs::outOfRange()
{
    QFETCH(ControlId, input);
    QFETCH(QString, text);
    QFETCH(QString, resetText);
    WindowFixture w;
    w.show();
    type(w, input, text);
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(w.fakes.messageBox.shown[0].text, ParameterInputs::outOfRangeMessage());
    QCOMPARE(w.widget<QLineEdit>(input)->text(), resetText);
    // No read-out shows anything but a number.
    const MainWindowWidgets& widgets = w.widgets();
    for (const QLabel* label : {widgets.massReadout, widgets.fieldStrengthReadout, widgets.relaxationTimeReadout,
                                widgets.terminalVelocityReadout, widgets.forceRatioReadout,
                                widgets.limitingVelocity2Readout, widgets.limitingVelocity3Readout}) {
        const QString shown = label->text();
        QVERIFY2(!shown.contains(QStringLiteral("inf")) && !shown.contains(QStringLiteral("nan"))
                     && !shown.contains(u'—'),
                 qPrintable(shown));
    }
    const ExperimentState& s = w.state();
    for (const double v : {s.mass, s.Ex, static_cast<double>(s.tau), s.Vg, s.forceRatio, s.V2max, s.V3max, s.reducedGap,
                           s.plotTimeSpan, s.timeStep})
        QVERIFY(std::isfinite(v));
}

void tst_inputs::outOfRangeResetFallsBackToLastAccepted()
{
    // With a very thin medium and a dense droplet, the density's own reset
    // (920) is lighter than the medium: the field falls back to its last
    // accepted value instead.
    WindowFixture w;
    w.show();
    type(w, ControlId::dropletDensityEdit, QStringLiteral("3000"));
    type(w, ControlId::mediumDensityEdit, QStringLiteral("2000"));
    QVERIFY(w.fakes.messageBox.shown.empty());
    type(w, ControlId::dropletDensityEdit, QStringLiteral("1e400"));
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.state().r, 3000.0);
    QCOMPARE(w.widgets().dropletDensityEdit->text(), QStringLiteral(" 3000"));
}

void tst_inputs::startUpTextsAccepted()
{
    WindowFixture w;
    // All six texts validated at creation, none rejected, no pass before the gate opened.
    QVERIFY(w.fakes.messageBox.shown.empty());
    QVERIFY(w.fakes.tones.tones.empty());
    QVERIFY(w.fakes.random.seeds.empty());
    QCOMPARE(w.form->simulation().inputs().deepestNesting(), 1);
    const ExperimentState& s = w.state();
    QCOMPARE(s.DD, 0.016);
    QCOMPARE(s.Ux, -5085.0);
    QCOMPARE(s.eta, 1.82e-5f);
}

void tst_inputs::editDuringRun()
{
    WindowFixture w;
    w.show();
    bool edited = false;
    w.fakes.timer.during[10] = [&] {
        type(w, ControlId::plateGapEdit, QStringLiteral("0.032"));
        // At once, between two steps: new grid, buttons disabled, animation view shown.
        QVERIFY(!w.widgets().voltageButton->isEnabled());
        QVERIFY(w.widgets().animationView->isVisibleTo(w.form.get()));
        edited = true;
    };
    w.widgets().startButton->click();
    QVERIFY(edited);
    QCOMPARE(w.state().DD, 0.032);
    QVERIFY(w.state().Y >= 0.99 * w.state().reducedGap);
}

QTEST_MAIN(tst_inputs)
#include "tst_inputs.moc"
