// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "RunRecord.h"

#include <QAccessible>
#include <QtTest>

/// What a screen reader is told, through the accessibility of the real X11
/// platform with an accessibility bus of its own (the test runs under a
/// private Xvfb, D-Bus session and AT-SPI bus): the read-outs as they
/// appear, the end of a run and the verdict, whatever has the focus.
class tst_announcements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void whatHappensIsAnnounced_data();
    void whatHappensIsAnnounced();
};

void tst_announcements::initTestCase()
{
    WindowFixture::setUpApplication();
    // The accessibility bridge switches itself on once it has found the bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

namespace {

/// The alerts a screen reader is sent, each with the name of what raised it.
QStringList alerts;

void recordAlerts(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::Alert)
        return;
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface && iface->role() == QAccessible::AlertMessage)
        alerts << iface->text(QAccessible::Name);
}

} // namespace

void tst_announcements::whatHappensIsAnnounced_data()
{
    QTest::addColumn<bool>("irradiated");
    QTest::addColumn<QStringList>("expected");
    const QString ended = QStringLiteral("Движение капли окончено. ");
    QTest::newRow("correct") << true
                             << QStringList{"V2max= 6,773E-04 м/c", "q2= 3,0e, q3= 7,0e", "V3max= 4,622E-04 м/c",
                                            "q3/q2= 2,333, q3-q2= 4,000e", ended + "Опыт выполнен верно."};
    QTest::newRow("incorrect") << false
                               << QStringList{"V2max= 6,773E-04 м/c", "q2= 3,0e, q3= 7,0e",
                                              "q3/q2= 2,333, q3-q2= 4,000e",
                                              ended
                                                  + "Опыт выполнен неверно. Вы не Вельтран! Прочтите описание и "
                                                    "инструкцию."};
}

void tst_announcements::whatHappensIsAnnounced()
{
    // The read-outs as they appear, the end of the run and the verdict, as
    // alerts whatever has the focus.
    QFETCH(bool, irradiated);
    QFETCH(QStringList, expected);
    WindowFixture w;
    w.show();
    QVERIFY(QAccessible::isActive());
    alerts.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordAlerts);
    w.fakes.random.values = {0.25f, 0.65f};
    const RunRecord& record = w.simulation().record();
    Experiment& experiment = w.simulation().experiment();
    w.fakes.timer.everyPause = [&, last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step == last)
            return;
        last = step;
        if (step == 10)
            experiment.applyVoltage();
        if (step == 20)
            experiment.showCharges();
        if (step == 30 && irradiated)
            experiment.irradiate();
        if (step == 40)
            experiment.showVelocities();
    };
    experiment.start();
    QAccessible::installUpdateHandler(previous);
    QCOMPARE(alerts, expected);
}

QTEST_MAIN(tst_announcements)
#include "tst_announcements.moc"
