// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneratedJournal.h"

#include "ChargeUnits.h"
#include "ClassPool.h"
#include "JournalFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

/// The lab report and the class report as a teacher makes them from the
/// command line, without a window: what the PDF's text says (read back by
/// pdftotext), that a refused journal leaves no file behind, that a damaged
/// file is named and keeps none of the others out, and that the pooled e of
/// journals with the exact e finds it within its uncertainty.
class tst_report : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void reportHoldsTheWork();
    void refusedJournalLeavesNoFile_data();
    void refusedJournalLeavesNoFile();
    void classReportPoolsTheRest_data();
    void classReportPoolsTheRest();
    void pooledEstimateFindsE();

private:
    QTemporaryDir m_dir;
};

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

/// The program, with no display and Russian texts.
Run program(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ru"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(OILDROP_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

/// The text of a PDF, page by page in layout.
QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    return static_cast<int>(pdfText(path).count(u'\f'));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void tst_report::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(m_dir.isValid());
}

void tst_report::reportHoldsTheWork()
{
    // Ten drops, one of their timings struck out with its reason.
    Journal journal = generatedJournal(10, 11, QStringLiteral("Иванова Анна"), QStringLiteral("ФТ-21"));
    journal.entries[3].deleted = true;
    journal.entries[3].reason = QStringLiteral("отвлеклась");
    const QString journalPath = m_dir.filePath(QStringLiteral("ivanova.json"));
    writeFile(journalPath, JournalFile::write(journal));
    const QString reportPath = m_dir.filePath(QStringLiteral("ivanova.pdf"));
    const Run run = program({QStringLiteral("--report"), journalPath, reportPath});
    QCOMPARE(run.status, 0);
    const QString text = pdfText(reportPath);
    QVERIFY(pdfPages(reportPath) >= 2);
    QVERIFY(text.contains(QStringLiteral("Студент: Иванова Анна")));
    QVERIFY(text.contains(QStringLiteral("Группа: ФТ-21")));
    QVERIFY(text.contains(QStringLiteral("удалено:")) && text.contains(QStringLiteral("отвлеклась")));
    // Every measurement, by its time as the table writes it.
    const QLocale locale(QLocale::C);
    for (const JournalEntry& e : journal.entries)
        QVERIFY2(text.contains(locale.toString(*e.time, 'f', 2)), qPrintable(locale.toString(*e.time, 'f', 2)));
    QVERIFY(text.contains(QStringLiteral("По зарядам капель: e = (")));
    QVERIFY(text.contains(QStringLiteral("отклонение от")));
    QVERIFY(text.contains(QStringLiteral("Страница %1 из %1").arg(pdfPages(reportPath))));
}

void tst_report::refusedJournalLeavesNoFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = JournalFile::write(generatedJournal(2, 3));
    QTest::newRow("cut off") << good.left(good.size() / 2) << "повреждён или обрезан";
    QTest::newRow("foreign") << QByteArray(R"({"format": "notes"})") << "не лабораторный журнал";
    QByteArray later = good;
    later.replace("\"version\": 2", "\"version\": 7");
    QTest::newRow("a later version") << later << "более новой версией";
    QByteArray huge = good;
    huge.replace("\"plateGap\": 0.016", "\"plateGap\": 1e300");
    QTest::newRow("out of range") << huge << "вне допустимых пределов";
}

void tst_report::refusedJournalLeavesNoFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString journalPath = dir.filePath(QStringLiteral("bad.json"));
    writeFile(journalPath, bytes);
    const Run run = program({QStringLiteral("--report"), journalPath, dir.filePath(QStringLiteral("bad.pdf"))});
    QCOMPARE(run.status, 1);
    // One line naming the file and the reason; nothing but the journal in the folder.
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(journalPath) && lines[0].contains(reason), qPrintable(lines[0]));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("bad.json")});
}

void tst_report::classReportPoolsTheRest_data()
{
    QTest::addColumn<QString>("report");
    QTest::newRow("PDF") << QStringLiteral("class.pdf");
    QTest::newRow("CSV") << QStringLiteral("class.csv");
}

void tst_report::classReportPoolsTheRest()
{
    QFETCH(QString, report);
    QTemporaryDir dir;
    QStringList journals;
    for (int i = 0; i < 3; ++i) {
        journals << dir.filePath(QStringLiteral("student%1.json").arg(i));
        writeFile(journals.back(), JournalFile::write(generatedJournal(5, 100 + i, QStringLiteral("Студент %1").arg(i),
                                                                       QStringLiteral("ФТ-21"))));
    }
    const QString damaged = dir.filePath(QStringLiteral("damaged.json"));
    writeFile(damaged, JournalFile::write(generatedJournal(5, 1)).left(300));
    journals.insert(1, damaged);
    const QString reportPath = dir.filePath(report);
    const Run run = program(QStringList{QStringLiteral("--class"), reportPath} + journals);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.contains(damaged + QStringLiteral(": файл повреждён или обрезан")), qPrintable(run.err));
    QString text;
    if (report.endsWith(QStringLiteral(".pdf"))) {
        text = pdfText(reportPath);
        QVERIFY(text.contains(QStringLiteral("Не прочитаны")));
        QVERIFY(text.contains(QStringLiteral("По всем зарядам вместе")));
    } else {
        QFile file(reportPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(file.readAll());
        // Four rows and the header.
        QCOMPARE(text.count(u'\n'), 5);
    }
    QVERIFY(text.contains(QStringLiteral("damaged.json")));
    for (int i = 0; i < 3; ++i)
        QVERIFY(text.contains(QStringLiteral("Студент %1").arg(i)));

    // None read: status 1 and no report.
    QFile::remove(reportPath);
    const Run none = program({QStringLiteral("--class"), reportPath, damaged});
    QCOMPARE(none.status, 1);
    QVERIFY(!QFile::exists(reportPath));
}

void tst_report::pooledEstimateFindsE()
{
    // Six students' journals with the exact e: pooled, e within its expanded uncertainty.
    ClassPool pool;
    for (int i = 0; i < 6; ++i)
        pool.add(QStringLiteral("s%1.json").arg(i), JournalFile::write(generatedJournal(8, 500 + i)));
    pool.add(QStringLiteral("foreign.json"), QByteArray("{}"));
    pool.pool();
    QCOMPARE(pool.members().size(), std::size_t(6));
    QCOMPARE(pool.refused().size(), std::size_t(1));
    const ElementaryChargeEstimate::Result& e = pool.pooledAnalysis().fromCharges;
    QVERIFY(e.valid());
    QCOMPARE(pool.pooledAnalysis().charges.size(), std::size_t(6 * 8 * 2));
    QVERIFY2(std::fabs(e.e - ChargeUnits::ElementaryCharge) < e.expanded,
             qPrintable(QStringLiteral("%1 ± %2").arg(e.e).arg(e.expanded)));
    // Narrower than any one journal's.
    for (const ClassPool::Member& m : pool.members())
        QVERIFY(!m.estimate.valid() || e.expanded < m.estimate.expanded);
}

QTEST_GUILESS_MAIN(tst_report)
#include "tst_report.moc"
