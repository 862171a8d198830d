#include "FakeForm.h"

#include "NumberReader.h"
#include "Parameters.h"

#include <QtTest>

#include <cmath>

/// Defaults, derived quantities and their read-outs, computed without a display.
class tst_parameters : public QObject {
    Q_OBJECT

private slots:
    void stateIsZeroAtCreation();
    void defaultsWrittenToInputs();
    void readOuts_data();
    void readOuts();
    void derivedQuantitiesIndependently();
    void timeGrid();
    void heavyDropletGuard();
    void randomCharges_data();
    void randomCharges();
    void keptChargesWhenUnchecked();
    void viscosityNotPositiveKeepsOldValues();
    void positiveVoltage();
};

namespace {

/// A started window with the charges N2 = 3 and N3 = 7 drawn by the first pass.
void startWithCharges(FakeForm& form, float u = 0.25f, float v = 0.65f)
{
    form.random.values = {u, v};
    form.start();
}

} // namespace

void tst_parameters::stateIsZeroAtCreation()
{
    const ExperimentState s;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
    for (std::size_t i = 0; i < sizeof s; ++i)
        QCOMPARE(bytes[i], static_cast<unsigned char>(0));
}

void tst_parameters::defaultsWrittenToInputs()
{
    FakeForm form;
    form.start();
    // The inputs use a point whatever the locale; the voltage's minus stands before the blank.
    QCOMPARE(form.control("Text1").text(), QStringLiteral(" 0.0160"));
    QCOMPARE(form.control("Text2").text(), QStringLiteral("- 5085.0"));
    QCOMPARE(form.control("Text4").text(), QStringLiteral(" 5.520e-06"));
    QCOMPARE(form.control("Text5").text(), QStringLiteral(" 920"));
    QCOMPARE(form.control("Text6").text(), QStringLiteral(" 1.23"));
    QCOMPARE(form.control("Text7").text(), QStringLiteral(" 1.820e-05"));
    QCOMPARE(form.control("Check1").value(), 1);
    // Each text reads back as the value set.
    const ExperimentState& s = form.state();
    QCOMPARE(s.DD, 0.016);
    QCOMPARE(s.Ux, -5085.0);
    QCOMPARE(s.d, 5.52e-6);
    QCOMPARE(s.r, 920.0);
    QCOMPARE(s.r0, 1.23);
    QCOMPARE(s.eta, 1.82e-5f);
    QCOMPARE(s.xmax, 0.2);
    QCOMPARE(s.X, 0.1);
    QCOMPARE(s.tormoz, std::int16_t(5));
    QCOMPARE(form.control("Label16").text(), QStringLiteral("5"));
    QVERIFY(form.messageBox.shown.empty());
}

void tst_parameters::readOuts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale c = QLocale::c();
    QTest::newRow("ru mass") << ru << "Label43" << "m = 8,102E-14 кг";
    QTest::newRow("ru field") << ru << "Label5" << "Ex = -3,178E+05 В/м";
    QTest::newRow("ru tau") << ru << "Label22" << "tau = 8,557E-05 c";
    QTest::newRow("ru Vg") << ru << "Label23" << " Vg = 8,387E-04 м/c";
    QTest::newRow("ru a") << ru << "Label44" << "a = -6,412E-02 ";
    QTest::newRow("ru V2max") << ru << "Label24" << "V2max= 6,773E-04 м/c";
    QTest::newRow("ru V3max") << ru << "Label25" << "V3max= 4,622E-04 м/c";
    QTest::newRow("ru slow-down") << ru << "Label16" << "5";
    QTest::newRow("C mass") << c << "Label43" << "m = 8.102E-14 кг";
    QTest::newRow("C field") << c << "Label5" << "Ex = -3.178E+05 В/м";
    QTest::newRow("C tau") << c << "Label22" << "tau = 8.557E-05 c";
    QTest::newRow("C Vg") << c << "Label23" << " Vg = 8.387E-04 м/c";
    QTest::newRow("C a") << c << "Label44" << "a = -6.412E-02 ";
    QTest::newRow("C V2max") << c << "Label24" << "V2max= 6.773E-04 м/c";
    QTest::newRow("C V3max") << c << "Label25" << "V3max= 4.622E-04 м/c";
}

void tst_parameters::readOuts()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    FakeForm form(locale);
    startWithCharges(form);
    QCOMPARE(form.state().N2, 3.0);
    QCOMPARE(form.state().N3, std::int16_t(7));
    QCOMPARE(form.control(label.toStdString()).text(), expected);
}

void tst_parameters::derivedQuantitiesIndependently()
{
    FakeForm form;
    startWithCharges(form);
    const ExperimentState& s = form.state();

    // The same formulas written out here, with single-precision tau.
    const double pi = 3.1415926535;
    const double d = 5.52e-6;
    QCOMPARE(s.massa, pi * 920 * (d * d * d) / 6);
    QCOMPARE(s.Ex, -5085 / 0.016);
    const float tau = static_cast<float>(920 * d * d / 18 / static_cast<double>(1.82e-5f));
    QCOMPARE(s.tau, tau);
    const double Vg = 9.814 * static_cast<double>(tau) * (1 - 1.23 / 920);
    QCOMPARE(s.Vg, Vg);
    const double aa = 6 * 1.6021766208e-19 * -5085 / pi / (d * d * d) / (920 - 1.23) / 9.814 / 0.016;
    QVERIFY(std::fabs(s.aa - aa) < 1e-14 * std::fabs(aa));
    QCOMPARE(s.V2max, 1 + s.aa * 3);
    QCOMPARE(s.V3max, 1 + s.aa * 7);
    // Orders of magnitude a student sees.
    QVERIFY(std::fabs(s.massa - 8.10e-14) < 0.01e-14);
    QVERIFY(std::fabs(s.aa + 0.0641) < 0.0001);
}

void tst_parameters::timeGrid()
{
    FakeForm form;
    startWithCharges(form);
    const ExperimentState& s = form.state();
    QCOMPARE(s.n, 100.0);
    QCOMPARE(s.t_min, 0.0);
    QCOMPARE(s.DDx, 0.016 / s.Vg / static_cast<double>(s.tau));
    QCOMPARE(s.t_max, 3 * s.DDx);
    QCOMPARE(s.shag_t, s.DDx / 100);
    QVERIFY(std::fabs(s.DDx - 2.2295e5) < 10);
    QVERIFY(std::fabs(s.shag_t - 2229.5) < 0.1);
    QVERIFY(std::fabs(s.t_max - 6.6886e5) < 30);
}

void tst_parameters::heavyDropletGuard()
{
    FakeForm form;
    form.start();
    // A 1 mm droplet crosses the gap faster than its relaxation time.
    form.control("Text4").setText(QStringLiteral("1e-3"));
    const ExperimentState& s = form.state();
    QCOMPARE(s.d, 1e-3);
    QVERIFY(3 * s.DD / s.Vg / static_cast<double>(s.tau) < 3 * static_cast<double>(s.tau));
    QCOMPARE(s.t_max, static_cast<double>(s.tau));
    QCOMPARE(s.shag_t, static_cast<double>(s.tau) / 100);
    QVERIFY(form.messageBox.shown.empty());
}

void tst_parameters::randomCharges_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<float>("v");
    QTest::addColumn<double>("n2");
    QTest::addColumn<int>("n3");
    QTest::newRow("lowest") << 0.0f << 0.0f << 1.0 << 1;
    QTest::newRow("highest") << std::nextafter(1.0f, 0.0f) << std::nextafter(1.0f, 0.0f) << 10.0 << 10;
    QTest::newRow("boundary of 5") << 0.4f << 0.39999998f << 5.0 << 4;
    QTest::newRow("equal charges allowed") << 0.55f << 0.55f << 6.0 << 6;
}

void tst_parameters::randomCharges()
{
    QFETCH(float, u);
    QFETCH(float, v);
    QFETCH(double, n2);
    QFETCH(int, n3);
    FakeForm form;
    startWithCharges(form, u, v);
    QCOMPARE(form.state().N2, n2);
    QCOMPARE(int(form.state().N3), n3);
    // Reseeded from the time of day at every pass.
    QVERIFY(!form.random.seeds.empty());
    QCOMPARE(form.random.seeds.back(), form.clock.seconds);
}

void tst_parameters::keptChargesWhenUnchecked()
{
    FakeForm form;
    startWithCharges(form);
    form.control("Check1").setValue(0);
    for (int pass = 0; pass < 50; ++pass) {
        form.random.values = {0.95f, 0.05f};
        form.procedures().Form_Resize();
        QCOMPARE(form.state().N2, 3.0);
        QCOMPARE(form.state().N3, std::int16_t(7));
    }
    // Checked again: the next pass draws anew.
    form.control("Check1").setValue(1);
    form.random.values = {0.95f, 0.05f};
    form.procedures().Form_Resize();
    QCOMPARE(form.state().N2, 10.0);
    QCOMPARE(form.state().N3, std::int16_t(1));
}

void tst_parameters::viscosityNotPositiveKeepsOldValues()
{
    FakeForm form;
    startWithCharges(form);
    const float tau = form.state().tau;
    const double Vg = form.state().Vg;
    form.state().eta = 0;
    form.procedures().parametr();
    QCOMPARE(form.control("Label22").text(), QStringLiteral("tau ->00"));
    QCOMPARE(form.control("Label23").text(), QStringLiteral("Vg= ->00"));
    QCOMPARE(form.state().tau, tau);
    QCOMPARE(form.state().Vg, Vg);
}

void tst_parameters::positiveVoltage()
{
    FakeForm form;
    startWithCharges(form);
    form.control("Text2").setText(QStringLiteral("5085"));
    const ExperimentState& s = form.state();
    QVERIFY(s.aa > 0);
    QVERIFY(s.V2max > 1);
    QVERIFY(s.V3max > 1);
}

QTEST_APPLESS_MAIN(tst_parameters)
#include "tst_parameters.moc"
