// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropletPhysics.h"
#include "JournalCheck.h"
#include "JournalFile.h"
#include "JournalFlags.h"

#include <QtTest>

#include <cmath>
#include <cstdio>
#include <functional>

/// The check of a journal: a careful student's journal raises no flag, and
/// the same journal with one planted mistake raises exactly that one.
class tst_coach : public QObject {
    Q_OBJECT

private slots:
    void plantedMistakes_data();
    void plantedMistakes();
    void checkCommand();
};

namespace {

using P = DropletPhysics;
const SetupParameters Setup{0.016, -25000, 5.52e-6, 920, 1.23, 1.82e-5f};

/// The drop's free fall and its velocity with `n` charges at `voltage`, m/s (+ down).
double fall(const SetupParameters& s)
{
    return P::terminalVelocity(P::relaxationTime(s.r, s.d, s.eta), s.r, s.r0);
}
double inField(const SetupParameters& s, int n)
{
    return fall(s) * P::limitingVelocity(P::forceRatio(s.Ux, s.d, s.r, s.r0, s.DD), n);
}

/// The fewest charges that lift the drop at least half as fast as it falls.
int liftingCharge(const SetupParameters& s)
{
    int n = 1;
    while (inField(s, n) > -0.5 * fall(s))
        ++n;
    return n;
}

/// Three timings over five bands of a droplet at `v`, to the hundredth, with a hand's uncertainty.
void time(Journal& journal, int drop, FieldState field, int state, double v)
{
    const JournalDrop& d = *journal.drop(drop);
    for (int i = 0; i < 3; ++i) {
        JournalEntry e;
        e.drop = drop;
        e.field = field;
        e.chargeState = state;
        e.voltage = d.setup.Ux;
        e.bands = v < 0 ? -5 : 5;
        e.distance = *e.bands * d.setup.DD / 10;
        e.time = std::round(100 * std::abs(*e.distance / v)) / 100;
        e.uncertainty = 0.1;
        e.source = JournalEntry::Source::Stopwatch;
        journal.entries.push_back(e);
    }
}

void addDrop(Journal& journal, const SetupParameters& setup)
{
    JournalDrop d;
    d.number = journal.nextDropNumber();
    d.started = QDateTime(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC).addSecs(300 * d.number);
    d.setup = setup;
    journal.drops.push_back(d);
}

/// One drop timed three times falling, and rising with two charges in turn.
Journal carefulJournal()
{
    Journal journal;
    addDrop(journal, Setup);
    const int n = liftingCharge(Setup);
    time(journal, 1, FieldState::Off, 0, fall(Setup));
    time(journal, 1, FieldState::On, 0, inField(Setup, n));
    time(journal, 1, FieldState::On, 1, inField(Setup, n + 1));
    return journal;
}

} // namespace

void tst_coach::plantedMistakes_data()
{
    QTest::addColumn<std::function<void(Journal&)>>("plant");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("state");

    QTest::newRow("none") << std::function<void(Journal&)>([](Journal&) {}) << QStringList() << 0;
    QTest::newRow("a fall too few") << std::function<void(Journal&)>(
        [](Journal& j) { j.entries.erase(j.entries.begin()); })
                                    << QStringList{"few-timings", "few-timings"} << 1;
    QTest::newRow("a rise 10 % slow") << std::function<void(Journal&)>([](Journal& j) { *j.entries[6].time *= 1.1; })
                                      << QStringList{"scatter"} << 1;
    QTest::newRow("a large drop") << std::function<void(Journal&)>([](Journal& j) {
        SetupParameters large = Setup;
        large.d = 8.5e-6;
        addDrop(j, large);
        time(j, 2, FieldState::Off, 0, fall(large));
    }) << QStringList{"fast-drop"} << 0;
    QTest::newRow("forty charges") << std::function<void(Journal&)>([](Journal& j) {
        // The voltage that lifts the drop with 40 charges as fast as it falls.
        SetupParameters weak = Setup;
        weak.Ux = Setup.Ux * (-2 / (inField(Setup, 1) / fall(Setup) - 1)) / 40;
        addDrop(j, weak);
        time(j, 2, FieldState::Off, 0, fall(weak));
        time(j, 2, FieldState::On, 0, inField(weak, 40));
    }) << QStringList{"many-charges"}
                                   << 0;
    QTest::newRow("volts for kilovolts") << std::function<void(Journal&)>([](Journal& j) {
        for (JournalEntry& e : j.entries)
            if (e.chargeState == 1)
                *e.voltage /= 1000;
    }) << QStringList{"absurd-charge"} << 1;
    QTest::newRow("light with the field on")
        << std::function<void(Journal&)>([](Journal& j) { j.drops[0].irradiatedInField = {1}; })
        << QStringList{"field-on-irradiation"} << 1;
    QTest::newRow("a timing across a switch") << std::function<void(Journal&)>([](Journal& j) {
        JournalEntry e = j.entries[3];
        e.time = *e.time * 0.7;
        e.deleted = true;
        e.reason = QStringLiteral("поле переключено во время отсчёта");
        j.entries.push_back(e);
    }) << QStringList{"crossed-change"} << 0;
}

void tst_coach::plantedMistakes()
{
    QFETCH(std::function<void(Journal&)>, plant);
    QFETCH(QStringList, codes);
    QFETCH(int, state);
    Journal journal = carefulJournal();
    plant(journal);
    const std::vector<JournalFlags::Flag> flags = JournalFlags::check(journal, JournalAnalysis::analyse(journal));
    QStringList found;
    for (const JournalFlags::Flag& f : flags)
        found << JournalFlags::key(f.code);
    QCOMPARE(found, codes);
    if (flags.empty())
        return;
    // The drop and state the mistake is in, its reason said.
    const JournalFlags::Flag& f = flags.back();
    QCOMPARE(f.chargeState, state);
    QVERIFY(!f.text.isEmpty());
    QVERIFY(JournalFlags::line(f).startsWith(
        QStringLiteral("drop %1, state %2: %3: ").arg(f.drop).arg(state).arg(codes.constLast())));
}

void tst_coach::checkCommand()
{
    // A flag a line on standard output, status 0; a file it refuses named on
    // standard error, status 1.
    QTemporaryDir folder;
    Journal journal = carefulJournal();
    journal.drops[0].irradiatedInField = {1};
    const QString good = folder.filePath(QStringLiteral("journal.json")),
                  bad = folder.filePath(QStringLiteral("broken.json"));
    QFile file(good);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(JournalFile::write(journal));
    file.close();
    QFile broken(bad);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": ");
    broken.close();

    const auto run = [](const QString& path, QByteArray& out, QByteArray& err) {
        std::FILE* o = std::tmpfile();
        std::FILE* e = std::tmpfile();
        const int status = JournalCheck::run(path, o, e);
        for (auto [stream, bytes] : {std::pair{o, &out}, std::pair{e, &err}}) {
            std::rewind(stream);
            char buffer[4096];
            while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream))
                bytes->append(buffer, static_cast<qsizetype>(n));
            std::fclose(stream);
        }
        return status;
    };
    QByteArray out, err;
    QCOMPARE(run(good, out, err), 0);
    QVERIFY(err.isEmpty());
    QVERIFY2(out.startsWith("drop 1, state 1: field-on-irradiation: ") && out.count('\n') == 1, out.constData());
    out.clear();
    QCOMPARE(run(bad, out, err), 1);
    QVERIFY(out.isEmpty());
    QVERIFY2(err.contains("broken.json"), err.constData());
}

QTEST_GUILESS_MAIN(tst_coach)
#include "tst_coach.moc"
