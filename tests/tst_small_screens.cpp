// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"
#include "XServer.h"

#include "AuthorsWindow.h"
#include "ClassWindow.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "QtMessageBox.h"
#include "StopwatchWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <map>

/// The windows on a small screen, as the X server shows them (run under Xvfb
/// with a 1366 × 768 and a 1024 × 600 screen, OILDROP_XVFB_SCREEN): the keys
/// box and the journal wholly on the screen, the box's text scrolled to its
/// end by the keys, and the journal clear of the drop view.
class tst_small_screens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keysBoxOnTheScreen_data();
    void keysBoxOnTheScreen();
    void journalBesideTheDropView();
};

namespace {

QString shown(const QRect& r)
{
    return QStringLiteral("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

/// The main window with real message boxes, the laboratory on.
struct SmallScreenWindow {
    FakeServices fakes;
    QtMessageBox boxes;
    std::unique_ptr<MainWindow> form;

    SmallScreenWindow()
    {
        Services services = fakes.services();
        services.messageBox = &boxes;
        form = std::make_unique<MainWindow>(services, QStringList{}, QLocale(QLocale::Russian, QLocale::Russia));
        form->laboratory().askStudent = [](const QString&, const QString&) {
            return std::optional<std::pair<QString, QString>>();
        };
        boxes.setParent(form.get());
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    }
};

} // namespace

void tst_small_screens::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the xcb platform (run under tests/x11/under_xvfb.sh)");
    WindowFixture::setUpApplication();
    qInfo("screen %s", qPrintable(shown(QGuiApplication::primaryScreen()->geometry())));
}

void tst_small_screens::keysBoxOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "main";
    QTest::newRow("journal") << "journal";
    QTest::newRow("stopwatch") << "stopwatch";
    QTest::newRow("group's journals") << "group";
    QTest::newRow("authors") << "authors";
}

void tst_small_screens::keysBoxOnTheScreen()
{
    // F1 pressed in each window opens «Клавиши»: the box, its OK button and
    // (scrolled by Page Down) its last line are on the screen.
    QFETCH(QString, window);
    SmallScreenWindow w;
    LaboratoryWindows& lab = w.form->laboratory();
    lab.showJournal();
    w.form->showAuthors();
    const std::map<QString, QWidget*> windows = {
        {QStringLiteral("main"), w.form.get()},
        {QStringLiteral("journal"), lab.journalWindow()},
        {QStringLiteral("stopwatch"), lab.stopwatchWindow()},
        {QStringLiteral("group"), lab.journalWindow()->classWindow()},
        {QStringLiteral("authors"), w.form->authorsWindow()},
    };
    QWidget* target = windows.at(window);
    target->show();
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target));
    // What the box shows, read while it is open; it is closed whatever it shows.
    bool seen = false;
    QString title, lastLine;
    QRect frame, button;
    int end = -1, viewHeight = 0;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || seen || !box->isVisible())
            return;
        seen = true;
        QTest::qWait(100); // mapped on the server
        title = box->windowTitle();
        frame = xGeometry(box);
        for (QPushButton* ok : box->findChildren<QPushButton*>())
            if (ok->text() == u"ОК")
                button = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        // The text's last line, reached by the keys, inside the box's view.
        if (auto* area = box->findChild<QScrollArea*>()) {
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(area, Qt::Key_PageDown);
            if (auto* label = area->findChild<QLabel*>()) {
                lastLine = label->text().section(u'\n', -1);
                end = label->mapTo(area->viewport(), QPoint(0, label->height() - label->margin())).y();
                viewHeight = area->viewport()->height();
            }
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start();
    // Where a key goes: to the window's focus (the journal's table, say).
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, Qt::Key_F1);
    QTRY_VERIFY_WITH_TIMEOUT(seen, 3000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(title, QStringLiteral("Клавиши"));
    QVERIFY2(screen.contains(frame), qPrintable(shown(frame)));
    QVERIFY2(screen.contains(button), qPrintable(shown(button)));
    QCOMPARE(lastLine, QStringLiteral("F1 — этот список"));
    QVERIFY2(end >= 0 && end <= viewHeight, qPrintable(QStringLiteral("%1 of %2").arg(end).arg(viewHeight)));
}

void tst_small_screens::journalBesideTheDropView()
{
    // Ctrl+J opens the journal wholly on the screen and off the drop view
    // (both screens have room beside it); the stopwatch and the group's
    // window (Ctrl+G) are on the screen too.
    SmallScreenWindow w;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTest::keyClick(w.form.get(), Qt::Key_J, Qt::ControlModifier);
    JournalWindow* journal = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowExposed(journal));
    QTest::qWait(100);
    const QRect frame = xGeometry(journal);
    QVERIFY2(screen.contains(frame), qPrintable(shown(frame)));
    const QWidget* view = w.form->widgets().animationView;
    const QRect main = xGeometry(w.form.get());
    const QRect drops(main.topLeft() + view->mapTo(w.form.get(), QPoint(0, 0)), view->size());
    QVERIFY2(!frame.intersects(drops), qPrintable(shown(frame) + QStringLiteral(" over ") + shown(drops)));
    const QRect stopwatch = xGeometry(w.form->laboratory().stopwatchWindow());
    QVERIFY2(screen.contains(stopwatch), qPrintable(shown(stopwatch)));
    // Ctrl+G in the journal: the group's window on the screen too.
    QTest::keyClick(journal, Qt::Key_G, Qt::ControlModifier);
    QWidget* group = journal->classWindow();
    QVERIFY(QTest::qWaitForWindowExposed(group));
    QTest::qWait(100);
    const QRect groupFrame = xGeometry(group);
    QVERIFY2(screen.contains(groupFrame), qPrintable(shown(groupFrame)));
}

QTEST_MAIN(tst_small_screens)
#include "tst_small_screens.moc"
