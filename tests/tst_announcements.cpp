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
/// appear, the end of a run and the verdict, a held drop's field, voltage
/// and charge and its loss, whatever has the focus.
class tst_announcements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void whatHappensIsAnnounced_data();
    void whatHappensIsAnnounced();
    void heldDropIsAnnounced();
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

void tst_announcements::heldDropIsAnnounced()
{
    // In the laboratory, by the keys: the field on, reversed, off, the
    // voltage turned, a new charge, and the drop lost at the lower plate.
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    alerts.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordAlerts);
    // The charge 3 kept for every drop: it rises slowly at −30 kV.
    w.fakes.random.values = {0.25f, 0.65f};
    w.widgets().voltageEdit->setText(QStringLiteral("-30000"));
    w.widgets().randomChargesCheckBox->setChecked(false);
    QTest::keyClick(w.form.get(), Qt::Key_L, Qt::ControlModifier);
    const RunRecord& record = w.simulation().record();
    w.fakes.timer.everyPause = [&, last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step == last)
            return;
        last = step;
        const std::pair<int, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys[] = {
            {5, {Qt::Key_F6, Qt::NoModifier}},  {10, {Qt::Key_F6, Qt::ShiftModifier}},
            {15, {Qt::Key_F6, Qt::NoModifier}}, {20, {Qt::Key_PageUp, Qt::NoModifier}},
            {25, {Qt::Key_F7, Qt::NoModifier}},
        };
        for (const auto& [at, key] : keys)
            if (step == at)
                QTest::keyClick(w.form.get(), key.first, key.second);
    };
    QTest::keyClick(w.form.get(), Qt::Key_F5);
    w.holdWhileHeld();
    w.fakes.timer.everyPause = {};
    QAccessible::installUpdateHandler(previous);
    const QStringList expected = {QStringLiteral("Поле включено."),
                                  QStringLiteral("Полярность обратная."),
                                  QStringLiteral("Поле выключено."),
                                  QStringLiteral("Напряжение -30 300 В"),
                                  QStringLiteral("Облучение: заряд капли изменился (облучений: 1)."),
                                  QStringLiteral("Капля коснулась пластины и потеряна.")};
    // In this order, among the read-outs that appear with them.
    qsizetype at = 0;
    for (const QString& text : expected) {
        while (at < alerts.size() && QString(alerts[at]).replace(QChar(0xA0), u' ') != text)
            ++at;
        QVERIFY2(at < alerts.size(), qPrintable(text + QStringLiteral(" in ") + alerts.join(QStringLiteral(" | "))));
    }
}

QTEST_MAIN(tst_announcements)
#include "tst_announcements.moc"
