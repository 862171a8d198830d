// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

/// A thousand complete experiments on the real window with zero-length pauses:
/// resident memory does not grow between the 100th and the 1000th. In the
/// sanitizer build LeakSanitizer checks at exit that nothing leaked.
class tst_memory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void thousandExperiments();
};

namespace {

/// Resident set size, KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

} // namespace

void tst_memory::thousandExperiments()
{
    WindowFixture w;
    w.show();
    QPushButton* start = w.widgets().startButton;
    long at100 = 0;
    for (int experiment = 1; experiment <= 1000; ++experiment) {
        // Alternate correct and incorrect experiments, and the views.
        if (experiment % 2 == 0)
            w.fakes.timer.during[w.fakes.timer.pauses + 30] = [&] { w.widgets().lightButton->click(); };
        w.fakes.timer.during[w.fakes.timer.pauses + 10] = [&] { w.widgets().voltageButton->click(); };
        start->click();
        // What the fakes recorded is the test's, not the program's memory.
        w.fakes.tones.tones.clear();
        w.fakes.messageBox.shown.clear();
        w.fakes.timer.intervals.clear();
        w.fakes.random.seeds.clear();
        QCoreApplication::processEvents(); // repaints, deferred deletions
        if (experiment == 100)
            at100 = residentKiB();
    }
    const long at1000 = residentKiB();
    qInfo("resident memory: %ld KiB after 100 experiments, %ld KiB after 1000", at100, at1000);
    QVERIFY(at100 > 0);
    // The sanitizers' own bookkeeping grows by design; their leak check runs at exit.
    if (!Sanitized)
        QVERIFY2(at1000 - at100 <= 128, qPrintable(QString::number(at1000 - at100)));
}

QTEST_MAIN(tst_memory)
#include "tst_memory.moc"
