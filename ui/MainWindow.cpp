#include "MainWindow.h"

#include "ArtworkIconEngine.h"
#include "BitmapHolder.h"
#include "ClickableLabel.h"
#include "Fonts.h"
#include "AuthorsWindow.h"

#include "Artwork.h"
#include "CanvasWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace {

const QColor DefaultText(Qt::black);

QColor qcolor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

/// Background and text colour of a control. The text colour is set for the
/// active and inactive states only: a disabled control (and every button
/// inside the client area, which inherits its palette) keeps the style's
/// greyed-out text, so that the student sees when a button is not live.
void setColors(QWidget* widget, Rgb background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, qcolor(background));
    palette.setColor(QPalette::Base, qcolor(background));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

/// Check boxes and option buttons fill their background with the button face
/// colour; these sit on the grey of their container and take its colour.
void setButtonBackground(QAbstractButton* button, Rgb background)
{
    setColors(button, background, DefaultText);
    button->setBackgroundRole(QPalette::Window);
}

/// A 32 × 32 menu picture, drawn when first shown at the density it is shown at.
QIcon menuIcon(Artwork::MenuBitmap which)
{
    return QIcon(new ArtworkIconEngine(which));
}

} // namespace

MainWindow::MainWindow(const Services& services, const QStringList& dataFolders, const QLocale& locale)
    : m_services(services), m_help(*services.shell, *services.messageBox, dataFolders)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Моделирование опыта Вельтрана"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setColors(m_client, Colors::Grey, DefaultText);
    setCentralWidget(m_client);

    buildControls();
    buildMenus();
    m_formWindow = std::make_unique<QtClientArea>(this, m_client);
    m_procedures = std::make_unique<Simulation>(m_controls, *m_formWindow, m_services, locale);
    connectEvents();

    resize(InitialClientWidth, InitialClientHeight + menuBar()->sizeHint().height());
    startUp();
}

MainWindow::~MainWindow()
{
    m_client->removeEventFilter(this);
    if (m_form2)
        delete m_form2;
}

Control* MainWindow::adapt(QWidget* widget)
{
    m_adapters.push_back(std::make_unique<QtControl>(widget));
    return m_adapters.back().get();
}

QLabel* MainWindow::addLabel(const char* name, const QString& caption, const QFont& font, Rgb background,
                        Rgb textColor, Qt::Alignment alignment, const QString& toolTip, bool clickable)
{
    QLabel* label = clickable ? new ClickableLabel(caption, m_client) : new QLabel(caption, m_client);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    setColors(label, background, qcolor(textColor));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setToolTip(toolTip);
    return label;
}

void MainWindow::buildControls()
{
    MainWindowControls& c = m_controls;
    const QFont T12 = Fonts::T12();
    const QFont T12B = Fonts::T12B();
    const QFont T11 = Fonts::T11();
    const QFont M8B = Fonts::M8B();
    const Rgb grey = Colors::Grey;
    const Rgb black = Colors::Black;
    const QColor windowText = palette().color(QPalette::WindowText);
    const Rgb windowTextRgb{static_cast<std::uint8_t>(windowText.red()), static_cast<std::uint8_t>(windowText.green()),
                            static_cast<std::uint8_t>(windowText.blue())};

    // Parameter inputs: caption label, input box, unit label.
    struct InputRow {
        Control** caption;
        const char* captionName;
        const char16_t* captionText;
        const char16_t* captionTip;
        Control** input;
        const char* inputName;
        const char16_t* inputTip;
        Control** unit;
        const char* unitName;
        const char16_t* unitText;
    };
    const InputRow rows[] = {
        {&c.plateGapCaption, "plateGapCaption", u"D=", u"Расстояние между пластинами", &c.plateGapEdit, "plateGapEdit",
         u"Расстояние между пластинами", &c.plateGapUnit, "plateGapUnit", u" м"},
        {&c.voltageCaption, "voltageCaption", u"Ux=", u"Напряжение между пластинами", &c.voltageEdit, "voltageEdit",
         u"Напряжение между пластинами", &c.voltageUnit, "voltageUnit", u" В"},
        {&c.diameterCaption, "diameterCaption", u"d=", u"Диаметр капли", &c.diameterEdit, "diameterEdit", u"Диаметр капли", &c.diameterUnit, "diameterUnit",
         u" м"},
        // The Greek captions are shown as Greek letters directly.
        {&c.dropletDensityCaption, "dropletDensityCaption", u"ρ=", u"Плотность капли", &c.dropletDensityEdit, "dropletDensityEdit", u"Плотность капли", &c.dropletDensityUnit,
         "dropletDensityUnit", u" кг/м3"},
        {&c.mediumDensityCaption, "mediumDensityCaption", u"ρ0=", u"Плотность среды", &c.mediumDensityEdit, "mediumDensityEdit", u"Плотность среды", &c.mediumDensityUnit,
         "mediumDensityUnit", u" кг/м3"},
        {&c.viscosityCaption, "viscosityCaption", u"η=", u"Коэффициент динамической вязкости среды ", &c.viscosityEdit, "viscosityEdit",
         u"Коэффициент динамической вязкости среды", &c.viscosityUnit, "viscosityUnit", u" Па с"},
    };
    c.parametersHeading = adapt(addLabel("parametersHeading", QStringLiteral("Параметры"), T12B, grey, black, Qt::AlignHCenter, {}));
    for (const InputRow& row : rows) {
        *row.caption = adapt(addLabel(row.captionName, QString::fromUtf16(row.captionText), T12, grey,
                                      row.caption == &c.voltageCaption ? windowTextRgb : black, Qt::AlignRight,
                                      QString::fromUtf16(row.captionTip)));
        auto* edit = new QLineEdit(QString::fromLatin1(row.inputName), m_client);
        edit->setObjectName(QString::fromLatin1(row.inputName));
        edit->setFont(T12);
        edit->setToolTip(QString::fromUtf16(row.inputTip));
        setColors(edit, Colors::LightYellow, DefaultText);
        *row.input = adapt(edit);
        *row.unit = adapt(addLabel(row.unitName, QString::fromUtf16(row.unitText), T12, grey, black, Qt::AlignLeft,
                                   {}));
    }

    // Headings and read-outs.
    const Rgb cyan = Colors::LightCyan;
    const Rgb white = Colors::White;
    c.characteristicsHeading = adapt(addLabel("characteristicsHeading", QStringLiteral("Характеристики"), T12B, grey, black, Qt::AlignHCenter, {},
                               true));
    c.velocitiesHeading =
        adapt(addLabel("velocitiesHeading", QStringLiteral("Скорости"), T12B, grey, Colors::Blue, Qt::AlignHCenter, {}, true));
    // Read-outs: until a value is written, each shows its own name.
    struct ReadOut {
        Control** control;
        const char* name;
        Rgb background;
        Rgb text;
        Qt::Alignment alignment;
        const char16_t* tip;
    };
    const ReadOut readOuts[] = {
        {&c.massReadout, "massReadout", cyan, black, Qt::AlignLeft, u"Масса капли"},
        {&c.fieldStrengthReadout, "fieldStrengthReadout", cyan, black, Qt::AlignLeft, u"Напряжённость электрического поля"},
        {&c.relaxationTimeReadout, "relaxationTimeReadout", cyan, black, Qt::AlignLeft, u"Характерное время"},
        {&c.forceRatioReadout, "forceRatioReadout", cyan, black, Qt::AlignLeft, u"Параметр а"},
        {&c.terminalVelocityReadout, "terminalVelocityReadout", white, Colors::Blue, Qt::AlignLeft, u"предельная вертикальная скорость"},
        {&c.limitingVelocity2Readout, "limitingVelocity2Readout", white, Colors::Blue, Qt::AlignLeft, u"2 предельная скорость"},
        {&c.limitingVelocity3Readout, "limitingVelocity3Readout", white, Colors::Blue, Qt::AlignLeft, u"3 предельная скорость"},
        {&c.charge2Readout, "charge2Readout", white, Colors::Red, Qt::AlignLeft, u"заряд q2"},
        {&c.charge3Readout, "charge3Readout", white, Colors::Red, Qt::AlignLeft, u"заряд q3"},
        {&c.chargeRatioReadout, "chargeRatioReadout", white, Colors::Red, Qt::AlignLeft, u"отношение зарядов q3/q2"},
        {&c.chargeDifferenceReadout, "chargeDifferenceReadout", white, Colors::Red, Qt::AlignLeft, u"разность зарядов N3-N2"},
        {&c.slowDownReadout, "slowDownReadout", Colors::LightYellow, black, Qt::AlignHCenter, u"Замедление времени"},
    };
    for (const ReadOut& readOut : readOuts)
        *readOut.control = adapt(addLabel(readOut.name, QString::fromLatin1(readOut.name), T12, readOut.background,
                                          readOut.text, readOut.alignment, QString::fromUtf16(readOut.tip)));

    // Commands and selectors.
    auto button = [&](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, m_client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(M8B);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return adapt(b);
    };
    c.startButton = button("startButton", QStringLiteral("ПУСК"), QStringLiteral("Запуск установки"));
    c.voltageButton = button("voltageButton", QStringLiteral("НАПРЯЖЕНИЕ"),
                        QStringLiteral("Подача напряжения на пластины конденсатора"));
    c.lightButton = button("lightButton", QStringLiteral("СВЕТ"), QStringLiteral("Освещение рентгеновскими лучами"));

    auto* check = new QCheckBox(QStringLiteral("Выбор"), m_client);
    check->setObjectName(QStringLiteral("randomChargesCheckBox"));
    check->setFont(T12);
    check->setToolTip(QStringLiteral("Случайный выбор зарядов"));
    setButtonBackground(check, grey);
    c.randomChargesCheckBox = adapt(check);

    auto* frame = new QGroupBox(QStringLiteral("Графики"), m_client);
    frame->setObjectName(QStringLiteral("viewGroupBox"));
    frame->setFont(T12);
    frame->setToolTip(QStringLiteral("Выбор графика"));
    frame->setFlat(true);
    setColors(frame, grey, DefaultText);
    c.viewGroupBox = adapt(frame);
    struct OptionButton {
        Control** control;
        const char* name;
        const char16_t* caption;
        QFont font;
        const char16_t* tip;
        QRect design;
    };
    const OptionButton options[] = {
        {&c.animationOption, "animationOption", u"Движение", T11, u"Анимация", QRect(0, 20, 96, 21)},
        {&c.coordinateOption, "coordinateOption", u"Координата", T12, u"Зависимость x(t)", QRect(0, 40, 103, 19)},
        {&c.velocityOption, "velocityOption", u"Проекция Vx", T11, u"Зависимость Vx(t)", QRect(0, 60, 103, 17)},
    };
    for (const OptionButton& choice : options) {
        auto* option = new QRadioButton(QString::fromUtf16(choice.caption), frame);
        option->setObjectName(QString::fromLatin1(choice.name));
        option->setFont(choice.font);
        option->setToolTip(QString::fromUtf16(choice.tip));
        option->setGeometry(choice.design);
        setButtonBackground(option, grey);
        *choice.control = adapt(option);
    }
    frame->findChild<QRadioButton*>(QStringLiteral("animationOption"))->setChecked(true);

    auto* scroll = new QScrollBar(Qt::Horizontal, m_client);
    scroll->setObjectName(QStringLiteral("slowDownScrollBar"));
    scroll->setRange(1, 9);
    scroll->setValue(5);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    scroll->setFocusPolicy(Qt::StrongFocus); // arrow keys move it, like any other control
    c.slowDownScrollBar = adapt(scroll);

    // Drawing surfaces.
    struct Surface {
        const char* name;
        const char16_t* tip;
        Rgb foregroundColor;
    };
    const Surface surfaces[] = {
        {"animationView", u"Расстояние между пластинами, разбитое на 10 частей", Colors::Black},
        {"coordinatePlot", u"Координата в относительных единицах", windowTextRgb},
        {"velocityPlot", u"Скорость в относительных единицах", windowTextRgb},
    };
    for (int i = 0; i < 3; ++i) {
        auto* widget = new CanvasWidget(m_client);
        widget->setObjectName(QString::fromLatin1(surfaces[i].name));
        widget->setToolTip(QString::fromUtf16(surfaces[i].tip));
        m_canvases[i] = std::make_unique<QtCanvas>(widget, T11, surfaces[i].foregroundColor);
    }
    c.animationView = m_canvases[0].get();
    c.coordinatePlot = m_canvases[1].get();
    c.velocityPlot = m_canvases[2].get();

    CanvasWidget* view = m_canvases[0]->widget();
    auto* beam = new QtSprite(view, *m_canvases[0], QSize(Artwork::BeamWidth, Artwork::BeamHeight),
                              [](qreal ratio) { return Artwork::beam(ratio); });
    beam->setObjectName(QStringLiteral("beamSprite"));
    beam->move(72, 168);
    auto* droplet = new QtSprite(view, *m_canvases[0], QSize(Artwork::DropletSize, Artwork::DropletSize),
                                 [](qreal ratio) { return Artwork::droplet(ratio); });
    droplet->setObjectName(QStringLiteral("dropletMarker"));
    droplet->move(40, 120);
    c.beamSprite = beam;
    c.dropletMarker = droplet;

    // Holders of the menu pictures, hidden at start-up once the menus have them.
    struct Holder {
        const char* name;
        Artwork::MenuBitmap bitmap;
    };
    const Holder holders[] = {
        {"Picture4", Artwork::MenuBitmap::Book},      {"Picture5", Artwork::MenuBitmap::Table},
        {"Picture6", Artwork::MenuBitmap::HistoricalPortrait}, {"Picture7", Artwork::MenuBitmap::PowerSwitch},
        {"Picture8", Artwork::MenuBitmap::Booklet},   {"Picture9", Artwork::MenuBitmap::Gear},
        {"Picture10", Artwork::MenuBitmap::AuthorPortrait}, {"Picture11", Artwork::MenuBitmap::QuestionMark},
    };
    for (const Holder& holder : holders) {
        auto* label = new BitmapHolder(menuIcon(holder.bitmap), m_client);
        label->setObjectName(QString::fromLatin1(holder.name));
        m_bitmapHolders.push_back(label);
    }

    // Screen readers: inputs and surfaces are named by their tooltips, the
    // slow-down bar by its read-out's; buttons and labels speak their own text,
    // which for the read-outs is the current value.
    for (QWidget* widget : m_client->findChildren<QWidget*>()) {
        if (widget->toolTip().isEmpty())
            continue;
        widget->setAccessibleDescription(widget->toolTip());
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<CanvasWidget*>(widget))
            widget->setAccessibleName(widget->toolTip());
    }
    scroll->setAccessibleName(QStringLiteral("Замедление времени"));
    droplet->setAccessibleName(QStringLiteral("Капля"));
    beam->setAccessibleName(QStringLiteral("Рентгеновское излучение"));

    // Keyboard focus order; the start button holds the focus when the window opens.
    const char* focusOrder[] = {"startButton",   "voltageEdit",   "plateGapEdit",   "diameterEdit",    "dropletDensityEdit",    "mediumDensityEdit",   "viscosityEdit",
                                "animationOption", "coordinateOption", "velocityOption", "slowDownScrollBar", "voltageButton", "lightButton", "randomChargesCheckBox"};
    QWidget* previous = nullptr;
    for (const char* name : focusOrder) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(name));
        Q_ASSERT(widget);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    findChild<QWidget*>(QStringLiteral("startButton"))->setFocus();
}

void MainWindow::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    item(file, "mnuFilespravka", QStringLiteral("Справка1"), &MainWindow::openPhysicsReference);
    item(file, "mnuFilespravka2", QStringLiteral("Справка2"), &MainWindow::openWorkedExample);
    item(file, "mnuFilesHistory", QStringLiteral("История"), &MainWindow::openHistory);
    file->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    item(file, "mnuFileExit", QStringLiteral("Выход"), &MainWindow::exitFromMenu);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuHelpInstruction", QStringLiteral("Инструкция"), &MainWindow::openInstruction);
    item(help, "mnuHelpUprav", QStringLiteral("Управление"), &MainWindow::openControlsHelp);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    item(help, "mnuHelpAvtors", QStringLiteral("Авторы"), &MainWindow::showAuthors);
    item(help, "mnuHelpAbout", QStringLiteral("О программе"), &MainWindow::showAbout);
}

QAction* MainWindow::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::connectEvents()
{
    Simulation* p = m_procedures.get();
    auto widget = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    connect(qobject_cast<QPushButton*>(widget("startButton")), &QPushButton::clicked, this, [p] { p->onStartClicked(); });
    connect(qobject_cast<QPushButton*>(widget("voltageButton")), &QPushButton::clicked, this,
            [p] { p->onVoltageClicked(); });
    connect(qobject_cast<QPushButton*>(widget("lightButton")), &QPushButton::clicked, this,
            [p] { p->onLightClicked(); });
    connect(qobject_cast<ClickableLabel*>(widget("characteristicsHeading")), &ClickableLabel::clicked, this,
            [p] { p->onCharacteristicsClicked(); });
    connect(qobject_cast<ClickableLabel*>(widget("velocitiesHeading")), &ClickableLabel::clicked, this,
            [p] { p->onVelocitiesClicked(); });
    connect(qobject_cast<QScrollBar*>(widget("slowDownScrollBar")), &QScrollBar::valueChanged, this,
            [p] { p->onSlowDownChanged(); });

    // Selecting an option, by the user or by the program, runs its click handler.
    const std::pair<const char*, void (Simulation::*)()> options[] = {
        {"animationOption", &Simulation::onAnimationSelected},
        {"coordinateOption", &Simulation::onCoordinateSelected},
        {"velocityOption", &Simulation::onVelocitySelected},
    };
    for (const auto& [name, handler] : options)
        connect(qobject_cast<QRadioButton*>(widget(name)), &QRadioButton::toggled, this,
                [p, handler = handler](bool on) {
                    if (on)
                        (p->*handler)();
                });

    // Every change of a text, typed, pasted or set by the program.
    const std::pair<const char*, void (Simulation::*)()> inputs[] = {
        {"plateGapEdit", &Simulation::onPlateGapEdited}, {"voltageEdit", &Simulation::onVoltageEdited},
        {"diameterEdit", &Simulation::onDiameterEdited}, {"dropletDensityEdit", &Simulation::onDropletDensityEdited},
        {"mediumDensityEdit", &Simulation::onMediumDensityEdited}, {"viscosityEdit", &Simulation::onViscosityEdited},
    };
    for (const auto& [name, handler] : inputs)
        connect(qobject_cast<QLineEdit*>(widget(name)), &QLineEdit::textChanged, this,
                [p, handler = handler] { (p->*handler)(); });

    // The client area's size changes, including the first display.
    m_client->installEventFilter(this);
}

void MainWindow::startUp()
{
    // Pictures beside the menu items, from their holders; then the holders go.
    const std::pair<const char*, const char*> bitmaps[] = {
        {"mnuFilespravka", "Picture5"},     {"mnuFilespravka2", "Picture4"}, {"mnuFilesHistory", "Picture6"},
        {"mnuFileExit", "Picture7"},        {"mnuHelpInstruction", "Picture8"}, {"mnuHelpUprav", "Picture9"},
        {"mnuHelpAvtors", "Picture10"},     {"mnuHelpAbout", "Picture11"},
    };
    for (const auto& [action, holder] : bitmaps)
        menuAction(QString::fromLatin1(action))->setIcon(findChild<BitmapHolder*>(QString::fromLatin1(holder))->bitmap());
    for (QWidget* holder : m_bitmapHolders)
        holder->hide();

    ExperimentState& s = m_procedures->state();
    s.startUpDone = 0;

    // One tenth of the free horizontal space from the left, one fiftieth of the
    // free vertical space from the top; negative on a small screen, as it comes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        const QSize outer = frameGeometry().size();
        const double left = desktop.x() + (desktop.width() - outer.width()) * 0.1;
        const double top = desktop.y() + (desktop.height() - outer.height()) * 0.02;
        move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    }

    m_procedures->setDefaultParameters();
    s.startUpDone = 1;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        m_procedures->resetWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_services.lifetime->isEnding()) {
        event->accept();
        return;
    }
    std::int16_t cancel = 0;
    m_procedures->confirmExit(cancel);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

void MainWindow::exitFromMenu()
{
    close();
}

void MainWindow::showAuthors()
{
    if (!m_form2)
        m_form2 = new AuthorsWindow;
    m_form2->setCaption(AuthorsWindow::authorsText());
    // Centred on the main window, wherever that is, even partly off the screen.
    const QRect main = frameGeometry();
    const QSize outer = m_form2->frameGeometry().size();
    const double left = (main.width() - outer.width()) / 2.0 + main.x();
    const double top = (main.height() - outer.height()) / 2.0 + main.y();
    m_form2->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}
