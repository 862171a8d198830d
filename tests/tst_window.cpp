#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "Fonts.h"
#include "AuthorsWindow.h"
#include "HelpCommands.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

/// The main window as built: controls, fonts, colours, focus order, menus,
/// start-up and shutdown, and the Authors window.
class tst_window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void captionsAndToolTips_data();
    void captionsAndToolTips();
    void fontsAndColours_data();
    void fontsAndColours();
    void selectorsAtCreation();
    void focusOrder();
    void menus();
    void startUp();
    void firstLayoutOnlyAfterGateOpens();
    void exitDeclinedKeepsEverything();
    void exitConfirmedEnds();
    void closeBoxAsksTheSame();
    void authorsWindow();
    void authorsWindowFollowsMainWindow();
    void aboutText();
    void disabledButtonsLookDisabled();
    void buttonsOnTheFramesGrey();
    void authorsWindowIsAWindow();
};

namespace {

/// The darkest grey level among a widget's rendered pixels: its text, for a button.
int darkestLevel(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

/// The colour most of a widget's rendered pixels have.
QColor commonestColour(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    return QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first);
}

} // namespace

void tst_window::captionsAndToolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    auto row = [](const char* name, const QString& caption, const QString& tip) {
        QTest::newRow(name) << QString::fromLatin1(name) << caption << tip;
    };
    row("plateGapCaption", "D=", "Расстояние между пластинами");
    row("plateGapEdit", " 0.0160", "Расстояние между пластинами");
    row("plateGapUnit", " м", "");
    row("voltageCaption", "Ux=", "Напряжение между пластинами");
    row("voltageEdit", "- 5085.0", "Напряжение между пластинами");
    row("voltageUnit", " В", "");
    row("diameterCaption", "d=", "Диаметр капли");
    row("diameterEdit", " 5.520e-06", "Диаметр капли");
    row("dropletDensityCaption", "ρ=", "Плотность капли");
    row("dropletDensityEdit", " 920", "Плотность капли");
    row("dropletDensityUnit", " кг/м3", "");
    row("mediumDensityCaption", "ρ0=", "Плотность среды");
    row("mediumDensityEdit", " 1.23", "Плотность среды");
    row("viscosityCaption", "η=", "Коэффициент динамической вязкости среды "); // one trailing blank
    row("viscosityEdit", " 1.820e-05", "Коэффициент динамической вязкости среды"); // none
    row("viscosityUnit", " Па с", "");
    row("parametersHeading", "Параметры", "");
    row("characteristicsHeading", "Характеристики", "");
    row("velocitiesHeading", "Скорости", "");
    row("massReadout", "m = 8,102E-14 кг", "Масса капли");
    row("fieldStrengthReadout", "Ex = -3,178E+05 В/м", "Напряжённость электрического поля");
    row("relaxationTimeReadout", "tau = 8,557E-05 c", "Характерное время");
    row("forceRatioReadout", "a = -6,412E-02 ", "Параметр а");
    row("terminalVelocityReadout", " Vg = 8,387E-04 м/c", "предельная вертикальная скорость");
    row("limitingVelocity2Readout", "V2max= 6,773E-04 м/c", "2 предельная скорость");
    row("limitingVelocity3Readout", "V3max= 4,622E-04 м/c", "3 предельная скорость");
    row("charge2Readout", "charge2Readout", "заряд q2");
    row("charge3Readout", "charge3Readout", "заряд q3");
    row("chargeRatioReadout", "chargeRatioReadout", "отношение зарядов q3/q2");
    row("chargeDifferenceReadout", "chargeDifferenceReadout", "разность зарядов N3-N2");
    row("slowDownReadout", "5", "Замедление времени");
    row("startButton", "ПУСК", "Запуск установки");
    row("voltageButton", "НАПРЯЖЕНИЕ", "Подача напряжения на пластины конденсатора");
    row("lightButton", "СВЕТ", "Освещение рентгеновскими лучами");
    row("randomChargesCheckBox", "Выбор", "Случайный выбор зарядов");
    row("viewGroupBox", "Графики", "Выбор графика");
    row("animationOption", "Движение", "Анимация");
    row("coordinateOption", "Координата", "Зависимость x(t)");
    row("velocityOption", "Проекция Vx", "Зависимость Vx(t)");
    row("animationView", "", "Расстояние между пластинами, разбитое на 10 частей");
    row("coordinatePlot", "", "Координата в относительных единицах");
    row("velocityPlot", "", "Скорость в относительных единицах");
}

void tst_window::captionsAndToolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    WindowFixture w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    QWidget* widget = w.form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), toolTip);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text = edit->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        text = group->title();
    QCOMPARE(text, caption);
}

void tst_window::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor grey(224, 224, 224), yellow(255, 255, 192), cyan(192, 255, 255), white(Qt::white);
    const QColor black(Qt::black), blue(0, 0, 255), red(255, 0, 0);
    // Times New Roman and MS Sans Serif, or their metric-compatible stand-ins.
    const QString times = Fonts::serifFamily(), sans = Fonts::sansFamily();
    QTest::newRow("input") << "plateGapEdit" << times << 16 << false << yellow << black;
    QTest::newRow("caption") << "dropletDensityCaption" << times << 16 << false << grey << black;
    QTest::newRow("unit") << "dropletDensityUnit" << times << 16 << false << grey << black;
    QTest::newRow("heading") << "parametersHeading" << times << 16 << true << grey << black;
    QTest::newRow("blue heading") << "velocitiesHeading" << times << 16 << true << grey << blue;
    QTest::newRow("derived") << "massReadout" << times << 16 << false << cyan << black;
    QTest::newRow("velocity") << "limitingVelocity2Readout" << times << 16 << false << white << blue;
    QTest::newRow("charge") << "charge2Readout" << times << 16 << false << white << red;
    QTest::newRow("slow-down") << "slowDownReadout" << times << 16 << false << yellow << black;
    QTest::newRow("button") << "startButton" << sans << 11 << true << QColor() << QColor();
    QTest::newRow("option 1") << "animationOption" << times << 15 << false << grey << black;
    QTest::newRow("option 2") << "coordinateOption" << times << 16 << false << grey << black;
}

void tst_window::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    WindowFixture w;
    QWidget* widget = w.form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().bold(), bold);
    if (background.isValid()) {
        QCOMPARE(widget->palette().color(QPalette::Window), background);
        QCOMPARE(widget->palette().color(QPalette::WindowText), text);
    }
    // The serif substitute renders Cyrillic.
    QVERIFY(QFontMetrics(widget->font()).inFontUcs4(U'Ж'));
}

void tst_window::selectorsAtCreation()
{
    WindowFixture w;
    QVERIFY(w.find<QRadioButton>("animationOption")->isChecked());
    QCOMPARE(w.find<QRadioButton>("animationOption")->geometry(), QRect(0, 20, 96, 21));
    QCOMPARE(w.find<QRadioButton>("velocityOption")->geometry(), QRect(0, 60, 103, 17));
    auto* scroll = w.find<QScrollBar>("slowDownScrollBar");
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), 9);
    QCOMPARE(scroll->value(), 5);
    QCOMPARE(scroll->singleStep(), 1);
    QCOMPARE(scroll->pageStep(), 1);
    // Checked by the defaults at start-up.
    QVERIFY(w.find<QCheckBox>("randomChargesCheckBox")->isChecked());
    QVERIFY(!w.fakes.timer.isEnabled());
    // The droplet marker and the beam inside the animation view.
    QCOMPARE(w.find("dropletMarker")->parentWidget(), w.find("animationView"));
    QCOMPARE(w.find("dropletMarker")->size(), QSize(10, 10));
    QCOMPARE(w.find("beamSprite")->size(), QSize(50, 25));
}

void tst_window::focusOrder()
{
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), w.find("startButton"));
    const char* order[] = {"startButton",   "voltageEdit",   "plateGapEdit",   "diameterEdit",    "dropletDensityEdit",    "mediumDensityEdit",   "viscosityEdit",
                           "animationOption", "coordinateOption", "velocityOption", "slowDownScrollBar", "voltageButton", "lightButton", "randomChargesCheckBox"};
    QWidget* current = w.find(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // The next widget in the chain that can take the focus by tab.
        QWidget* next = current->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), QString::fromLatin1(order[i]));
        current = next;
    }
    for (const char* label : {"massReadout", "characteristicsHeading", "parametersHeading"})
        QCOMPARE(w.find(label)->focusPolicy(), Qt::NoFocus);
}

void tst_window::menus()
{
    WindowFixture w;
    const QList<QAction*> menus = w.form->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Файл"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Помощь"));
    // Alt+Ф and Alt+П open them.
    QCOMPARE(QKeySequence::mnemonic(menus[0]->text()), QKeySequence(Qt::ALT | Qt::Key(0x424)));
    QCOMPARE(QKeySequence::mnemonic(menus[1]->text()), QKeySequence(Qt::ALT | Qt::Key(0x41F)));

    const QStringList file = {"Справка1", "Справка2", "История", "", "Выход"};
    const QStringList help = {"Инструкция", "Управление", "", "Авторы", "О программе"};
    const QStringList fileNames = {"mnuFilespravka", "mnuFilespravka2", "mnuFilesHistory", "mnuHelpSep1",
                                   "mnuFileExit"};
    const QStringList helpNames = {"mnuHelpInstruction", "mnuHelpUprav", "mnuHelpSep2", "mnuHelpAvtors",
                                   "mnuHelpAbout"};
    const QList<QStringList> captions = {file, help};
    const QList<QStringList> names = {fileNames, helpNames};
    for (int m = 0; m < 2; ++m) {
        const QList<QAction*> items = menus[m]->menu()->actions();
        QCOMPARE(items.size(), 5);
        for (int i = 0; i < 5; ++i) {
            QAction* item = items[i];
            QCOMPARE(item->objectName(), names[m][i]);
            QCOMPARE(item->isSeparator(), captions[m][i].isEmpty());
            if (item->isSeparator()) {
                QVERIFY(item->icon().isNull());
                continue;
            }
            QCOMPARE(item->text(), captions[m][i]);
            QVERIFY(item->shortcut().isEmpty());
            QVERIFY(!item->isCheckable());
            QVERIFY(item->isEnabled());
            // A picture beside every item, shown at 32 px.
            QVERIFY(!item->icon().isNull());
            QCOMPARE(item->icon().actualSize(QSize(32, 32)), QSize(32, 32));
        }
    }
    QCOMPARE(w.form->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menus[0]->menu()), 32);
}

void tst_window::startUp()
{
    WindowFixture w;
    // The bitmap holders are hidden before the window is first shown.
    for (int n = 4; n <= 11; ++n)
        QVERIFY(w.form->findChild<QWidget*>(QStringLiteral("Picture%1").arg(n))->isHidden());
    QCOMPARE(w.state().startUpDone, 1.0);
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Моделирование опыта Вельтрана"));
    QVERIFY(!w.form->windowIcon().isNull());
    w.show();
    QCOMPARE(w.form->clientArea()->size(), QSize(480, 512));
    // Placed at a tenth of the free width and a fiftieth of the free height.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = w.form->frameGeometry().size();
    QCOMPARE(w.form->pos().x(), qRound((screen.width() - outer.width()) * 0.1));
    QCOMPARE(w.form->pos().y(), qRound((screen.height() - outer.height()) * 0.02));
}

void tst_window::firstLayoutOnlyAfterGateOpens()
{
    WindowFixture w;
    // Created, defaults validated, but not yet laid out: no derived quantities.
    QVERIFY(w.fakes.random.seeds.empty());
    QCOMPARE(w.find<QLabel>("massReadout")->text(), QStringLiteral("massReadout"));
    QVERIFY(w.fakes.messageBox.shown.empty());
    w.show();
    QCOMPARE(w.fakes.random.seeds.size(), std::size_t(1));
    QCOMPARE(w.find("parametersHeading")->geometry(), QRect(168, 4, 120, 24));
    QCOMPARE(w.find("animationView")->geometry(), QRect(4, 4, 160, 504));
}

void tst_window::exitDeclinedKeepsEverything()
{
    WindowFixture w;
    w.show();
    w.find<QLineEdit>("plateGapEdit")->setText(QStringLiteral("0.02"));
    w.fakes.messageBox.answers = {false};
    w.form->menuAction(QStringLiteral("mnuFileExit"))->trigger();
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].title, QStringLiteral("На Выход"));
    QCOMPARE(w.fakes.messageBox.shown[0].text, QStringLiteral("Вы абсолютно уверены?"));
    QVERIFY(w.fakes.messageBox.shown[0].question);
    QVERIFY(w.form->isVisible());
    QVERIFY(!w.fakes.lifetime.ending);
    QCOMPARE(w.find<QLineEdit>("plateGapEdit")->text(), QStringLiteral("0.02"));
    QCOMPARE(w.state().DD, 0.02);
}

void tst_window::exitConfirmedEnds()
{
    WindowFixture w;
    w.show();
    w.fakes.messageBox.answers = {true};
    w.form->menuAction(QStringLiteral("mnuFileExit"))->trigger();
    QVERIFY(w.fakes.lifetime.ending);
    QCOMPARE(w.fakes.lifetime.status, 0);
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1)); // no second question
}

void tst_window::closeBoxAsksTheSame()
{
    WindowFixture w;
    w.show();
    w.fakes.messageBox.answers = {false};
    QVERIFY(!w.form->close());
    QVERIFY(w.form->isVisible());
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].text, QStringLiteral("Вы абсолютно уверены?"));
}

void tst_window::authorsWindow()
{
    WindowFixture w;
    w.show();
    QVERIFY(!w.form->authorsWindow());
    w.form->menuAction(QStringLiteral("mnuHelpAvtors"))->trigger();
    AuthorsWindow* authors = w.form->authorsWindow();
    QVERIFY(authors);
    QVERIFY(authors->isVisible());
    QCOMPARE(authors->windowTitle(), QStringLiteral("Авторы"));
    QCOMPARE(authors->size(), QSize(222, 297));
    QVERIFY(!authors->parentWidget()); // no owner: the main window stays usable
    QCOMPARE(authors->portrait()->geometry(), QRect(32, 8, 150, 180));
    QCOMPARE(authors->portrait()->pixmap().deviceIndependentSize(), QSizeF(150, 180));

    const QStringList lines = authors->caption()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(lines[i].size(), 36);
    QVERIFY(!lines[1].endsWith(u' ')); // exactly 36 long of itself
    QVERIFY(lines[5].size() < 36);
    QVERIFY(!lines[5].endsWith(u' '));
    QVERIFY(!authors->caption()->text().endsWith(QStringLiteral("\r\n")));
    QVERIFY(w.fakes.messageBox.shown.empty());

    // Closed by its own close box, it is gone; the next command makes a new one.
    authors->close();
    QTRY_VERIFY(!w.form->authorsWindow());
    w.form->menuAction(QStringLiteral("mnuHelpAvtors"))->trigger();
    QVERIFY(w.form->authorsWindow());
}

void tst_window::authorsWindowFollowsMainWindow()
{
    WindowFixture w;
    w.show();
    // The main window partly off the screen: the Authors window is centred on it all the same.
    w.form->move(-300, -200);
    QTRY_COMPARE(w.form->pos(), QPoint(-300, -200));
    w.form->showAuthors();
    AuthorsWindow* authors = w.form->authorsWindow();
    auto centred = [&] {
        const QRect main = w.form->frameGeometry();
        const QSize outer = authors->frameGeometry().size();
        return QPoint(qRound((main.width() - outer.width()) / 2.0 + main.x()),
                      qRound((main.height() - outer.height()) / 2.0 + main.y()));
    };
    QTRY_COMPARE(authors->pos(), centred());
    QVERIFY(authors->x() < 0);
    // Moved elsewhere, it comes back to the centre on the next command: the same window.
    authors->move(700, 500);
    w.form->showAuthors();
    QCOMPARE(w.form->authorsWindow(), authors);
    QTRY_COMPARE(authors->pos(), centred());
}

void tst_window::aboutText()
{
    WindowFixture w;
    w.form->showAbout();
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    const auto& box = w.fakes.messageBox.shown[0];
    QCOMPARE(box.title, QStringLiteral("О ПРОГРАММЕ"));
    QVERIFY(!box.question);
    QVERIFY(!box.text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines[0], QStringLiteral("Программа моделирует опыт Вельтрана по определению элементарного заряда"));
    QCOMPARE(lines[1], QStringLiteral("методом движения капель в электрическом поле."));
    QCOMPARE(lines[2], QStringLiteral(" "));
    QCOMPARE(lines[3], QStringLiteral("История версий:"));
    QCOMPARE(lines[9], QStringLiteral(" "));
    // No empty line, no other line of a single blank; line feeds only in pairs with CR.
    for (int i = 0; i < 15; ++i) {
        QVERIFY(!lines[i].isEmpty());
        QVERIFY(!lines[i].contains(u'\n') && !lines[i].contains(u'\r'));
        if (i != 2 && i != 9)
            QVERIFY(lines[i].trimmed().size() > 0);
    }
    // Trailing blanks: one on lines 8, 9, 12 and 15, four on line 14, none elsewhere.
    auto trailing = [](const QString& line) {
        int n = 0;
        while (n < line.size() && line[line.size() - 1 - n] == u' ')
            ++n;
        return n;
    };
    const int expected[15] = {0, 0, 1, 0, 0, 0, 0, 1, 1, 1, 0, 1, 0, 4, 1};
    for (int i = 0; i < 15; ++i)
        QCOMPARE(trailing(lines[i]), expected[i]);
}

void tst_window::disabledButtonsLookDisabled()
{
    WindowFixture w;
    w.show();
    // Every layout pass disables the voltage and light buttons; a start enables them.
    for (const char* name : {"voltageButton", "lightButton"}) {
        auto* button = w.find<QPushButton>(name);
        QVERIFY(!button->isEnabled());
        const int disabled = darkestLevel(button);
        button->setEnabled(true);
        const int enabled = darkestLevel(button);
        QVERIFY2(disabled - enabled >= 60, qPrintable(QStringLiteral("%1: caption %2 disabled, %3 enabled")
                                                          .arg(QLatin1String(name))
                                                          .arg(disabled)
                                                          .arg(enabled)));
    }
}

void tst_window::buttonsOnTheFramesGrey()
{
    WindowFixture w;
    w.show();
    for (const char* name : {"animationOption", "coordinateOption", "velocityOption", "randomChargesCheckBox"})
        QCOMPARE(commonestColour(w.find(name)), QColor(224, 224, 224));
}

void tst_window::authorsWindowIsAWindow()
{
    WindowFixture w;
    w.show();
    w.form->showAuthors();
    AuthorsWindow* authors = w.form->authorsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(authors));
    QCOMPARE(authors->windowIcon().cacheKey() != 0, true);
    QVERIFY(!authors->windowIcon().pixmap(32).isNull());
    // Announced as a window (a dialog), not as a filler; modeless and ownerless.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(authors);
    QVERIFY(accessible);
    QVERIFY(accessible->role() == QAccessible::Dialog || accessible->role() == QAccessible::Window);
    QVERIFY(!authors->isModal());
    QVERIFY(!authors->parentWidget());
    // Every line of the caption wholly inside its label.
    QLabel* caption = authors->caption();
    const QFontMetricsF metrics(caption->font());
    const QStringList lines = caption->text().split(QStringLiteral("\r\n"));
    const QRect room = caption->contentsRect();
    QVERIFY2(metrics.lineSpacing() * 5 + metrics.height() <= room.height(),
             qPrintable(QStringLiteral("six lines need %1 px of %2").arg(metrics.lineSpacing() * 5 + metrics.height())
                            .arg(room.height())));
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= room.width(), qPrintable(line));
}

QTEST_MAIN(tst_window)
#include "tst_window.moc"
