// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"
#include "GeneratedJournal.h"

#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalTable.h"
#include "NumberFormat.h"
#include "RunRecord.h"
#include "RunTable.h"

#include <QtTest>

#include <charconv>
#include <clocale>
#include <string>

/// The program's numbers under a C library whose decimal separator is a
/// comma, as on a Russian or German desktop (Qt sets LC_NUMERIC from the
/// environment): the masks, the read-outs, the reticle's labels and the files
/// are the program's own formats and do not follow it.
class tst_locale : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void masks_data();
    void masks();
    void readOutsAndReticle_data() { commaLocales(); }
    void readOutsAndReticle();
    void files_data() { commaLocales(); }
    void files();

private:
    static void commaLocales();
    std::string m_before;
};

void tst_locale::commaLocales()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("ru_RU") << QByteArray("ru_RU.UTF-8");
    QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8");
}

void tst_locale::init()
{
    m_before = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray name = QTest::currentDataTag() == QByteArrayLiteral("de_DE") ? "de_DE.UTF-8" : "ru_RU.UTF-8";
    // A missing locale would silently leave the C one, and the test would see nothing.
    QVERIFY2(std::setlocale(LC_NUMERIC, name.constData()),
             qPrintable(QStringLiteral("locale %1 missing: run scripts/install-deps.sh").arg(name)));
    QCOMPARE(*std::localeconv()->decimal_point, ',');
}

void tst_locale::cleanup()
{
    std::setlocale(LC_NUMERIC, m_before.c_str());
}

void tst_locale::masks_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("withPoint");
    QTest::newRow("ru_RU plate gap") << 0.016 << " 0.0000"
                                     << " 0.0160";
    QTest::newRow("ru_RU voltage") << -5085.0 << " 0.0"
                                   << "- 5085.0";
    QTest::newRow("ru_RU diameter") << 5.52e-6 << " 0.000e+00"
                                    << " 5.520e-06";
    QTest::newRow("ru_RU exact tie") << 1.0625 << "0.000E+00"
                                     << "1.063E+00";
    QTest::newRow("de_DE carry into exponent") << 9.9996 << "0.000E+00"
                                               << "1.000E+01";
    QTest::newRow("de_DE band label") << 0.1 << "#0.00"
                                      << "0.10";
    QTest::newRow("de_DE ratio") << 2.3333333333333326 << "0.000"
                                 << "2.333";
}

void tst_locale::masks()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, withPoint);
    QCOMPARE(NumberFormat::format(value, mask, QLocale::c()), withPoint);
    QCOMPARE(NumberFormat::format(value, mask, QLocale(QLocale::Russian)), QString(withPoint).replace(u'.', u','));
}

void tst_locale::readOutsAndReticle()
{
    FakeMainWindow form;
    form.random.values = {0.25f, 0.65f};
    form.start();
    QCOMPARE(form.control(ControlId::plateGapEdit).text(), QStringLiteral(" 0.0160"));
    QCOMPARE(form.control(ControlId::voltageEdit).text(), QStringLiteral("- 5085.0"));
    QCOMPARE(form.control(ControlId::massReadout).text(), QStringLiteral("m = 8,102E-14 кг"));
    QCOMPARE(form.control(ControlId::limitingVelocity2Readout).text(), QStringLiteral("V2max= 6,773E-04 м/c"));
    QStringList labels;
    for (const auto& print : form.animationView.ofKind(RecordingCanvas::Op::Text))
        labels << print.text;
    QCOMPARE(labels,
             QStringList({"0,00", "0,10", "0,20", "0,30", "0,40", "0,50", "0,60", "0,70", "0,80", "0,90", "1,00"}));

    form.random.values = {0.25f, 0.65f}; // drawn again by the start's own pass
    form.timer.during[20] = [&form] { form.simulation().experiment().irradiate(); };
    form.simulation().experiment().start();
    form.simulation().experiment().showCharges();
    QCOMPARE(form.control(ControlId::charge2Readout).text(), QStringLiteral("q2= 3,0e"));
    QCOMPARE(form.control(ControlId::charge3Readout).text(), QStringLiteral("q3= 7,0e"));
}

void tst_locale::files()
{
    // The run's table: every number reads back exactly, with a point or a comma as asked.
    FakeMainWindow form;
    form.random.values = {0.25f, 0.65f};
    form.start();
    form.simulation().experiment().start();
    const RunRecord& record = form.simulation().record();
    QVERIFY(record.points().size() > 10);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)}) {
        const char separator = locale.decimalPoint() == u',' ? ';' : ',';
        const QList<QByteArray> rows = RunTable::csv(record, locale).split('\n');
        QByteArray t = rows.at(5).split(separator).at(4);
        t.replace(',', '.');
        double value = 0;
        QVERIFY(std::from_chars(t.constData(), t.constData() + t.size(), value).ec == std::errc{});
        QCOMPARE(value, record.points().at(4).t * static_cast<double>(record.tau()));
    }

    // The journal's file and its table.
    const Journal journal = generatedJournal(2, 7);
    const QByteArray bytes = JournalFile::write(journal);
    QVERIFY(bytes.contains("\"plateGap\": 0.016"));
    const auto read = JournalFile::read(bytes);
    QVERIFY(std::holds_alternative<Journal>(read));
    QCOMPARE(*std::get<Journal>(read).entries.at(1).time, *journal.entries.at(1).time);
    QCOMPARE(std::get<Journal>(read).drops.at(0).setup.eta, journal.drops.at(0).setup.eta);
    JournalModel model(QLocale::c());
    model.setJournal(journal);
    const QByteArray table = JournalTable::csv(model, QLocale::c());
    QVERIFY2(table.contains("," + RunTable::number(*journal.entries.at(1).time, '.') + ","), table.constData());
}

QTEST_GUILESS_MAIN(tst_locale)
#include "tst_locale.moc"
