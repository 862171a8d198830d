// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "AuthorsWindow.h"
#include "CanvasWidget.h"
#include "Fonts.h"
#include "HelpCommands.h"
#include "LaboratoryWindows.h"
#include "MenuPictureHolder.h"

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
    QTest::addColumn<ControlId>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    auto row = [](ControlId control, const QString& caption, const QString& tip) {
        QTest::newRow(controlName(control)) << control << caption << tip;
    };
    row(ControlId::plateGapCaption, "D=", "Расстояние между пластинами");
    row(ControlId::plateGapEdit, " 0.0160", "Расстояние между пластинами");
    row(ControlId::plateGapUnit, " м", "");
    row(ControlId::voltageCaption, "Ux=", "Напряжение между пластинами");
    row(ControlId::voltageEdit, "- 5085.0", "Напряжение между пластинами");
    row(ControlId::voltageUnit, " В", "");
    row(ControlId::diameterCaption, "d=", "Диаметр капли");
    row(ControlId::diameterEdit, " 5.520e-06", "Диаметр капли");
    row(ControlId::dropletDensityCaption, "ρ=", "Плотность капли");
    row(ControlId::dropletDensityEdit, " 920", "Плотность капли");
    row(ControlId::dropletDensityUnit, " кг/м3", "");
    row(ControlId::mediumDensityCaption, "ρ0=", "Плотность среды");
    row(ControlId::mediumDensityEdit, " 1.23", "Плотность среды");
    row(ControlId::viscosityCaption, "η=", "Коэффициент динамической вязкости среды ");     // one trailing blank
    row(ControlId::viscosityEdit, " 1.820e-05", "Коэффициент динамической вязкости среды"); // none
    row(ControlId::viscosityUnit, " Па с", "");
    row(ControlId::parametersHeading, "Параметры", "");
    // The headings work as buttons: their tooltips say what they show, and their key.
    row(ControlId::characteristicsHeading, "Характеристики", "Заряды капли q2 и q3 на 3 с (F3)");
    row(ControlId::velocitiesHeading, "Скорости", "Отношение и разность зарядов по скоростям на 3 с (F4)");
    row(ControlId::massReadout, "m = 8,102E-14 кг", "Масса капли");
    row(ControlId::fieldStrengthReadout, "Ex = -3,178E+05 В/м", "Напряжённость электрического поля");
    row(ControlId::relaxationTimeReadout, "tau = 8,557E-05 c", "Характерное время");
    row(ControlId::forceRatioReadout, "a = -6,412E-02 ", "Параметр а");
    row(ControlId::terminalVelocityReadout, " Vg = 8,387E-04 м/c", "предельная вертикальная скорость");
    row(ControlId::limitingVelocity2Readout, "V2max= 6,773E-04 м/c", "2 предельная скорость");
    row(ControlId::limitingVelocity3Readout, "V3max= 4,622E-04 м/c", "3 предельная скорость");
    row(ControlId::charge2Readout, QString::fromLatin1(controlName(ControlId::charge2Readout)), "заряд q2");
    row(ControlId::charge3Readout, QString::fromLatin1(controlName(ControlId::charge3Readout)), "заряд q3");
    row(ControlId::chargeRatioReadout, QString::fromLatin1(controlName(ControlId::chargeRatioReadout)),
        "отношение зарядов q3/q2");
    row(ControlId::chargeDifferenceReadout, QString::fromLatin1(controlName(ControlId::chargeDifferenceReadout)),
        "разность зарядов N3-N2");
    row(ControlId::slowDownReadout, "5", "Замедление времени");
    // Each button's tooltip names the key that presses it wherever the focus is.
    row(ControlId::startButton, "ПУСК", "Запуск установки (F5)");
    row(ControlId::voltageButton, "НАПРЯЖЕНИЕ", "Подача напряжения на пластины конденсатора (F6)");
    row(ControlId::lightButton, "СВЕТ", "Освещение рентгеновскими лучами (F7)");
    row(ControlId::randomChargesCheckBox, "Выбор", "Случайный выбор зарядов");
    row(ControlId::viewGroupBox, "Графики", "Выбор графика");
    row(ControlId::animationOption, "Движение", "Анимация");
    row(ControlId::coordinateOption, "Координата", "Зависимость x(t)");
    row(ControlId::velocityOption, "Проекция Vx", "Зависимость Vx(t)");
    row(ControlId::animationView, "", "Расстояние между пластинами, разбитое на 10 частей");
    row(ControlId::coordinatePlot, "", "Координата в относительных единицах");
    row(ControlId::velocityPlot, "", "Скорость в относительных единицах");
}

void tst_window::captionsAndToolTips()
{
    QFETCH(ControlId, control);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    WindowFixture w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    QWidget* widget = w.widget(control);
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
    QTest::addColumn<ControlId>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor grey(224, 224, 224), yellow(255, 255, 192), cyan(192, 255, 255), white(Qt::white);
    const QColor black(Qt::black), blue(0, 0, 255), red(255, 0, 0);
    // Times New Roman and MS Sans Serif, or their metric-compatible stand-ins.
    const QString times = Fonts::serifFamily(), sans = Fonts::sansFamily();
    QTest::newRow("input") << ControlId::plateGapEdit << times << 16 << false << yellow << black;
    QTest::newRow("caption") << ControlId::dropletDensityCaption << times << 16 << false << grey << black;
    QTest::newRow("unit") << ControlId::dropletDensityUnit << times << 16 << false << grey << black;
    QTest::newRow("heading") << ControlId::parametersHeading << times << 16 << true << grey << black;
    QTest::newRow("blue heading") << ControlId::velocitiesHeading << times << 16 << true << grey << blue;
    QTest::newRow("derived") << ControlId::massReadout << times << 16 << false << cyan << black;
    QTest::newRow("velocity") << ControlId::limitingVelocity2Readout << times << 16 << false << white << blue;
    QTest::newRow("charge") << ControlId::charge2Readout << times << 16 << false << white << red;
    QTest::newRow("slow-down") << ControlId::slowDownReadout << times << 16 << false << yellow << black;
    QTest::newRow("button") << ControlId::startButton << sans << 11 << true << QColor() << QColor();
    QTest::newRow("option 1") << ControlId::animationOption << times << 15 << false << grey << black;
    QTest::newRow("option 2") << ControlId::coordinateOption << times << 16 << false << grey << black;
}

void tst_window::fontsAndColours()
{
    QFETCH(ControlId, control);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    WindowFixture w;
    QWidget* widget = w.widget(control);
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
    QVERIFY(w.widgets().animationOption->isChecked());
    QCOMPARE(w.widgets().animationOption->geometry(), QRect(0, 20, 96, 21));
    QCOMPARE(w.widgets().velocityOption->geometry(), QRect(0, 60, 103, 17));
    auto* scroll = w.widgets().slowDownScrollBar;
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), 9);
    QCOMPARE(scroll->value(), 5);
    QCOMPARE(scroll->singleStep(), 1);
    QCOMPARE(scroll->pageStep(), 1);
    // Checked by the defaults at start-up.
    QVERIFY(w.widgets().randomChargesCheckBox->isChecked());
    QVERIFY(!w.fakes.timer.isEnabled());
    // The droplet marker and the beam inside the animation view.
    QCOMPARE(w.widgets().dropletMarker->parentWidget(), w.widgets().animationView);
    QCOMPARE(w.widgets().dropletMarker->size(), QSize(10, 10));
    QCOMPARE(w.widgets().beamSprite->size(), QSize(50, 25));
}

void tst_window::focusOrder()
{
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), w.widgets().startButton);
    const MainWindowWidgets& c = w.widgets();
    // The plots after the options that show them, the headings last.
    QWidget* const order[] = {c.startButton,
                              c.voltageEdit,
                              c.plateGapEdit,
                              c.diameterEdit,
                              c.dropletDensityEdit,
                              c.mediumDensityEdit,
                              c.viscosityEdit,
                              c.animationOption,
                              c.coordinateOption,
                              c.velocityOption,
                              c.coordinatePlot,
                              c.velocityPlot,
                              c.slowDownScrollBar,
                              c.voltageButton,
                              c.lightButton,
                              c.randomChargesCheckBox,
                              c.characteristicsHeading,
                              c.velocitiesHeading};
    QWidget* current = order[0];
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // The next widget in the chain that can take the focus by tab.
        QWidget* next = current->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order[i]->objectName());
        current = next;
    }
    for (const QLabel* label : {c.massReadout, c.parametersHeading})
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
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

    // Every item in its place, separators included; the program's first
    // commands each with its picture and without a shortcut, the laboratory's
    // and the pictures' commands among them.
    const MainWindow::Menus& m = w.form->menus();
    struct Item {
        QAction* action; // nullptr: a separator
        const char* caption;
        bool pictured;
    };
    const QList<QList<Item>> items = {
        {{m.physicsReference, "Справка1", true},
         {m.workedExample, "Справка2", true},
         {m.history, "История", true},
         {nullptr, "", false},
         {m.laboratoryMode, "Лабораторный режим", false},
         {m.journal, "Лабораторный журнал", false},
         {m.unknownDrop, "Неизвестная капля", false},
         {m.brownian, "Броуновское движение", false},
         {m.slipCorrection, "Поправка на скольжение", false},
         {m.seed, "Зерно случайных чисел…", false},
         {w.form->laboratory().coachAction(), "Подсказки", false},
         {w.form->laboratory().multiplesAction(), "Подсказки называют кратность и e", false},
         {w.form->laboratory().sprayAction(), "Распылить", false},
         {w.form->laboratory().levelMenu()->menuAction(), "Уровень реализма", false},
         {w.form->laboratory().assignAction(), "Выдать задания…", false},
         {w.form->laboratory().openTaskAction(), "Открыть задание…", false},
         {nullptr, "", false},
         {m.copyImage, "Копировать изображение", false},
         {m.saveImage, "Сохранить изображение…", false},
         {m.saveData, "Сохранить данные…", false},
         {nullptr, "", false},
         {m.exit, "Выход", true}},
        {{m.instruction, "Инструкция", true},
         {m.controlsHelp, "Управление", true},
         {m.keys, "Клавиши", false},
         {nullptr, "", false},
         {m.authors, "Авторы", true},
         {m.about, "О программе", true}},
    };
    for (int menu = 0; menu < 2; ++menu) {
        const QList<QAction*> actions = menus[menu]->menu()->actions();
        QCOMPARE(actions.size(), items[menu].size());
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const Item& expected = items[menu][i];
            QAction* item = actions[i];
            QCOMPARE(item->isSeparator(), expected.action == nullptr);
            if (item->isSeparator()) {
                QVERIFY(item->icon().isNull());
                continue;
            }
            QCOMPARE(item, expected.action);
            QCOMPARE(item->text(), QString::fromUtf8(expected.caption));
            if (!expected.pictured)
                continue;
            QVERIFY(item->shortcut().isEmpty());
            QVERIFY(!item->isCheckable());
            QVERIFY(item->isEnabled());
            // A picture beside every item of the program's first commands, shown at 32 px.
            QVERIFY(!item->icon().isNull());
            QCOMPARE(item->icon().actualSize(QSize(32, 32)), QSize(32, 32));
        }
    }
    // Plainly started, the laboratory is off and its options wait for it.
    QVERIFY(m.laboratoryMode->isCheckable() && !m.laboratoryMode->isChecked());
    for (QAction* option : {m.unknownDrop, m.brownian, m.seed})
        QVERIFY(!option->isEnabled());
    QCOMPARE(w.form->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menus[0]->menu()), 32);
}

void tst_window::startUp()
{
    WindowFixture w;
    // The holders of the menu pictures are hidden before the window is first shown.
    QCOMPARE(w.form->menuPictureHolders().size(), std::size_t(8));
    for (const QWidget* holder : w.form->menuPictureHolders())
        QVERIFY(holder->isHidden());
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
    QCOMPARE(w.widgets().massReadout->text(), QLatin1String(controlName(ControlId::massReadout)));
    QVERIFY(w.fakes.messageBox.shown.empty());
    w.show();
    QCOMPARE(w.fakes.random.seeds.size(), std::size_t(1));
    QCOMPARE(w.widgets().parametersHeading->geometry(), QRect(168, 4, 120, 24));
    QCOMPARE(w.widgets().animationView->geometry(), QRect(4, 4, 160, 504));
}

void tst_window::exitDeclinedKeepsEverything()
{
    WindowFixture w;
    w.show();
    w.widgets().plateGapEdit->setText(QStringLiteral("0.02"));
    w.fakes.messageBox.answers = {false};
    w.form->menus().exit->trigger();
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(w.fakes.messageBox.shown[0].title, QStringLiteral("На Выход"));
    QCOMPARE(w.fakes.messageBox.shown[0].text, QStringLiteral("Вы абсолютно уверены?"));
    QVERIFY(w.fakes.messageBox.shown[0].question);
    QVERIFY(w.form->isVisible());
    QVERIFY(!w.fakes.lifetime.ending);
    QCOMPARE(w.widgets().plateGapEdit->text(), QStringLiteral("0.02"));
    QCOMPARE(w.state().DD, 0.02);
}

void tst_window::exitConfirmedEnds()
{
    WindowFixture w;
    w.show();
    w.fakes.messageBox.answers = {true};
    w.form->menus().exit->trigger();
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
    w.form->menus().authors->trigger();
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
    w.form->menus().authors->trigger();
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
    w.form->menus().about->trigger();
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
    for (QPushButton* button : {w.widgets().voltageButton, w.widgets().lightButton}) {
        QVERIFY(!button->isEnabled());
        const int disabled = darkestLevel(button);
        button->setEnabled(true);
        const int enabled = darkestLevel(button);
        QVERIFY2(disabled - enabled >= 60, qPrintable(QStringLiteral("%1: caption %2 disabled, %3 enabled")
                                                          .arg(button->objectName())
                                                          .arg(disabled)
                                                          .arg(enabled)));
    }
}

void tst_window::buttonsOnTheFramesGrey()
{
    WindowFixture w;
    w.show();
    const MainWindowWidgets& c = w.widgets();
    for (QWidget* button : std::initializer_list<QWidget*>{c.animationOption, c.coordinateOption, c.velocityOption,
                                                           c.randomChargesCheckBox})
        QCOMPARE(commonestColour(button), QColor(224, 224, 224));
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
             qPrintable(QStringLiteral("six lines need %1 px of %2")
                            .arg(metrics.lineSpacing() * 5 + metrics.height())
                            .arg(room.height())));
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= room.width(), qPrintable(line));
}

QTEST_MAIN(tst_window)
#include "tst_window.moc"
