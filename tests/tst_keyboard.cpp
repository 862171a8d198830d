// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "PlotCursor.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

/// The whole experiment from the keyboard, with the keys going where a
/// keyboard sends them: to the widget that has the focus.
class tst_keyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void wholeExperimentWithoutTheMouse();
    void keysBoxListsEveryShortcut();
};

namespace {

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

/// Tab until `target` has the focus; false if it is not in the chain.
bool tabTo(QWidget* target)
{
    for (int i = 0; i < 30 && QApplication::focusWidget() != target; ++i)
        key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

} // namespace

void tst_keyboard::wholeExperimentWithoutTheMouse()
{
    WindowFixture w;
    w.fakes.random.values = {0.25f, 0.65f}; // N2 = 3, N3 = 7
    w.show();
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    const MainWindowWidgets& c = w.widgets();
    QTRY_COMPARE(QApplication::focusWidget(), c.startButton);

    // The run, started by its key; in its pauses the voltage, the light and
    // both headings by theirs, whatever has the focus.
    const RunRecord& record = w.simulation().record();
    QStringList seen;
    w.fakes.timer.everyPause = [&, last = -1](int) mutable {
        // What the headings show, in the pauses of their displays.
        for (QLabel* shown : {c.charge2Readout, c.chargeDifferenceReadout})
            if (shown->isVisible() && !seen.contains(shown->text()))
                seen << shown->text();
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step == last)
            return;
        last = step;
        if (step == 20)
            key(Qt::Key_F6);
        if (step == 40)
            key(Qt::Key_F7);
        if (step == 50)
            key(Qt::Key_F3);
        if (step == 60)
            key(Qt::Key_F4);
    };
    w.fakes.random.values = {0.25f, 0.65f}; // the start's own draw
    key(Qt::Key_F5);
    w.fakes.timer.everyPause = {};
    QCOMPARE(w.state().wasIrradiated, std::int16_t(1));
    QCOMPARE(w.state().activeChargeNumber, 7.0);
    QCOMPARE(seen, (QStringList{"q2= 3,0e", "q3-q2= 4,000e"}));
    QVERIFY(w.fakes.messageBox.shown.empty()); // the correct verdict: a tone, no remark

    // The headings take the focus and work with Space and Enter.
    QVERIFY(tabTo(c.characteristicsHeading));
    bool charges = false;
    w.fakes.timer.everyPause = [&](int) { charges = c.charge3Readout->isVisible(); };
    key(Qt::Key_Space);
    QVERIFY(charges);
    QVERIFY(tabTo(c.velocitiesHeading));
    bool ratio = false;
    w.fakes.timer.everyPause = [&](int) { ratio = c.chargeRatioReadout->isVisible(); };
    key(Qt::Key_Return);
    QVERIFY(ratio);
    w.fakes.timer.everyPause = {};

    // The velocity plot, chosen among the options with the arrows, then the
    // plot itself by Tab: its crosshair, moved and read by the keys.
    QVERIFY(tabTo(c.animationOption));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QVERIFY(c.velocityOption->isChecked());
    QVERIFY(c.velocityPlot->isVisible());
    QVERIFY(tabTo(c.velocityPlot));
    QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(c.velocityPlot);
    const QString atFirst = plot->text(QAccessible::Description);
    QVERIFY2(atFirst.contains(QStringLiteral("v = ")), qPrintable(atFirst));
    key(Qt::Key_Left, Qt::ShiftModifier); // a tenth of the plot back
    const QString back = plot->text(QAccessible::Description);
    key(Qt::Key_Right); // one step of the run on
    const QString moved = plot->text(QAccessible::Description);
    QVERIFY(back != atFirst && moved != back);
    QVERIFY2(moved.contains(QStringLiteral("кривая: Vy/Vg = ")), qPrintable(moved));

    // Its menu by the menu key, and the run's data saved from it.
    QTemporaryDir dir;
    w.fakes.saveDialog.answer = dir.filePath(QStringLiteral("run.csv"));
    QString chosen;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (int i = 0; i < 10 && (!menu->activeAction() || !menu->activeAction()->text().startsWith(u"Сохранить д"));
             ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        chosen = menu->activeAction() ? menu->activeAction()->text() : QString();
        QTest::keyClick(menu, Qt::Key_Return);
    });
    key(Qt::Key_Menu);
    QCOMPARE(chosen, QStringLiteral("Сохранить данные…"));
    QFile csv(w.fakes.saveDialog.answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readLine().startsWith("шаг;t/tau;"));
    QCOMPARE(csv.readAll().count('\n'), static_cast<qsizetype>(record.points().size()));
}

void tst_keyboard::keysBoxListsEveryShortcut()
{
    // F1 opens «Клавиши»: every shortcut of the main window and of the
    // journal's is in it.
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    w.form->laboratory().setActive(true);
    key(Qt::Key_F1);
    QVERIFY(!w.fakes.messageBox.shown.empty());
    QCOMPARE(w.fakes.messageBox.shown.back().title, QStringLiteral("Клавиши"));
    const QString box = w.fakes.messageBox.shown.back().text;
    QStringList missing;
    int shortcuts = 0;
    QWidget* const windows[] = {w.form.get(), w.form->laboratory().journalWindow()};
    for (QWidget* window : windows)
        for (const QAction* action : window->findChildren<QAction*>())
            for (const QKeySequence& shortcut : action->shortcuts()) {
                ++shortcuts;
                if (!box.contains(shortcut.toString(QKeySequence::NativeText) + QStringLiteral(" — ")))
                    missing << shortcut.toString(QKeySequence::NativeText);
            }
    QVERIFY(shortcuts >= 20);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
