#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "QtSprite.h"

#include <QLabel>
#include <QMenuBar>
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

QPushButton* button(WindowFixture& w, const char* name)
{
    return w.find<QPushButton>(name);
}

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
        QVERIFY(button(w, "voltageButton")->isEnabled());
        QTest::mouseClick(button(w, "voltageButton"), Qt::LeftButton);
    };
    w.fakes.timer.during[50] = [&] {
        QTest::mouseClick(button(w, "lightButton"), Qt::LeftButton);
        pressed = true;
    };
    QTest::mouseClick(button(w, "startButton"), Qt::LeftButton);
    QVERIFY(pressed);
    QCOMPARE(w.fakes.tones.tones, (std::vector<std::pair<int, int>>{{880, 600}}));
    QVERIFY(w.fakes.messageBox.shown.empty());
    QVERIFY(w.find("limitingVelocity2Readout")->isVisibleTo(w.form.get()));
    QVERIFY(w.find("limitingVelocity3Readout")->isVisibleTo(w.form.get()));
    QCOMPARE(w.find<QLabel>("limitingVelocity2Readout")->text(), QStringLiteral("V2max= 6,773E-04 м/c"));
    QVERIFY(!button(w, "voltageButton")->isEnabled());
    QVERIFY(!button(w, "lightButton")->isEnabled());
    QVERIFY(button(w, "startButton")->isEnabled());
    // The disabled buttons do nothing after the run.
    QTest::mouseClick(button(w, "lightButton"), Qt::LeftButton);
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
        QVERIFY(w.find("chargeRatioReadout")->isVisibleTo(w.form.get()));
        QCOMPARE(w.find<QLabel>("chargeRatioReadout")->text(), QStringLiteral("q3/q2= 2,333 "));
        QCOMPARE(w.find<QLabel>("chargeDifferenceReadout")->text(), QStringLiteral("q3-q2= 4,000e"));
        shown = true;
    };
    QTest::mouseClick(w.find("velocitiesHeading"), Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!w.find("chargeRatioReadout")->isVisibleTo(w.form.get()));
    QTest::mouseClick(w.find("characteristicsHeading"), Qt::LeftButton);
    QCOMPARE(w.find<QLabel>("charge2Readout")->text(), QStringLiteral("q2= 3,0e"));
    QCOMPARE(w.fakes.tones.tones.size(), std::size_t(2));
}

void tst_experiment::otherHeadingDoesNothing()
{
    WindowFixture w;
    w.show();
    QTest::mouseClick(w.find("parametersHeading"), Qt::LeftButton);
    QTest::mouseClick(w.find("massReadout"), Qt::LeftButton);
    QVERIFY(w.fakes.tones.tones.empty());
    QCOMPARE(w.fakes.timer.pauses, 0);
}

void tst_experiment::resizeWhileGateClosedChangesNothing()
{
    WindowFixture w;
    w.show();
    const QRect panel = w.find("parametersHeading")->geometry();
    const std::size_t passes = w.fakes.random.seeds.size();
    w.state().startUpDone = 0;
    w.form->resize(w.form->width() + 200, w.form->height() + 100);
    QTRY_COMPARE(w.form->clientArea()->width(), 680);
    QCOMPARE(w.find("parametersHeading")->geometry(), panel);
    QCOMPARE(w.fakes.random.seeds.size(), passes);
    w.state().startUpDone = 1;
    w.form->resize(w.form->width() + 1, w.form->height());
    QTRY_COMPARE(w.find("parametersHeading")->geometry().x(), panel.x() + 201);
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
        button(w, "voltageButton")->click();
        w.find<QRadioButton>("velocityOption")->setChecked(true);
        w.fakes.random.values = {0.95f, 0.05f};
        const QString before = w.find<QLabel>("limitingVelocity2Readout")->text();
        // A layout pass in the middle of the run.
        if (client == w.form->clientArea()->size())
            w.form->procedures().resetWindow();
        else
            w.form->resize(client.width(), client.height() + w.form->menuBar()->height());
        QTRY_COMPARE(w.form->clientArea()->size(), client);
        for (const char* hidden : {"limitingVelocity2Readout", "limitingVelocity3Readout", "charge2Readout", "charge3Readout", "chargeRatioReadout", "chargeDifferenceReadout", "coordinatePlot",
                                   "velocityPlot", "beamSprite"})
            QVERIFY2(!w.find(hidden)->isVisibleTo(w.form.get()), hidden);
        QVERIFY(!button(w, "voltageButton")->isEnabled());
        QVERIFY(!button(w, "lightButton")->isEnabled());
        QVERIFY(w.find("animationView")->isVisibleTo(w.form.get()));
        QVERIFY(w.find<QRadioButton>("animationOption")->isChecked());
        auto* view = w.find<CanvasWidget>("animationView");
        if (view->height() > 20 && view->width() > 4) {
            QVERIFY(greenRows(view) >= 10); // the eleventh rule lies on the bottom edge
            QVERIFY(greenRows(view) <= 11);
        }
        QCOMPARE(w.find<QtSprite>("dropletMarker")->pos().y(), -5);
        // New charges were drawn: 10 and 1.
        QVERIFY(w.find<QLabel>("limitingVelocity2Readout")->text() != before);
        QCOMPARE(w.state().N2, 10.0);
    };
    button(w, "startButton")->click();
    QVERIFY(w.fakes.timer.pauses > 10);
}

void tst_experiment::plotsKeepCurvesWhileHidden()
{
    WindowFixture w;
    w.show();
    w.fakes.timer.during[50] = [&] { w.find<QRadioButton>("velocityOption")->setChecked(true); };
    button(w, "startButton")->click();
    // The velocity curve drawn while the plot was hidden is there when it is shown.
    auto* plot = w.find<CanvasWidget>("velocityPlot");
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
