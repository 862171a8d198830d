#include "WindowLayout.h"
#include "FakeMainWindow.h"

#include <QtTest>

#include <cstring>
#include <map>
#include <set>
#include <string>

/// The layout pass as a pure computation from the client size, and the reset pass on fakes.
class tst_layout : public QObject {
    Q_OBJECT

private slots:
    void example800x600_data();
    void example800x600();
    void everyControlOnceInOrder();
    void slowDownLabelCentred_data();
    void slowDownLabelCentred();
    void narrowestWindow();
    void widthMovesPanelOnly();
    void heightMovesLowerBlockOnly();
    void tinySizesClamped_data();
    void tinySizesClamped();
    void resetPassGate();
    void resetPassSkippedWhenMinimised();
    void resetPassReturnsToStateBeforeExperiment();
};

namespace {

std::map<std::string, ControlGeometry> layout(double width, double height)
{
    std::map<std::string, ControlGeometry> result;
    for (const WindowLayout::Entry& entry : WindowLayout::compute(width, height))
        result[entry.name] = entry.geometry;
    return result;
}

} // namespace

void tst_layout::example800x600_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    auto row = [](const char* name, float l, float t, float w, float h) {
        QTest::newRow(name) << QString::fromLatin1(name) << l << t << w << h;
    };
    row("parametersHeading", 488, 4, 120, 24);
    row("plateGapCaption", 488, 32, 30, 24);
    row("plateGapEdit", 518, 32, 78, 24);
    row("plateGapUnit", 596, 32, 40, 24);
    row("voltageEdit", 518, 60, 78, 24);
    row("viscosityCaption", 488, 172, 30, 24);
    row("viscosityEdit", 518, 172, 78, 24);
    row("viscosityUnit", 596, 172, 40, 24);
    row("slowDownScrollBar", 488, 212, 148, 12);
    row("slowDownReadout", 554.5f, 224, 15, 24);
    row("characteristicsHeading", 640, 4, 156, 24);
    row("massReadout", 640, 32, 156, 24);
    row("velocitiesHeading", 640, 144, 156, 24);
    row("terminalVelocityReadout", 640, 172, 156, 24);
    row("limitingVelocity2Readout", 640, 200, 156, 24);
    row("limitingVelocity3Readout", 640, 228, 156, 24);
    row("startButton", 488, 304, 120, 24);
    row("voltageButton", 488, 332, 120, 24);
    row("lightButton", 488, 360, 120, 24);
    row("randomChargesCheckBox", 612, 332, 66, 24);
    row("viewGroupBox", 688, 304, 108, 79.2f);
    row("charge2Readout", 488, 388, 120, 24);
    row("charge3Readout", 488, 416, 120, 24);
    row("chargeRatioReadout", 640, 388, 120, 24);
    row("chargeDifferenceReadout", 640, 416, 120, 24);
    row("animationView", 4, 4, 480, 592);
    row("coordinatePlot", 4, 4, 480, 296);
    row("velocityPlot", 4, 4, 480, 296);
}

void tst_layout::example800x600()
{
    QFETCH(QString, name);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    const ControlGeometry g = layout(800, 600).at(name.toStdString());
    QCOMPARE(g.left, left);
    QCOMPARE(g.top, top);
    QCOMPARE(g.width, width);
    QCOMPARE(g.height, height);
}

void tst_layout::everyControlOnceInOrder()
{
    const auto entries = WindowLayout::compute(800, 600);
    QCOMPARE(entries.size(), std::size_t(42));
    QCOMPARE(QString::fromLatin1(entries.front().name), QStringLiteral("parametersHeading"));
    QCOMPARE(QString::fromLatin1(entries.back().name), QStringLiteral("velocityPlot"));
    std::map<std::string, int> seen;
    for (const auto& e : entries)
        ++seen[e.name];
    for (const auto& [name, count] : seen)
        QCOMPARE(count, 1);
    // Every accessor finds the control of that name.
    FakeMainWindow form;
    for (const auto& e : entries) {
        const std::string name = e.name;
        Control* expected = name == "animationView" ? static_cast<Control*>(&form.animationView)
            : name == "coordinatePlot"               ? static_cast<Control*>(&form.coordinatePlot)
            : name == "velocityPlot"               ? static_cast<Control*>(&form.velocityPlot)
                                               : &form.control(name);
        QCOMPARE(e.control(form.controls), expected);
    }
}

void tst_layout::slowDownLabelCentred_data()
{
    QTest::addColumn<double>("width");
    QTest::newRow("800") << 800.0;
    QTest::newRow("480") << 480.0;
    QTest::newRow("1921") << 1921.0;
}

void tst_layout::slowDownLabelCentred()
{
    QFETCH(double, width);
    const auto g = layout(width, 600);
    const ControlGeometry bar = g.at("slowDownScrollBar");
    const ControlGeometry label = g.at("slowDownReadout");
    QCOMPARE(label.left + label.width / 2, bar.left + bar.width / 2);
    QCOMPARE(static_cast<double>(bar.left + bar.width / 2), width - 238);
    QCOMPARE(label.top, bar.top + bar.height);
}

void tst_layout::narrowestWindow()
{
    const auto g = layout(320, 600);
    for (const char* name : {"animationView", "coordinatePlot", "velocityPlot"})
        QCOMPARE(g.at(name).width, 0.0f);
    const auto wide = layout(800, 600);
    // The panel keeps its sizes, moved with the right edge.
    for (const char* name : {"parametersHeading", "plateGapEdit", "characteristicsHeading", "startButton", "viewGroupBox"}) {
        QCOMPARE(g.at(name).width, wide.at(name).width);
        QCOMPARE(g.at(name).left, wide.at(name).left - 480);
    }
}

void tst_layout::widthMovesPanelOnly()
{
    const auto a = layout(800, 600);
    const auto b = layout(1000, 600);
    for (const auto& [name, ga] : a) {
        const ControlGeometry gb = b.at(name);
        QCOMPARE(gb.top, ga.top);
        QCOMPARE(gb.height, ga.height);
        if (name == "animationView" || name == "coordinatePlot" || name == "velocityPlot") {
            QCOMPARE(gb.left, ga.left);
            QCOMPARE(gb.width, ga.width + 200);
        } else {
            QCOMPARE(gb.left, ga.left + 200);
            QCOMPARE(gb.width, ga.width);
        }
    }
}

void tst_layout::heightMovesLowerBlockOnly()
{
    const auto a = layout(800, 600);
    const auto b = layout(800, 700);
    const std::set<std::string> lower = {"startButton", "voltageButton", "lightButton", "viewGroupBox", "randomChargesCheckBox",
                                         "charge2Readout", "charge3Readout", "chargeRatioReadout", "chargeDifferenceReadout"};
    for (const auto& [name, ga] : a) {
        const ControlGeometry gb = b.at(name);
        QCOMPARE(gb.left, ga.left);
        QCOMPARE(gb.width, ga.width);
        if (lower.count(name)) {
            QCOMPARE(gb.top, ga.top + 50);
            QCOMPARE(gb.height, ga.height);
        } else if (name == "animationView") {
            QCOMPARE(gb.top, ga.top);
            QCOMPARE(gb.height, ga.height + 100);
        } else if (name == "coordinatePlot" || name == "velocityPlot") {
            QCOMPARE(gb.top, ga.top);
            QCOMPARE(gb.height, ga.height + 50);
        } else {
            QCOMPARE(gb.top, ga.top); // the upper columns never move vertically
            QCOMPARE(gb.height, ga.height);
        }
    }
}

void tst_layout::tinySizesClamped_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("0 x 0") << 0.0 << 0.0;
    QTest::newRow("319 x 7") << 319.0 << 7.0;
    QTest::newRow("100 x 600") << 100.0 << 600.0;
    QTest::newRow("800 x 3") << 800.0 << 3.0;
}

void tst_layout::tinySizesClamped()
{
    QFETCH(double, width);
    QFETCH(double, height);
    for (const auto& e : WindowLayout::compute(width, height)) {
        QVERIFY2(e.geometry.width >= 0 && e.geometry.height >= 0, e.name);
    }
    const auto g = layout(width, height);
    if (width < 320)
        QCOMPARE(g.at("animationView").width, 0.0f);
    if (height < 8)
        QCOMPARE(g.at("animationView").height, 0.0f);
    // The panel's own sizes never shrink.
    QCOMPARE(g.at("plateGapEdit").width, 78.0f);
}

void tst_layout::resetPassGate()
{
    FakeMainWindow form;
    form.state().startUpDone = 0;
    form.procedures().setDefaultParameters(); // writes the inputs; their handlers call the pass
    QCOMPARE(form.control("plateGapEdit").geometry(), ControlGeometry{});
    QCOMPARE(form.animationView.clearCount, 0);
    QVERIFY(form.random.seeds.empty()); // no derived quantities yet
    form.procedures().resetWindow();
    QCOMPARE(form.control("plateGapEdit").geometry(), ControlGeometry{});
}

void tst_layout::resetPassSkippedWhenMinimised()
{
    FakeMainWindow form;
    form.start();
    const int passes = form.animationView.clearCount;
    form.clientArea.minimized = true;
    form.clientArea.clientWidth = 0;
    form.clientArea.clientHeight = 0;
    form.procedures().resetWindow();
    QCOMPARE(form.animationView.clearCount, passes);
    QVERIFY(form.control("parametersHeading").geometry().left > 0);
}

void tst_layout::resetPassReturnsToStateBeforeExperiment()
{
    FakeMainWindow form;
    form.start();
    // Everything an experiment shows ...
    for (const char* name : {"limitingVelocity2Readout", "limitingVelocity3Readout", "charge2Readout", "charge3Readout", "chargeRatioReadout", "chargeDifferenceReadout"})
        form.control(name).setVisible(true);
    form.beamSprite.setVisible(true);
    form.control("voltageButton").setEnabled(true);
    form.control("lightButton").setEnabled(true);
    form.control("velocityOption").setValue(1);
    form.random.values = {0.95f, 0.05f};
    // ... is undone by one pass, even without a change of size.
    form.procedures().resetWindow();
    for (const char* name : {"limitingVelocity2Readout", "limitingVelocity3Readout", "charge2Readout", "charge3Readout", "chargeRatioReadout", "chargeDifferenceReadout"})
        QVERIFY2(!form.control(name).isVisible(), name);
    QVERIFY(!form.beamSprite.isVisible());
    QVERIFY(!form.control("voltageButton").isEnabled());
    QVERIFY(!form.control("lightButton").isEnabled());
    QVERIFY(!form.coordinatePlot.isVisible());
    QVERIFY(!form.velocityPlot.isVisible());
    QVERIFY(form.animationView.isVisible());
    QCOMPARE(form.control("animationOption").value(), 1);
    QCOMPARE(form.animationView.ofKind(RecordingCanvas::Op::Line).size(), std::size_t(11));
    QCOMPARE(form.dropletMarker.pixelTop, -5.0);
    // New charges, since random charges are chosen.
    QCOMPARE(form.state().N2, 10.0);
    QCOMPARE(form.state().N3, std::int16_t(1));
}

QTEST_APPLESS_MAIN(tst_layout)
#include "tst_layout.moc"
