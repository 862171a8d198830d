#include "Ekran.h"
#include "FakeForm.h"

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
    for (const Ekran::Entry& entry : Ekran::compute(width, height))
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
    row("Label36", 488, 4, 120, 24);
    row("Label1", 488, 32, 30, 24);
    row("Text1", 518, 32, 78, 24);
    row("Label2", 596, 32, 40, 24);
    row("Text2", 518, 60, 78, 24);
    row("Label13", 488, 172, 30, 24);
    row("Text7", 518, 172, 78, 24);
    row("Label14", 596, 172, 40, 24);
    row("HScroll1", 488, 212, 148, 12);
    row("Label16", 554.5f, 224, 15, 24);
    row("Label15", 640, 4, 156, 24);
    row("Label43", 640, 32, 156, 24);
    row("Label21", 640, 144, 156, 24);
    row("Label23", 640, 172, 156, 24);
    row("Label24", 640, 200, 156, 24);
    row("Label25", 640, 228, 156, 24);
    row("CmdOK", 488, 304, 120, 24);
    row("Command1", 488, 332, 120, 24);
    row("Command2", 488, 360, 120, 24);
    row("Check1", 612, 332, 66, 24);
    row("Frame1", 688, 304, 108, 79.2f);
    row("Label17", 488, 388, 120, 24);
    row("Label19", 488, 416, 120, 24);
    row("Label26", 640, 388, 120, 24);
    row("Label40", 640, 416, 120, 24);
    row("Picture1", 4, 4, 480, 592);
    row("Picture2", 4, 4, 480, 296);
    row("Picture3", 4, 4, 480, 296);
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
    const auto entries = Ekran::compute(800, 600);
    QCOMPARE(entries.size(), std::size_t(42));
    QCOMPARE(QString::fromLatin1(entries.front().name), QStringLiteral("Label36"));
    QCOMPARE(QString::fromLatin1(entries.back().name), QStringLiteral("Picture3"));
    std::map<std::string, int> seen;
    for (const auto& e : entries)
        ++seen[e.name];
    for (const auto& [name, count] : seen)
        QCOMPARE(count, 1);
    // Every accessor finds the control of that name.
    FakeForm form;
    for (const auto& e : entries) {
        const std::string name = e.name;
        Control* expected = name == "Picture1" ? static_cast<Control*>(&form.Picture1)
            : name == "Picture2"               ? static_cast<Control*>(&form.Picture2)
            : name == "Picture3"               ? static_cast<Control*>(&form.Picture3)
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
    const ControlGeometry bar = g.at("HScroll1");
    const ControlGeometry label = g.at("Label16");
    QCOMPARE(label.left + label.width / 2, bar.left + bar.width / 2);
    QCOMPARE(static_cast<double>(bar.left + bar.width / 2), width - 238);
    QCOMPARE(label.top, bar.top + bar.height);
}

void tst_layout::narrowestWindow()
{
    const auto g = layout(320, 600);
    for (const char* name : {"Picture1", "Picture2", "Picture3"})
        QCOMPARE(g.at(name).width, 0.0f);
    const auto wide = layout(800, 600);
    // The panel keeps its sizes, moved with the right edge.
    for (const char* name : {"Label36", "Text1", "Label15", "CmdOK", "Frame1"}) {
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
        if (name.rfind("Picture", 0) == 0) {
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
    const std::set<std::string> lower = {"CmdOK", "Command1", "Command2", "Frame1", "Check1",
                                         "Label17", "Label19", "Label26", "Label40"};
    for (const auto& [name, ga] : a) {
        const ControlGeometry gb = b.at(name);
        QCOMPARE(gb.left, ga.left);
        QCOMPARE(gb.width, ga.width);
        if (lower.count(name)) {
            QCOMPARE(gb.top, ga.top + 50);
            QCOMPARE(gb.height, ga.height);
        } else if (name == "Picture1") {
            QCOMPARE(gb.top, ga.top);
            QCOMPARE(gb.height, ga.height + 100);
        } else if (name == "Picture2" || name == "Picture3") {
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
    for (const auto& e : Ekran::compute(width, height)) {
        QVERIFY2(e.geometry.width >= 0 && e.geometry.height >= 0, e.name);
    }
    const auto g = layout(width, height);
    if (width < 320)
        QCOMPARE(g.at("Picture1").width, 0.0f);
    if (height < 8)
        QCOMPARE(g.at("Picture1").height, 0.0f);
    // The panel's own sizes never shrink.
    QCOMPARE(g.at("Text1").width, 78.0f);
}

void tst_layout::resetPassGate()
{
    FakeForm form;
    form.state().zagruzka = 0;
    form.procedures().predvar(); // writes the inputs; their handlers call the pass
    QCOMPARE(form.control("Text1").geometry(), ControlGeometry{});
    QCOMPARE(form.Picture1.clsCount, 0);
    QVERIFY(form.random.seeds.empty()); // no derived quantities yet
    form.procedures().Form_Resize();
    QCOMPARE(form.control("Text1").geometry(), ControlGeometry{});
}

void tst_layout::resetPassSkippedWhenMinimised()
{
    FakeForm form;
    form.start();
    const int passes = form.Picture1.clsCount;
    form.window.minimized = true;
    form.window.width = 0;
    form.window.height = 0;
    form.procedures().Form_Resize();
    QCOMPARE(form.Picture1.clsCount, passes);
    QVERIFY(form.control("Label36").geometry().left > 0);
}

void tst_layout::resetPassReturnsToStateBeforeExperiment()
{
    FakeForm form;
    form.start();
    // Everything an experiment shows ...
    for (const char* name : {"Label24", "Label25", "Label17", "Label19", "Label26", "Label40"})
        form.control(name).setVisible(true);
    form.Image1.setVisible(true);
    form.control("Command1").setEnabled(true);
    form.control("Command2").setEnabled(true);
    form.control("Option3").setValue(1);
    form.random.values = {0.95f, 0.05f};
    // ... is undone by one pass, even without a change of size.
    form.procedures().Form_Resize();
    for (const char* name : {"Label24", "Label25", "Label17", "Label19", "Label26", "Label40"})
        QVERIFY2(!form.control(name).isVisible(), name);
    QVERIFY(!form.Image1.isVisible());
    QVERIFY(!form.control("Command1").isEnabled());
    QVERIFY(!form.control("Command2").isEnabled());
    QVERIFY(!form.Picture2.isVisible());
    QVERIFY(!form.Picture3.isVisible());
    QVERIFY(form.Picture1.isVisible());
    QCOMPARE(form.control("Option1").value(), 1);
    QCOMPARE(form.Picture1.ofKind(RecordingCanvas::Op::Line).size(), std::size_t(11));
    QCOMPARE(form.Shape1.pixelTop, -5.0);
    // New charges, since random charges are chosen.
    QCOMPARE(form.state().N2, 10.0);
    QCOMPARE(form.state().N3, std::int16_t(1));
}

QTEST_APPLESS_MAIN(tst_layout)
#include "tst_layout.moc"
