// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"
#include "WindowLayout.h"

#include <QtTest>

#include <map>
#include <set>

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

std::map<ControlId, ControlGeometry> layout(double width, double height)
{
    std::map<ControlId, ControlGeometry> result;
    for (const WindowLayout::Entry& entry : WindowLayout::compute(width, height))
        result[entry.control] = entry.geometry;
    return result;
}

bool isDrawingSurface(ControlId id)
{
    return id == ControlId::animationView || id == ControlId::coordinatePlot || id == ControlId::velocityPlot;
}

} // namespace

void tst_layout::example800x600_data()
{
    QTest::addColumn<ControlId>("control");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    auto row = [](ControlId id, float l, float t, float w, float h) {
        QTest::newRow(controlName(id)) << id << l << t << w << h;
    };
    row(ControlId::parametersHeading, 488, 4, 120, 24);
    row(ControlId::plateGapCaption, 488, 32, 30, 24);
    row(ControlId::plateGapEdit, 518, 32, 78, 24);
    row(ControlId::plateGapUnit, 596, 32, 40, 24);
    row(ControlId::voltageEdit, 518, 60, 78, 24);
    row(ControlId::viscosityCaption, 488, 172, 30, 24);
    row(ControlId::viscosityEdit, 518, 172, 78, 24);
    row(ControlId::viscosityUnit, 596, 172, 40, 24);
    row(ControlId::slowDownScrollBar, 488, 212, 148, 12);
    row(ControlId::slowDownReadout, 554.5f, 224, 15, 24);
    row(ControlId::characteristicsHeading, 640, 4, 156, 24);
    row(ControlId::massReadout, 640, 32, 156, 24);
    row(ControlId::velocitiesHeading, 640, 144, 156, 24);
    row(ControlId::terminalVelocityReadout, 640, 172, 156, 24);
    row(ControlId::limitingVelocity2Readout, 640, 200, 156, 24);
    row(ControlId::limitingVelocity3Readout, 640, 228, 156, 24);
    row(ControlId::startButton, 488, 304, 120, 24);
    row(ControlId::voltageButton, 488, 332, 120, 24);
    row(ControlId::lightButton, 488, 360, 120, 24);
    row(ControlId::randomChargesCheckBox, 612, 332, 66, 24);
    row(ControlId::viewGroupBox, 688, 304, 108, 79.2f);
    row(ControlId::charge2Readout, 488, 388, 120, 24);
    row(ControlId::charge3Readout, 488, 416, 120, 24);
    row(ControlId::chargeRatioReadout, 640, 388, 120, 24);
    row(ControlId::chargeDifferenceReadout, 640, 416, 120, 24);
    row(ControlId::animationView, 4, 4, 480, 592);
    row(ControlId::coordinatePlot, 4, 4, 480, 296);
    row(ControlId::velocityPlot, 4, 4, 480, 296);
}

void tst_layout::example800x600()
{
    QFETCH(ControlId, control);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    const ControlGeometry g = layout(800, 600).at(control);
    QCOMPARE(g.left, left);
    QCOMPARE(g.top, top);
    QCOMPARE(g.width, width);
    QCOMPARE(g.height, height);
}

void tst_layout::everyControlOnceInOrder()
{
    // Every control of the list is placed once, in the list's order, but the
    // view options (they keep their places in their group box) and the
    // pictures on the animation view.
    std::vector<ControlId> expected;
    for (const ControlId id : AllControls)
        if (controlKind(id) != ControlKind::RadioButton && controlKind(id) != ControlKind::Sprite)
            expected.push_back(id);
    std::vector<ControlId> placed;
    for (const WindowLayout::Entry& entry : WindowLayout::compute(800, 600))
        placed.push_back(entry.control);
    QCOMPARE(placed.size(), std::size_t(42));
    QVERIFY(placed == expected);
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
    const ControlGeometry bar = g.at(ControlId::slowDownScrollBar);
    const ControlGeometry label = g.at(ControlId::slowDownReadout);
    QCOMPARE(label.left + label.width / 2, bar.left + bar.width / 2);
    QCOMPARE(static_cast<double>(bar.left + bar.width / 2), width - 238);
    QCOMPARE(label.top, bar.top + bar.height);
}

void tst_layout::narrowestWindow()
{
    const auto g = layout(320, 600);
    for (const ControlId id : {ControlId::animationView, ControlId::coordinatePlot, ControlId::velocityPlot})
        QCOMPARE(g.at(id).width, 0.0f);
    const auto wide = layout(800, 600);
    // The panel keeps its sizes, moved with the right edge.
    for (const ControlId id : {ControlId::parametersHeading, ControlId::plateGapEdit, ControlId::characteristicsHeading,
                               ControlId::startButton, ControlId::viewGroupBox}) {
        QCOMPARE(g.at(id).width, wide.at(id).width);
        QCOMPARE(g.at(id).left, wide.at(id).left - 480);
    }
}

void tst_layout::widthMovesPanelOnly()
{
    const auto a = layout(800, 600);
    const auto b = layout(1000, 600);
    for (const auto& [id, ga] : a) {
        const ControlGeometry gb = b.at(id);
        QCOMPARE(gb.top, ga.top);
        QCOMPARE(gb.height, ga.height);
        if (isDrawingSurface(id)) {
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
    const std::set<ControlId> lower = {
        ControlId::startButton,    ControlId::voltageButton,         ControlId::lightButton,
        ControlId::viewGroupBox,   ControlId::randomChargesCheckBox, ControlId::charge2Readout,
        ControlId::charge3Readout, ControlId::chargeRatioReadout,    ControlId::chargeDifferenceReadout};
    for (const auto& [id, ga] : a) {
        const ControlGeometry gb = b.at(id);
        QCOMPARE(gb.left, ga.left);
        QCOMPARE(gb.width, ga.width);
        if (lower.count(id)) {
            QCOMPARE(gb.top, ga.top + 50);
            QCOMPARE(gb.height, ga.height);
        } else if (id == ControlId::animationView) {
            QCOMPARE(gb.top, ga.top);
            QCOMPARE(gb.height, ga.height + 100);
        } else if (id == ControlId::coordinatePlot || id == ControlId::velocityPlot) {
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
        QVERIFY2(e.geometry.width >= 0 && e.geometry.height >= 0, controlName(e.control));
    }
    const auto g = layout(width, height);
    if (width < 320)
        QCOMPARE(g.at(ControlId::animationView).width, 0.0f);
    if (height < 8)
        QCOMPARE(g.at(ControlId::animationView).height, 0.0f);
    // The panel's own sizes never shrink.
    QCOMPARE(g.at(ControlId::plateGapEdit).width, 78.0f);
}

void tst_layout::resetPassGate()
{
    FakeMainWindow form;
    form.state().startUpDone = 0;
    form.simulation().experiment().setDefaultParameters(); // writes the inputs; their handlers call the pass
    QCOMPARE(form.control(ControlId::plateGapEdit).geometry(), ControlGeometry{});
    QCOMPARE(form.animationView.clearCount, 0);
    QVERIFY(form.random.seeds.empty()); // no derived quantities yet
    form.simulation().reset().resetWindow();
    QCOMPARE(form.control(ControlId::plateGapEdit).geometry(), ControlGeometry{});
}

void tst_layout::resetPassSkippedWhenMinimised()
{
    FakeMainWindow form;
    form.start();
    const int passes = form.animationView.clearCount;
    form.clientArea.minimized = true;
    form.clientArea.clientWidth = 0;
    form.clientArea.clientHeight = 0;
    form.simulation().reset().resetWindow();
    QCOMPARE(form.animationView.clearCount, passes);
    QVERIFY(form.control(ControlId::parametersHeading).geometry().left > 0);
}

void tst_layout::resetPassReturnsToStateBeforeExperiment()
{
    FakeMainWindow form;
    form.start();
    // Everything an experiment shows ...
    for (const ControlId id :
         {ControlId::limitingVelocity2Readout, ControlId::limitingVelocity3Readout, ControlId::charge2Readout,
          ControlId::charge3Readout, ControlId::chargeRatioReadout, ControlId::chargeDifferenceReadout})
        form.control(id).setVisible(true);
    form.beamSprite.setVisible(true);
    form.control(ControlId::voltageButton).setEnabled(true);
    form.control(ControlId::lightButton).setEnabled(true);
    form.control(ControlId::velocityOption).setValue(1);
    form.random.values = {0.95f, 0.05f};
    // ... is undone by one pass, even without a change of size.
    form.simulation().reset().resetWindow();
    for (const ControlId id :
         {ControlId::limitingVelocity2Readout, ControlId::limitingVelocity3Readout, ControlId::charge2Readout,
          ControlId::charge3Readout, ControlId::chargeRatioReadout, ControlId::chargeDifferenceReadout})
        QVERIFY2(!form.control(id).isVisible(), controlName(id));
    QVERIFY(!form.beamSprite.isVisible());
    QVERIFY(!form.control(ControlId::voltageButton).isEnabled());
    QVERIFY(!form.control(ControlId::lightButton).isEnabled());
    QVERIFY(!form.coordinatePlot.isVisible());
    QVERIFY(!form.velocityPlot.isVisible());
    QVERIFY(form.animationView.isVisible());
    QCOMPARE(form.control(ControlId::animationOption).value(), 1);
    QCOMPARE(form.animationView.ofKind(RecordingCanvas::Op::Line).size(), std::size_t(11));
    QCOMPARE(form.dropletMarker.pixelTop, -5.0);
    // New charges, since random charges are chosen.
    QCOMPARE(form.state().N2, 10.0);
    QCOMPARE(form.state().N3, std::int16_t(1));
}

QTEST_APPLESS_MAIN(tst_layout)
#include "tst_layout.moc"
