// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"
#include "XServer.h"

#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "QtMessageBox.h"
#include "StopwatchWindow.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

/// What the window system shows of the program's windows and boxes, read back
/// from the X server (run under Xvfb on the xcb platform): titles exactly as
/// given, the Authors window with its icon and the type of a window, the
/// About box's lines unwrapped, and the laboratory's windows on the screen.
class tst_window_system : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void mainAndAuthorsWindows();
    void boxTitles_data();
    void boxTitles();
    void aboutBoxKeepsItsLines();
    void laboratoryWindowsOnTheScreen();
};

namespace {

/// A property of a window as the X server holds it, as xprop prints it.
QString xProperty(QWidget* window, const char* property)
{
    QProcess xprop;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    xprop.setProcessEnvironment(environment);
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-notype"), QStringLiteral("-id"),
                                          QString::number(window->winId()), QString::fromLatin1(property)});
    xprop.waitForFinished(5000);
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

/// The title the window manager shows: _NET_WM_NAME.
QString shownTitle(QWidget* window)
{
    const QString line = xProperty(window, "_NET_WM_NAME");
    const qsizetype open = line.indexOf(u'"');
    return open < 0 ? line : line.mid(open + 1, line.lastIndexOf(u'"') - open - 1);
}

/// The main window with real message boxes.
struct BoxWindow {
    FakeServices fakes;
    QtMessageBox boxes;
    std::unique_ptr<MainWindow> form;

    BoxWindow()
    {
        Services services = fakes.services();
        services.messageBox = &boxes;
        form = std::make_unique<MainWindow>(services, QStringList{}, QLocale(QLocale::Russian, QLocale::Russia));
        boxes.setParent(form.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
};

/// Runs `open`, which opens a modal box; `inspect` sees the box once it is
/// shown, then the box is closed with Escape.
void withBox(const std::function<void()>& open, const std::function<void(QMessageBox*)>& inspect)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || seen || !box->isVisible())
            return;
        seen = true;
        QTest::qWait(100); // mapped and titled on the server
        inspect(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start();
    open();
    poll.stop();
    QVERIFY(seen);
}

} // namespace

void tst_window_system::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the xcb platform (run under tests/x11/under_xvfb.sh)");
    WindowFixture::setUpApplication();
}

void tst_window_system::mainAndAuthorsWindows()
{
    WindowFixture w;
    w.show();
    QTest::qWait(100);
    QCOMPARE(shownTitle(w.form.get()), QStringLiteral("Моделирование опыта Вельтрана"));
    w.form->showAuthors();
    QWidget* authors = w.form->authorsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(authors));
    QTest::qWait(100);
    QCOMPARE(shownTitle(authors), QStringLiteral("Авторы"));
    // It carries the program's icon, and is a window of its own (no owner).
    QVERIFY2(xProperty(authors, "_NET_WM_ICON").contains(QStringLiteral("Icon (32 x 32)")),
             qPrintable(xProperty(authors, "_NET_WM_ICON").left(80)));
    const QString type = xProperty(authors, "_NET_WM_WINDOW_TYPE");
    QVERIFY2(type.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG"))
                 || type.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_NORMAL")),
             qPrintable(type));
    QVERIFY(!xProperty(authors, "WM_TRANSIENT_FOR").contains(QString::number(w.form->winId(), 16)));
}

void tst_window_system::boxTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("remark") << "ЗАМЕЧАНИЕ";
    QTest::newRow("exit") << "На Выход";
    QTest::newRow("error") << "Ошибка";
    QTest::newRow("about") << "О ПРОГРАММЕ";
}

void tst_window_system::boxTitles()
{
    QFETCH(QString, title);
    BoxWindow w;
    const std::map<QString, std::function<void()>> opens = {
        // A run without irradiation ends with the remark.
        {QStringLiteral("ЗАМЕЧАНИЕ"), [&] { w.form->widgets().startButton->click(); }},
        {QStringLiteral("На Выход"), [&] { w.form->close(); }},
        {QStringLiteral("Ошибка"), [&] { w.form->widgets().plateGapEdit->setText(QString()); }},
        {QStringLiteral("О ПРОГРАММЕ"), [&] { w.form->menus().about->trigger(); }},
    };
    QString shown;
    withBox(opens.at(title), [&](QMessageBox* box) { shown = shownTitle(box); });
    QCOMPARE(shown, title);
}

void tst_window_system::aboutBoxKeepsItsLines()
{
    BoxWindow w;
    withBox(
        [&] { w.form->menus().about->trigger(); },
        [&](QMessageBox* box) {
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            const QFontMetricsF metrics(label->font());
            const QStringList lines = label->text().split(u'\n');
            QCOMPARE(lines.size(), 15);
            // Each line fits the label's width, and the label is no taller than 15 lines.
            for (const QString& line : lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(), qPrintable(line));
            QVERIFY2(
                label->height() < metrics.lineSpacing() * 16,
                qPrintable(QStringLiteral("%1 px for 15 lines of %2").arg(label->height()).arg(metrics.lineSpacing())));
        });
}

void tst_window_system::laboratoryWindowsOnTheScreen()
{
    // A main window 1000 px wide on a 1280 × 1024 screen leaves no room on
    // its right: the stopwatch and the journal still open wholly on the screen.
    WindowFixture w;
    w.form->resize(1000, 700);
    w.show();
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    const QRect screen(0, 0, 1280, 1024);
    QCOMPARE(xGeometry(w.form.get()).width(), 1000);
    QTest::keyClick(w.form.get(), Qt::Key_L, Qt::ControlModifier);
    QWidget* stopwatch = w.form->laboratory().stopwatchWindow();
    QVERIFY(stopwatch && QTest::qWaitForWindowExposed(stopwatch));
    QTest::keyClick(w.form.get(), Qt::Key_J, Qt::ControlModifier);
    QWidget* journal = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowExposed(journal));
    QTest::qWait(100);
    for (QWidget* window : std::initializer_list<QWidget*>{stopwatch, journal}) {
        const QRect shown = xGeometry(window);
        QVERIFY2(screen.contains(shown), qPrintable(QStringLiteral("%1: %2,%3 %4×%5")
                                                        .arg(window->windowTitle())
                                                        .arg(shown.x())
                                                        .arg(shown.y())
                                                        .arg(shown.width())
                                                        .arg(shown.height())));
    }
    // The stopwatch still beside the main window, as near as the screen allows.
    QCOMPARE(xGeometry(stopwatch).right(), screen.right());
}

QTEST_MAIN(tst_window_system)
#include "tst_window_system.moc"
