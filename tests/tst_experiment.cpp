// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "QtSprite.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

/// Whole experiments and layout passes through the real window (offscreen),
/// with recorded tones and boxes and zero-length pauses.
class tst_experiment : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void correctExperimentThroughButtons();
    void headingsByMouse();
    void otherHeadingDoesNothing();
    void resizeWhileGateClosedChangesNothing();
    void everyPassResetsWindow_data();
    void everyPassResetsWindow();
    void plotsKeepCurvesWhileHidden();
};

namespace {

/// Rows of the animation view painted in the rules' light green, in the middle column.
int greenRows(CanvasWidget* view)
{
    const QImage image = view->image().convertToFormat(QImage::Format_RGB32);
    const int x = image.width() * 3 / 4;
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += image.pixelColor(x, y) == QColor(128, 255, 128);
    return rows;
}

} // namespace

void tst_experiment::correctExperimentThroughButtons()
{
    WindowFixture w;
    w.show();
    w.fakes.random.values = {0.25f, 0.65f}; // the start draws N2 = 3, N3 = 7
    bool pressed = false;
    w.fakes.timer.during[20] = [&] {
        QVERIFY(w.widgets().voltageButton->isEnabled());
        QTest::mouseClick(w.widgets().voltageButton, Qt::LeftButton);
    };
    w.fakes.timer.during[50] = [&] {
        QTest::mouseClick(w.widgets().lightButton, Qt::LeftButton);
        pressed = true;
    };
    QTest::mouseClick(w.widgets().startButton, Qt::LeftButton);
    QVERIFY(pressed);
    QCOMPARE(w.fakes.tones.tones, (std::vector<std::pair<int, int>>{{880, 600}}));
    QVERIFY(w.fakes.messageBox.shown.empty());
    QVERIFY(w.widgets().limitingVelocity2Readout->isVisibleTo(w.form.get()));
    QVERIFY(w.widgets().limitingVelocity3Readout->isVisibleTo(w.form.get()));
    QCOMPARE(w.widgets().limitingVelocity2Readout->text(), QStringLiteral("V2max= 6,773E-04 м/c"));
    QVERIFY(!w.widgets().voltageButton->isEnabled());
    QVERIFY(!w.widgets().lightButton->isEnabled());
    QVERIFY(w.widgets().startButton->isEnabled());
    // The disabled buttons do nothing after the run.
    QTest::mouseClick(w.widgets().lightButton, Qt::LeftButton);
    QCOMPARE(w.state().wasIrradiated, std::int16_t(1));
    QCOMPARE(w.fakes.timer.intervals.back(), 50);
}

void tst_experiment::headingsByMouse()
{
    WindowFixture w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    bool shown = false;
    w.fakes.timer.during[1] = [&] {
        QVERIFY(w.widgets().chargeRatioReadout->isVisibleTo(w.form.get()));
        QCOMPARE(w.widgets().chargeRatioReadout->text(), QStringLiteral("q3/q2= 2,333 "));
        QCOMPARE(w.widgets().chargeDifferenceReadout->text(), QStringLiteral("q3-q2= 4,000e"));
        shown = true;
    };
    QTest::mouseClick(w.widgets().velocitiesHeading, Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!w.widgets().chargeRatioReadout->isVisibleTo(w.form.get()));
    QTest::mouseClick(w.widgets().characteristicsHeading, Qt::LeftButton);
    QCOMPARE(w.widgets().charge2Readout->text(), QStringLiteral("q2= 3,0e"));
    QCOMPARE(w.fakes.tones.tones.size(), std::size_t(2));
}

void tst_experiment::otherHeadingDoesNothing()
{
    WindowFixture w;
    w.show();
    QTest::mouseClick(w.widgets().parametersHeading, Qt::LeftButton);
    QTest::mouseClick(w.widgets().massReadout, Qt::LeftButton);
    QVERIFY(w.fakes.tones.tones.empty());
    QCOMPARE(w.fakes.timer.pauses, 0);
}

void tst_experiment::resizeWhileGateClosedChangesNothing()
{
    WindowFixture w;
    w.show();
    const QRect panel = w.widgets().parametersHeading->geometry();
    const std::size_t passes = w.fakes.random.seeds.size();
    w.state().startUpDone = 0;
    w.form->resize(w.form->width() + 200, w.form->height() + 100);
    QTRY_COMPARE(w.form->clientArea()->width(), 680);
    QCOMPARE(w.widgets().parametersHeading->geometry(), panel);
    QCOMPARE(w.fakes.random.seeds.size(), passes);
    w.state().startUpDone = 1;
    w.form->resize(w.form->width() + 1, w.form->height());
    QTRY_COMPARE(w.widgets().parametersHeading->geometry().x(), panel.x() + 201);
}

void tst_experiment::everyPassResetsWindow_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("same size") << QSize(480, 512);
    QTest::newRow("larger") << QSize(1000, 700);
    QTest::newRow("narrower than the panel") << QSize(200, 300);
}

void tst_experiment::everyPassResetsWindow()
{
    QFETCH(QSize, client);
    WindowFixture w;
    w.show();
    // Mid-experiment: plots, read-outs and buttons as a run leaves them.
    w.fakes.timer.during[10] = [&] {
        w.widgets().voltageButton->click();
        w.widgets().velocityOption->setChecked(true);
        w.fakes.random.values = {0.95f, 0.05f};
        const QString before = w.widgets().limitingVelocity2Readout->text();
        // A layout pass in the middle of the run.
        if (client == w.form->clientArea()->size())
            w.form->simulation().reset().resetWindow();
        else
            QVERIFY(w.resizeClientArea(client));
        QTRY_COMPARE(w.form->clientArea()->size(), client);
        for (const ControlId hidden :
             {ControlId::limitingVelocity2Readout, ControlId::limitingVelocity3Readout, ControlId::charge2Readout,
              ControlId::charge3Readout, ControlId::chargeRatioReadout, ControlId::chargeDifferenceReadout,
              ControlId::coordinatePlot, ControlId::velocityPlot, ControlId::beamSprite})
            QVERIFY2(!w.widget(hidden)->isVisibleTo(w.form.get()), controlName(hidden));
        QVERIFY(!w.widgets().voltageButton->isEnabled());
        QVERIFY(!w.widgets().lightButton->isEnabled());
        QVERIFY(w.widgets().animationView->isVisibleTo(w.form.get()));
        QVERIFY(w.widgets().animationOption->isChecked());
        auto* view = w.widgets().animationView;
        if (view->height() > 20 && view->width() > 4) {
            QVERIFY(greenRows(view) >= 10); // the eleventh rule lies on the bottom edge
            QVERIFY(greenRows(view) <= 11);
        }
        QCOMPARE(w.widgets().dropletMarker->pos().y(), -5);
        // New charges were drawn: 10 and 1.
        QVERIFY(w.widgets().limitingVelocity2Readout->text() != before);
        QCOMPARE(w.state().N2, 10.0);
    };
    w.widgets().startButton->click();
    QVERIFY(w.fakes.timer.pauses > 10);
}

void tst_experiment::plotsKeepCurvesWhileHidden()
{
    WindowFixture w;
    w.show();
    w.fakes.timer.during[50] = [&] { w.widgets().velocityOption->setChecked(true); };
    w.widgets().startButton->click();
    // The velocity curve drawn while the plot was hidden is there when it is shown.
    auto* plot = w.widgets().velocityPlot;
    QVERIFY(plot->isVisible());
    const QImage image = plot->image().convertToFormat(QImage::Format_RGB32);
    int red = 0;
    for (int x = 0; x < image.width() / 3; ++x)
        for (int y = 0; y < image.height(); ++y)
            red += image.pixelColor(x, y) == QColor(Qt::red);
    QVERIFY(red > 20);
}

QTEST_MAIN(tst_experiment)
#include "tst_experiment.moc"
