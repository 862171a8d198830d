// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Assignment.h"
#include "AssignmentFolder.h"
#include "JournalFile.h"
#include "Roster.h"
#include "TaskFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

/// A teacher's assignment as `oildrop --assign` writes it: the roster read as
/// spreadsheets save it or refused with its line, a seed per student that
/// only the secret gives, task files a grader can write anew, and the task a
/// journal names.
class tst_assignments : public QObject {
    Q_OBJECT

private slots:
    void thirtyStudentsThirtySeeds();
    void seedIsTheHmacsFirstBytes();
    void badRosterWritesNothing_data();
    void badRosterWritesNothing();
    void rosterAsSpreadsheetsSaveIt_data();
    void rosterAsSpreadsheetsSaveIt();
    void damagedFilesRefused_data();
    void damagedFilesRefused();
    void mutatedFilesReadOrRefused();
};

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void tst_assignments::thirtyStudentsThirtySeeds()
{
    QTemporaryDir dir;
    QByteArray csv = "id;name;email;group\n";
    for (int i = 1; i <= 30; ++i)
        csv += QStringLiteral("ст%1;Студент %1;s%1@example.org;ФТ-21\n").arg(i).toUtf8();
    const QString roster = dir.filePath(QStringLiteral("roster.csv"));
    QVERIFY(writeAll(roster, csv));
    const QString folder = dir.filePath(QStringLiteral("group"));
    const AssignmentFolder::Result result = AssignmentFolder::create(roster, folder);
    QVERIFY2(result.done, qPrintable(result.message));
    QVERIFY(result.message.contains(QStringLiteral("30")));

    const QByteArray assignmentBytes = readAll(QDir(folder).filePath(QStringLiteral("assignment.json")));
    const auto read = Assignment::read(assignmentBytes);
    QVERIFY(std::holds_alternative<Assignment>(read));
    const Assignment& assignment = std::get<Assignment>(read);
    QCOMPARE(assignment.roster.size(), std::size_t(30));
    QCOMPARE(assignment.settings, TaskSettings{});
    QCOMPARE(assignment.rubric, Rubric{});
    const QByteArray secretHex = assignment.secret.toHex();

    QSet<quint64> seeds;
    QSet<quint64> otherSeeds;
    const QByteArray otherSecret(Assignment::SecretSize, '\x5a');
    for (const Student& student : assignment.roster) {
        const QByteArray bytes = readAll(QDir(folder).filePath(QStringLiteral("tasks/%1.json").arg(student.id)));
        QVERIFY2(!bytes.contains(secretHex), qPrintable(student.id));
        // The grader writes the same bytes from the assignment alone.
        QCOMPARE(bytes, TaskFile::bytes(assignment.taskFor(student)));
        const auto task = TaskFile::read(bytes);
        QVERIFY(std::holds_alternative<Task>(task));
        QCOMPARE(std::get<Task>(task).name, student.name);
        QCOMPARE(std::get<Task>(task).group, QStringLiteral("ФТ-21"));
        // The same secret gives the same seed; another secret, others.
        QCOMPARE(std::get<Task>(task).seed, Assignment::seedFor(assignment.secret, student.id));
        seeds.insert(std::get<Task>(task).seed);
        otherSeeds.insert(Assignment::seedFor(otherSecret, student.id));
    }
    QCOMPARE(seeds.size(), 30);
    QVERIFY(!seeds.intersects(otherSeeds));

    // A second assignment into the same folder never replaces the secret.
    const AssignmentFolder::Result again = AssignmentFolder::create(roster, folder);
    QVERIFY(!again.done);
    QVERIFY(again.message.contains(QStringLiteral("assignment.json")));
    QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("assignment.json"))), assignmentBytes);
}

void tst_assignments::seedIsTheHmacsFirstBytes()
{
    // RFC 4231, test case 2: HMAC-SHA-256("Jefe", "what do ya want for nothing?") = 5bdcc146bf60754e…
    QCOMPARE(Assignment::seedFor("Jefe", QStringLiteral("what do ya want for nothing?")),
             Q_UINT64_C(0x5bdcc146bf60754e));
}

void tst_assignments::badRosterWritesNothing_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing column") << QByteArray("id;name\na1;Анна\n") << 1 << QStringLiteral("нет столбца «email»");
    QTest::newRow("duplicate id, after an empty line")
        << QByteArray("id;name;email\n\na1;Анна;a@x\nA1;Борис;b@x\n") << 4 << QStringLiteral("повторяется");
    QTest::newRow("empty id") << QByteArray("id;name;email\n;Анна;a@x\n") << 2 << QStringLiteral("пустой id");
    QTest::newRow("unsafe id") << QByteArray("id;name;email\n../x;Анна;a@x\n") << 2 << QStringLiteral("«../x»");
    QTest::newRow("id of a hidden file") << QByteArray("id;name;email\n.x;Анна;a@x\n") << 2 << QStringLiteral("«.x»");
    QTest::newRow("id of a device") << QByteArray("id;name;email\nCon.1;Анна;a@x\n") << 2 << QStringLiteral("«Con.1»");
    QTest::newRow("wrong field count") << QByteArray("id;name;email\na1;Анна;a@x\nb2;Борис\n") << 3
                                       << QStringLiteral("2 полей вместо 3");
    QTest::newRow("empty name") << QByteArray("id,name,email\na1,,a@x\n") << 2 << QStringLiteral("пустое имя");
    QTest::newRow("not UTF-8") << QByteArray("id;name;email\na1;\xc0\xe0\xed\xed\xe0;a@x\n") << 0
                               << QStringLiteral("UTF-8");
    QTest::newRow("header alone") << QByteArray("id;name;email\r\n") << 0 << QStringLiteral("нет ни одного");
    QTest::newRow("quote left open") << QByteArray("id;name;email\na1;\"Анна;a@x\n") << 2 << QStringLiteral("кавычка");
}

void tst_assignments::badRosterWritesNothing()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString roster = dir.filePath(QStringLiteral("roster.csv"));
    QVERIFY(writeAll(roster, csv));
    const QString folder = dir.filePath(QStringLiteral("group"));
    const AssignmentFolder::Result result = AssignmentFolder::create(roster, folder);
    QVERIFY(!result.done);
    // The line, where the fault has one.
    const QString where = line > 0 ? QStringLiteral(": строка %1: ").arg(line) : QStringLiteral(": ");
    QVERIFY2(result.message.startsWith(QDir::toNativeSeparators(roster) + where), qPrintable(result.message));
    QVERIFY2(result.message.contains(reason), qPrintable(result.message));
    QVERIFY(!QFileInfo::exists(folder));
}

void tst_assignments::rosterAsSpreadsheetsSaveIt_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("students");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::newRow("quoted, with ; and quotes inside")
        << QByteArray("id;name;email;group\n\"a1\";\"Иванов; Иван\";a@x;\"ФТ-\"\"21\"\"\"\nb2;Б;b@x;\n") << 2
        << QStringLiteral("a1") << QStringLiteral("Иванов; Иван") << QStringLiteral("ФТ-\"21\"");
    QTest::newRow("BOM, CRLF, header's case and spaces")
        << QByteArray("\xEF\xBB\xBF ID ;Name;EMAIL\r\nс1;Петров Пётр;p@x\r\n\r\n") << 1 << QStringLiteral("с1")
        << QStringLiteral("Петров Пётр") << QString();
    QTest::newRow("comma, columns in another order, a column more")
        << QByteArray("email,note,id,name\np@x,—,b_2.x,\"Сидоров, С.\"\nq@x,,c3,Кузнецова\n") << 2
        << QStringLiteral("b_2.x") << QStringLiteral("Сидоров, С.") << QString();
}

void tst_assignments::rosterAsSpreadsheetsSaveIt()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, students);
    const auto read = Roster::read(csv);
    QVERIFY2(std::holds_alternative<std::vector<Student>>(read),
             qPrintable(std::get_if<Roster::Fault>(&read) ? std::get<Roster::Fault>(read).reason : QString()));
    const std::vector<Student>& roster = std::get<std::vector<Student>>(read);
    QCOMPARE(int(roster.size()), students);
    QTEST(roster[0].id, "id");
    QTEST(roster[0].name, "name");
    QTEST(roster[0].group, "group");
}

void tst_assignments::damagedFilesRefused_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // empty: read, and written back the same
    const QString task = QStringLiteral("task");
    const QString assignment = QStringLiteral("assignment");
    const QString journal = QStringLiteral("journal");

    const QByteArray good = TaskFile::bytes(
        {QStringLiteral("a1"), QStringLiteral("Анна"), QStringLiteral("ФТ-21"), {}, 18446744073709551615ULL});
    QTest::newRow("task") << task << good << QString();
    QTest::newRow("task: seed with a sign")
        << task << QByteArray(good).replace("\"18446744073709551615\"", "\"-1\"") << QStringLiteral("«seed»");
    QTest::newRow("task: id out of its folder")
        << task << QByteArray(good).replace("\"a1\"", "\"../a1\"") << QStringLiteral("«id»");
    QTest::newRow("task: no pressure") << task << QByteArray(good).replace("\"pressure\"", "\"p\"")
                                       << QStringLiteral("«pressure»");
    QTest::newRow("task: cut off") << task << good.left(good.size() / 2) << QStringLiteral("обрезан");
    QTest::newRow("task: a journal") << task << JournalFile::write(Journal{}) << QStringLiteral("не задание");

    const Assignment created = Assignment::create({{QStringLiteral("a1"), QStringLiteral("Анна"), {}, {}}});
    const QByteArray written = Assignment::write(created);
    QTest::newRow("assignment") << assignment << written << QString();
    QTest::newRow("assignment: short secret")
        << assignment << QByteArray(written).replace(created.secret.toHex(), created.secret.toHex().left(62))
        << QStringLiteral("«secret»");
    QTest::newRow("assignment: negative weight")
        << assignment << QByteArray(written).replace("\"charges\": 20", "\"charges\": -20")
        << QStringLiteral("«charges»");
    QTest::newRow("assignment: unsafe id")
        << assignment << QByteArray(written).replace("\"a1\"", "\"a/1\"") << QStringLiteral("«id»");

    Journal withTask;
    withTask.task = JournalTask{QStringLiteral("a1"), TaskFile::hash(good)};
    const QByteArray saved = JournalFile::write(withTask);
    const QByteArray hash = TaskFile::hash(good).toLatin1();
    QTest::newRow("journal with a task") << journal << saved << QString();
    QTest::newRow("journal: task's hash in capitals")
        << journal << QByteArray(saved).replace(hash, hash.toUpper()) << QStringLiteral("«task»");
    QTest::newRow("journal: task's id out of its folder")
        << journal << QByteArray(saved).replace("\"a1\"", "\"..\"") << QStringLiteral("«task»");
}

void tst_assignments::damagedFilesRefused()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    // The reason it is refused, or the file written back from what was read.
    const auto outcome = [](const auto& read, auto write) {
        using Read = std::decay_t<decltype(read)>;
        if (const QString* fault = std::get_if<QString>(&read))
            return std::pair(*fault, QByteArray());
        return std::pair(QString(), write(std::get<std::variant_alternative_t<0, Read>>(read)));
    };
    std::pair<QString, QByteArray> result;
    if (reader == QLatin1String("task"))
        result = outcome(TaskFile::read(bytes), TaskFile::bytes);
    else if (reader == QLatin1String("assignment"))
        result = outcome(Assignment::read(bytes), Assignment::write);
    else
        result = outcome(JournalFile::read(bytes), JournalFile::write);
    if (reason.isEmpty()) {
        QVERIFY2(result.first.isEmpty(), qPrintable(result.first));
        QCOMPARE(result.second, bytes);
    } else {
        QVERIFY2(result.first.contains(reason), qPrintable(result.first));
    }
}

void tst_assignments::mutatedFilesReadOrRefused()
{
    // Every damaged file is either read — and then written back reads the same —
    // or refused with a reason; none crashes a reader.
    const Assignment assignment = Assignment::create(
        {{QStringLiteral("a1"), QStringLiteral("Анна"), QStringLiteral("a@x"), QStringLiteral("ФТ-21")}});
    const QByteArray files[] = {Assignment::write(assignment),
                                TaskFile::bytes(assignment.taskFor(assignment.roster[0]))};
    QRandomGenerator random(36);
    for (const QByteArray& original : files) {
        for (int i = 0; i < 2000; ++i) {
            QByteArray bytes = original;
            for (int change = 0, changes = 1 + random.bounded(4); change < changes; ++change) {
                const int at = random.bounded(int(bytes.size()));
                static constexpr char Alphabet[] = "{}[]\":,0-9e.aZ\xd0 ";
                const char c = Alphabet[random.bounded(int(sizeof Alphabet) - 1)];
                switch (random.bounded(3)) {
                case 0: bytes[at] = c; break;
                case 1: bytes.insert(at, c); break;
                default: bytes.remove(at, 1 + random.bounded(8)); break;
                }
            }
            if (original.contains("oildrop-task")) {
                const auto read = TaskFile::read(bytes);
                if (const Task* task = std::get_if<Task>(&read))
                    QCOMPARE(std::get<Task>(TaskFile::read(TaskFile::bytes(*task))), *task);
                else
                    QVERIFY(!std::get<QString>(read).isEmpty());
            } else {
                const auto read = Assignment::read(bytes);
                if (const Assignment* a = std::get_if<Assignment>(&read))
                    QCOMPARE(Assignment::write(std::get<Assignment>(Assignment::read(Assignment::write(*a)))),
                             Assignment::write(*a));
                else
                    QVERIFY(!std::get<QString>(read).isEmpty());
            }
        }
    }
}

QTEST_GUILESS_MAIN(tst_assignments)
#include "tst_assignments.moc"
