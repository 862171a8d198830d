// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneratedJournal.h"

#include "ChargeUnits.h"
#include "ClassPool.h"
#include "JournalFile.h"
#include "MeasuredDrops.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

/// The lab report and the class report as a teacher makes them from the
/// command line, without a window: what the PDF's text says (read back by
/// pdftotext), that every word of it lies within the page in either
/// language, that a refused journal leaves no file behind, that a damaged
/// file is named and keeps none of the others out, that copies are named and
/// pooled once, and that the pooled e of journals with the exact e finds it
/// within its uncertainty.
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
    void everyWordWithinThePage_data();
    void everyWordWithinThePage();
    void copiesNamedAndPooledOnce();
    void pluralForms();

private:
    QTemporaryDir m_dir;
};

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

/// The program, with no display and Russian texts (unless `--lang en` says otherwise).
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

/// A word of a PDF where pdftotext -bbox finds it, in points, and its page's size.
struct PdfWord {
    QString text;
    int page = 0;
    QRectF box;
    QSizeF pageSize;
};

QList<PdfWord> pdfWords(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.-]+)" yMin="([\d.-]+)" )re"
                       R"re(xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    QSizeF page;
    int pages = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            page = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            ++pages;
            continue;
        }
        const QPointF from(m.captured(3).toDouble(), m.captured(4).toDouble());
        const QPointF to(m.captured(5).toDouble(), m.captured(6).toDouble());
        words.push_back({m.captured(7), pages, QRectF(from, to), page});
    }
    return words;
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

namespace {

/// A journal without an estimate (one drop's two charges: too few), with 21
/// drops started that have no measurement, three of them lost; its drops in
/// air with the slip correction (the widest drops table, and the
/// extrapolation's words).
Journal journalWithoutEstimate(const QString& student)
{
    Journal journal = generatedJournal(1, 21, student, QStringLiteral("ФТ-21"));
    journal.drops.front().pressure = 98000;
    journal.drops.front().temperature = 296.15;
    journal.drops.front().slipCorrection = true;
    for (int n = 2; n <= 22; ++n) {
        JournalDrop d = journal.drops.front();
        d.number = n;
        d.lost = n % 7 == 0;
        journal.drops.push_back(d);
    }
    journal.entries[1].deleted = true;
    journal.entries[1].reason = QStringLiteral("не заметила, с какой линии начала отсчёт");
    return journal;
}

} // namespace

void tst_report::everyWordWithinThePage_data()
{
    QTest::addColumn<bool>("lab");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    const QStringList labRu = {QStringLiteral("Ещё 21 капля не измерена или потеряна."),
                               QStringLiteral("оценки нет — надёжных зарядов"),
                               QStringLiteral("измеряйте новые состояния её заряда и новые капли")};
    const QStringList labEn = {QStringLiteral("21 more drops were not measured or were lost."),
                               QStringLiteral("no estimate — 2 reliable charges"),
                               QStringLiteral("measure new charge states and new drops")};
    QTest::newRow("lab report, ru") << true << QStringLiteral("ru") << labRu;
    QTest::newRow("lab report, en") << true << QStringLiteral("en") << labEn;
    QTest::newRow("class report, ru")
        << false << QStringLiteral("ru")
        << QStringList{QStringLiteral("оценки нет — надёжных зарядов 2"), QStringLiteral("и новые капли"),
                       QStringLiteral("«copy.json» (Петров Пётр) — копия: те же измерения, что в «nothing.json» "
                                      "(Сидорова Мария); в общую оценку не вошёл")};
    QTest::newRow("class report, en")
        << false << QStringLiteral("en")
        << QStringList{QStringLiteral("no estimate — 2 reliable charges"), QStringLiteral("and new drops"),
                       QStringLiteral("“copy.json” (Петров Пётр) is a copy: the same measurements as in "
                                      "“nothing.json” (Сидорова Мария); not in the pooled estimate")};
}

void tst_report::everyWordWithinThePage()
{
    // A journal without an estimate, the reason for which is what the
    // teacher reads: every word of its lab report, and of the class report
    // of it, its copy and a journal with an estimate, within the page's
    // margins (A4, 18 mm on the left, 15 mm elsewhere), in either language.
    QFETCH(bool, lab);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString nothing = dir.filePath(QStringLiteral("nothing.json"));
    writeFile(nothing, JournalFile::write(journalWithoutEstimate(QStringLiteral("Сидорова Мария"))));
    const QString report = dir.filePath(QStringLiteral("report.pdf"));
    QStringList arguments = {QStringLiteral("--lang"), language};
    if (lab) {
        arguments << QStringLiteral("--report") << nothing << report;
    } else {
        const QString copy = dir.filePath(QStringLiteral("copy.json"));
        writeFile(copy, JournalFile::write(journalWithoutEstimate(QStringLiteral("Петров Пётр"))));
        const QString careful = dir.filePath(QStringLiteral("careful.json"));
        writeFile(careful, JournalFile::write(generatedJournal(8, 5, QStringLiteral("Ким Олег"))));
        arguments << QStringLiteral("--class") << report << nothing << copy << careful;
    }
    const Run run = program(arguments);
    QCOMPARE(run.status, 0);
    const QList<PdfWord> words = pdfWords(report);
    QVERIFY(words.size() > 100);
    constexpr double PointsPerMm = 72 / 25.4, Tolerance = 1;
    for (const PdfWord& w : words) {
        const QRectF inside(QPointF(18 * PointsPerMm - Tolerance, 15 * PointsPerMm - Tolerance),
                            QPointF(w.pageSize.width() - 15 * PointsPerMm + Tolerance,
                                    w.pageSize.height() - 15 * PointsPerMm + Tolerance));
        QVERIFY2(inside.contains(w.box), qPrintable(QStringLiteral("page %1: «%2» at %3..%4 pt, %5..%6 pt")
                                                        .arg(w.page)
                                                        .arg(w.text)
                                                        .arg(w.box.left())
                                                        .arg(w.box.right())
                                                        .arg(w.box.top())
                                                        .arg(w.box.bottom())));
    }
    // The reason and the rest whole, read as running text.
    const QString text = pdfText(report).simplified();
    for (const QString& phrase : expected)
        QVERIFY2(text.contains(phrase), qPrintable(phrase + QStringLiteral("\n—\n") + text));
}

void tst_report::copiesNamedAndPooledOnce()
{
    // Three journals with the same measurements under three names (and
    // drops started without any): the later two named as copies of the
    // first, which alone is pooled; every drop measured counts, no other.
    ClassPool pool;
    const QStringList names = {QStringLiteral("Иванова Анна"), QStringLiteral("Петров Пётр"),
                               QStringLiteral("Ким Олег")};
    for (int i = 0; i < 3; ++i) {
        Journal journal = generatedJournal(5, 77, names[i], QStringLiteral("ФТ-2%1").arg(i));
        journal.drops.push_back(journal.drops.back());
        journal.drops.back().number = 6;
        pool.add(QStringLiteral("s%1.json").arg(i), JournalFile::write(journal));
    }
    pool.add(QStringLiteral("other.json"), JournalFile::write(generatedJournal(5, 78)));
    pool.pool();
    const auto& members = pool.members();
    QCOMPARE(members.size(), std::size_t(4));
    QVERIFY(!members[0].copyOf && !members[3].copyOf);
    QCOMPARE(members[1].copyOf, std::optional<std::size_t>(0));
    QCOMPARE(members[2].copyOf, std::optional<std::size_t>(0));
    QCOMPARE(members[0].drops, 5);
    QCOMPARE(pool.pooledMembers(), 2);
    QCOMPARE(pool.pooledAnalysis().charges.size(), std::size_t(2 * 5 * 2));
    const QString html = pool.html(QLocale(QLocale::Russian));
    QVERIFY(html.contains(pool.copyText(members[1]).toHtmlEscaped()));
    QVERIFY(html.contains(pool.copyText(members[2]).toHtmlEscaped()));
    QVERIFY(pool.copyText(members[2]).contains(QStringLiteral("«s2.json» (Ким Олег)")));
    // The CSV: the copies' original named in its column, and a newline at the end.
    const QByteArray csv = pool.csv(QLocale(QLocale::Russian));
    QVERIFY(csv.endsWith('\n'));
    const QList<QByteArray> rows = csv.split('\n');
    QCOMPARE(rows.size(), 6);
    const int copyColumn = static_cast<int>(rows[0].split(';').indexOf(QStringLiteral("копия журнала").toUtf8()));
    QVERIFY(copyColumn > 0);
    QCOMPARE(rows[1].split(';')[copyColumn], QByteArray());
    QCOMPARE(rows[2].split(';')[copyColumn], QByteArray("s0.json"));
    QCOMPARE(rows[3].split(';')[copyColumn], QByteArray("s0.json"));
    QVERIFY(rows[1].startsWith("s0.json;Иванова Анна;ФТ-20;5;"));
}

void tst_report::pluralForms()
{
    const QString forms = QStringLiteral("%1 капля|%1 капли|%1 капель");
    const std::pair<int, const char*> cases[] = {{1, "капля"},    {2, "капли"},    {4, "капли"},  {5, "капель"},
                                                 {11, "капель"},  {12, "капель"},  {21, "капля"}, {22, "капли"},
                                                 {111, "капель"}, {114, "капель"}, {101, "капля"}};
    for (const auto& [n, word] : cases)
        QCOMPARE(MeasuredDrops::plural(forms.arg(n), n), QStringLiteral("%1 ").arg(n) + QString::fromUtf8(word));
    QCOMPARE(MeasuredDrops::plural(QStringLiteral("21 more drops"), 21), QStringLiteral("21 more drops"));
}

QTEST_GUILESS_MAIN(tst_report)
#include "tst_report.moc"
