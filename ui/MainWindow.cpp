// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "AuthorsWindow.h"
#include "ClickableLabel.h"
#include "Fonts.h"
#include "KeyBindings.h"
#include "LaboratoryWindows.h"
#include "LiveRegion.h"
#include "MenuPictureHolder.h"

#include "Artwork.h"
#include "CanvasWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

namespace {

const QColor DefaultText(Qt::black);

QColor qcolor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

Rgb rgb(const QColor& c)
{
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
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

/// A label of the panel: font, colours, alignment and tooltip.
template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& caption, const QFont& font, Rgb background, Rgb textColor,
                 Qt::Alignment alignment, const QString& toolTip = {})
{
    auto* label = new Label(caption, parent);
    label->setFont(font);
    setColors(label, background, qcolor(textColor));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setToolTip(toolTip);
    return label;
}

} // namespace

MainWindow::MainWindow(const Services& services, const QStringList& dataFolders, const QLocale& locale,
                       Language language)
    : m_services(services), m_help(*services.shell, *services.messageBox, dataFolders, language)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Моделирование опыта Вельтрана"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    setColors(m_client, Colors::Grey, DefaultText);
    setCentralWidget(m_client);
    // Screen readers hear of what happens through the window's own region.
    m_liveRegion = new LiveRegion(m_client);
    m_services.announcer = m_liveRegion;

    buildParameterInputs();
    buildReadouts();
    buildCommands();
    buildViewSelector();
    buildDrawingSurfaces();
    buildMenuPictureHolders();
    describeForScreenReaders();
    setFocusOrder();
    buildMenus();
    adaptControls();

    m_clientArea = std::make_unique<QtClientArea>(this, m_client);
    m_simulation = std::make_unique<Simulation>(m_controls, *m_clientArea, m_services, locale);
    connectEvents();
    addMeasuring(locale);
    buildKeys();
    m_laboratory = new LaboratoryWindows(*this, *m_simulation, m_services, locale, this);

    resize(InitialClientWidth, InitialClientHeight + menuBar()->sizeHint().height());
    startUp();
}

MainWindow::~MainWindow()
{
    m_client->removeEventFilter(this);
    delete m_authors;
}

void MainWindow::buildParameterInputs()
{
    MainWindowWidgets& w = m_widgets;
    const QFont text = Fonts::text();
    w.parametersHeading =
        makeLabel(m_client, tr("Параметры"), Fonts::heading(), Colors::Grey, Colors::Black, Qt::AlignHCenter);

    // Each row: caption label, input box, unit label; the caption's tooltip is
    // the input's (with one trailing blank for the viscosity).
    struct Row {
        QLabel** caption;
        const char* captionText;
        const char* captionTip;
        QLineEdit** input;
        const char* inputTip;
        QLabel** unit;
        const char* unitText;
    };
    const Row rows[] = {
        {&w.plateGapCaption, "D=", QT_TR_NOOP("Расстояние между пластинами"), &w.plateGapEdit,
         QT_TR_NOOP("Расстояние между пластинами"), &w.plateGapUnit, QT_TR_NOOP(" м")},
        {&w.voltageCaption, "Ux=", QT_TR_NOOP("Напряжение между пластинами"), &w.voltageEdit,
         QT_TR_NOOP("Напряжение между пластинами"), &w.voltageUnit, QT_TR_NOOP(" В")},
        {&w.diameterCaption, "d=", QT_TR_NOOP("Диаметр капли"), &w.diameterEdit, QT_TR_NOOP("Диаметр капли"),
         &w.diameterUnit, QT_TR_NOOP(" м")},
        // The Greek captions are shown as Greek letters directly.
        {&w.dropletDensityCaption, "ρ=", QT_TR_NOOP("Плотность капли"), &w.dropletDensityEdit,
         QT_TR_NOOP("Плотность капли"), &w.dropletDensityUnit, QT_TR_NOOP(" кг/м3")},
        {&w.mediumDensityCaption, "ρ0=", QT_TR_NOOP("Плотность среды"), &w.mediumDensityEdit,
         QT_TR_NOOP("Плотность среды"), &w.mediumDensityUnit, QT_TR_NOOP(" кг/м3")},
        {&w.viscosityCaption, "η=", QT_TR_NOOP("Коэффициент динамической вязкости среды "), &w.viscosityEdit,
         QT_TR_NOOP("Коэффициент динамической вязкости среды"), &w.viscosityUnit, QT_TR_NOOP(" Па с")},
    };
    // The voltage's caption is drawn in the system's window-text colour.
    const Rgb windowTextRgb = rgb(palette().color(QPalette::WindowText));
    for (const Row& row : rows) {
        *row.caption = makeLabel(m_client, QString::fromUtf8(row.captionText), text, Colors::Grey,
                                 row.caption == &w.voltageCaption ? windowTextRgb : Colors::Black, Qt::AlignRight,
                                 tr(row.captionTip));
        // Empty until start-up writes the defaults into it (a name written
        // first would only be laid out in vain).
        auto* edit = new QLineEdit(m_client);
        edit->setFont(text);
        edit->setToolTip(tr(row.inputTip));
        setColors(edit, Colors::LightYellow, DefaultText);
        *row.input = edit;
        *row.unit = makeLabel(m_client, tr(row.unitText), text, Colors::Grey, Colors::Black, Qt::AlignLeft);
    }
}

void MainWindow::buildReadouts()
{
    MainWindowWidgets& w = m_widgets;
    const QFont heading = Fonts::heading();
    w.characteristicsHeading = makeLabel<ClickableLabel>(m_client, tr("Характеристики"), heading, Colors::Grey,
                                                         Colors::Black, Qt::AlignHCenter);
    w.velocitiesHeading =
        makeLabel<ClickableLabel>(m_client, tr("Скорости"), heading, Colors::Grey, Colors::Blue, Qt::AlignHCenter);
    // The headings work as buttons; their tooltips say what they show, and their key.
    using Command = KeyBindings::Command;
    w.characteristicsHeading->setToolTip(
        KeyBindings::withKey(tr("Заряды капли q2 и q3 на 3 с"), Command::Characteristics));
    w.velocitiesHeading->setToolTip(
        KeyBindings::withKey(tr("Отношение и разность зарядов по скоростям на 3 с"), Command::Velocities));

    struct Readout {
        QLabel** label;
        ControlId id;
        Rgb background;
        Rgb text;
        const char* tip;
    };
    const Rgb cyan = Colors::LightCyan;
    const Rgb white = Colors::White;
    const Readout readouts[] = {
        {&w.massReadout, ControlId::massReadout, cyan, Colors::Black, QT_TR_NOOP("Масса капли")},
        {&w.fieldStrengthReadout, ControlId::fieldStrengthReadout, cyan, Colors::Black,
         QT_TR_NOOP("Напряжённость электрического поля")},
        {&w.relaxationTimeReadout, ControlId::relaxationTimeReadout, cyan, Colors::Black,
         QT_TR_NOOP("Характерное время")},
        {&w.forceRatioReadout, ControlId::forceRatioReadout, cyan, Colors::Black, QT_TR_NOOP("Параметр а")},
        {&w.terminalVelocityReadout, ControlId::terminalVelocityReadout, white, Colors::Blue,
         QT_TR_NOOP("предельная вертикальная скорость")},
        {&w.limitingVelocity2Readout, ControlId::limitingVelocity2Readout, white, Colors::Blue,
         QT_TR_NOOP("2 предельная скорость")},
        {&w.limitingVelocity3Readout, ControlId::limitingVelocity3Readout, white, Colors::Blue,
         QT_TR_NOOP("3 предельная скорость")},
        {&w.charge2Readout, ControlId::charge2Readout, white, Colors::Red, QT_TR_NOOP("заряд q2")},
        {&w.charge3Readout, ControlId::charge3Readout, white, Colors::Red, QT_TR_NOOP("заряд q3")},
        {&w.chargeRatioReadout, ControlId::chargeRatioReadout, white, Colors::Red,
         QT_TR_NOOP("отношение зарядов q3/q2")},
        {&w.chargeDifferenceReadout, ControlId::chargeDifferenceReadout, white, Colors::Red,
         QT_TR_NOOP("разность зарядов N3-N2")},
    };
    // Until a value is written, a read-out shows its own name.
    for (const Readout& readout : readouts)
        *readout.label = makeLabel(m_client, QString::fromLatin1(controlName(readout.id)), Fonts::text(),
                                   readout.background, readout.text, Qt::AlignLeft, tr(readout.tip));
    w.slowDownReadout = makeLabel(m_client, QString::fromLatin1(controlName(ControlId::slowDownReadout)), Fonts::text(),
                                  Colors::LightYellow, Colors::Black, Qt::AlignHCenter, tr("Замедление времени"));
}

void MainWindow::buildCommands()
{
    MainWindowWidgets& w = m_widgets;
    auto button = [this](const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, m_client);
        b->setFont(Fonts::button());
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    using Command = KeyBindings::Command;
    w.startButton = button(tr("ПУСК"), KeyBindings::withKey(tr("Запуск установки"), Command::Start));
    w.voltageButton = button(tr("НАПРЯЖЕНИЕ"),
                             KeyBindings::withKey(tr("Подача напряжения на пластины конденсатора"), Command::Voltage));
    w.lightButton = button(tr("СВЕТ"), KeyBindings::withKey(tr("Освещение рентгеновскими лучами"), Command::Light));

    w.randomChargesCheckBox = new QCheckBox(tr("Выбор"), m_client);
    w.randomChargesCheckBox->setFont(Fonts::text());
    w.randomChargesCheckBox->setToolTip(tr("Случайный выбор зарядов"));
    setButtonBackground(w.randomChargesCheckBox, Colors::Grey);
}

void MainWindow::buildViewSelector()
{
    MainWindowWidgets& w = m_widgets;
    w.viewGroupBox = new QGroupBox(tr("Графики"), m_client);
    w.viewGroupBox->setFont(Fonts::text());
    w.viewGroupBox->setToolTip(tr("Выбор графика"));
    w.viewGroupBox->setFlat(true);
    setColors(w.viewGroupBox, Colors::Grey, DefaultText);

    // The options keep their design places inside the group box.
    struct Option {
        QRadioButton** button;
        const char* caption;
        QFont font;
        const char* tip;
        QRect design;
    };
    const Option options[] = {
        {&w.animationOption, QT_TR_NOOP("Движение"), Fonts::smallText(), QT_TR_NOOP("Анимация"), QRect(0, 20, 96, 21)},
        {&w.coordinateOption, QT_TR_NOOP("Координата"), Fonts::text(), QT_TR_NOOP("Зависимость x(t)"),
         QRect(0, 40, 103, 19)},
        {&w.velocityOption, QT_TR_NOOP("Проекция Vx"), Fonts::smallText(), QT_TR_NOOP("Зависимость Vx(t)"),
         QRect(0, 60, 103, 17)},
    };
    for (const Option& option : options) {
        auto* button = new QRadioButton(tr(option.caption), w.viewGroupBox);
        button->setFont(option.font);
        button->setToolTip(tr(option.tip));
        button->setGeometry(option.design);
        QtControl::fitText(button);
        setButtonBackground(button, Colors::Grey);
        *option.button = button;
    }
    w.animationOption->setChecked(true);

    w.slowDownScrollBar = new QScrollBar(Qt::Horizontal, m_client);
    w.slowDownScrollBar->setRange(1, 9);
    w.slowDownScrollBar->setValue(5);
    w.slowDownScrollBar->setSingleStep(1);
    w.slowDownScrollBar->setPageStep(1);
    w.slowDownScrollBar->setFocusPolicy(Qt::StrongFocus); // arrow keys move it, like any other control
}

void MainWindow::buildDrawingSurfaces()
{
    MainWindowWidgets& w = m_widgets;
    const Rgb windowTextRgb = rgb(palette().color(QPalette::WindowText));
    struct Surface {
        CanvasWidget** widget;
        const char* tip;
        Rgb foregroundColor;
    };
    const Surface surfaces[] = {
        {&w.animationView, QT_TR_NOOP("Расстояние между пластинами, разбитое на 10 частей"), Colors::Black},
        {&w.coordinatePlot, QT_TR_NOOP("Координата в относительных единицах"), windowTextRgb},
        {&w.velocityPlot, QT_TR_NOOP("Скорость в относительных единицах"), windowTextRgb},
    };
    for (std::size_t i = 0; i < m_canvases.size(); ++i) {
        auto* widget = new CanvasWidget(m_client);
        widget->setToolTip(tr(surfaces[i].tip));
        // The plots take the keyboard's focus, for their crosshair and menu.
        if (i > 0)
            widget->setFocusPolicy(Qt::StrongFocus);
        *surfaces[i].widget = widget;
        m_canvases[i] = std::make_unique<QtCanvas>(widget, Fonts::smallText(), surfaces[i].foregroundColor);
    }

    // The beam and the droplet lie on the animation view, at their design places until the first layout.
    QtCanvas& view = *m_canvases[0];
    w.beamSprite = new QtSprite(w.animationView, view, QSize(Artwork::BeamWidth, Artwork::BeamHeight),
                                [](qreal ratio) { return Artwork::beam(ratio); });
    w.beamSprite->move(72, 168);
    w.dropletMarker = new QtSprite(w.animationView, view, QSize(Artwork::DropletSize, Artwork::DropletSize),
                                   [](qreal ratio) { return Artwork::droplet(ratio); });
    w.dropletMarker->move(40, 120);
}

void MainWindow::buildMenuPictureHolders()
{
    // Hidden at start-up once the menus have their pictures; each is drawn
    // only when first shown, at the density it is shown at.
    using Picture = Artwork::MenuPicture;
    for (const Picture picture : {Picture::Book, Picture::Table, Picture::HistoricalPortrait, Picture::PowerSwitch,
                                  Picture::Booklet, Picture::Gear, Picture::AuthorPortrait, Picture::QuestionMark})
        m_pictureHolders.push_back(new MenuPictureHolder(picture, m_client));
}

void MainWindow::describeForScreenReaders()
{
    // Inputs and surfaces are named by their tooltips, the slow-down bar by
    // its read-out's; buttons and labels speak their own text, which for the
    // read-outs is the current value.
    for (QWidget* widget : m_client->findChildren<QWidget*>()) {
        if (widget->toolTip().isEmpty())
            continue;
        widget->setAccessibleDescription(widget->toolTip());
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<CanvasWidget*>(widget))
            widget->setAccessibleName(widget->toolTip());
    }
    m_widgets.slowDownScrollBar->setAccessibleName(tr("Замедление времени"));
    m_widgets.dropletMarker->setAccessibleName(tr("Капля"));
    m_widgets.beamSprite->setAccessibleName(tr("Рентгеновское излучение"));
}

void MainWindow::setFocusOrder()
{
    // The voltage comes before the plate gap; the start button holds the
    // focus when the window opens.
    const MainWindowWidgets& w = m_widgets;
    // The plots follow the options that show them; the headings come last.
    QWidget* const order[] = {w.startButton,
                              w.voltageEdit,
                              w.plateGapEdit,
                              w.diameterEdit,
                              w.dropletDensityEdit,
                              w.mediumDensityEdit,
                              w.viscosityEdit,
                              w.animationOption,
                              w.coordinateOption,
                              w.velocityOption,
                              w.coordinatePlot,
                              w.velocityPlot,
                              w.slowDownScrollBar,
                              w.voltageButton,
                              w.lightButton,
                              w.randomChargesCheckBox,
                              w.characteristicsHeading,
                              w.velocitiesHeading};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    w.startButton->setFocus();
}

void MainWindow::buildMenus()
{
    using Command = KeyBindings::Command;
    Menus& m = m_menus;
    HelpCommands* help = &m_help;
    m.file = menuBar()->addMenu(tr("&Файл"));
    m.physicsReference = m.file->addAction(tr("Справка1"), [help] { help->openPhysicsReference(); });
    m.workedExample = m.file->addAction(tr("Справка2"), [help] { help->openWorkedExample(); });
    m.history = m.file->addAction(tr("История"), [help] { help->openHistory(); });
    m.file->addSeparator();
    // The laboratory's commands; LaboratoryWindows gives them their work.
    m.laboratoryMode = m.file->addAction(tr("Лабораторный режим"));
    m.laboratoryMode->setCheckable(true);
    m.laboratoryMode->setShortcut(KeyBindings::key(Command::LaboratoryMode));
    m.journal = m.file->addAction(tr("Лабораторный журнал"));
    m.journal->setShortcut(KeyBindings::key(Command::Journal));
    m.unknownDrop = m.file->addAction(tr("Неизвестная капля"));
    m.unknownDrop->setCheckable(true);
    m.brownian = m.file->addAction(tr("Броуновское движение"));
    m.brownian->setCheckable(true);
    m.slipCorrection = m.file->addAction(tr("Поправка на скольжение"));
    m.slipCorrection->setCheckable(true);
    m.slipCorrection->setToolTip(tr("Сопротивление воздуха с поправкой на скольжение при его давлении; вязкость "
                                    "воздуха — по его температуре"));
    m.seed = m.file->addAction(tr("Зерно случайных чисел…"));
    m.file->addSeparator();
    // The surface shown: its picture, and the last run's data.
    m.copyImage =
        m.file->addAction(tr("Копировать изображение"), this, [this] { m_export->copyImage(shownSurface()); });
    m.copyImage->setShortcut(KeyBindings::key(Command::CopyImage));
    m.saveImage =
        m.file->addAction(tr("Сохранить изображение…"), this, [this] { m_export->saveImage(shownSurface()); });
    m.saveImage->setShortcut(KeyBindings::key(Command::SaveImage));
    m.saveData = m.file->addAction(tr("Сохранить данные…"), this, [this] {
        const SurfaceExport::Surface shown = shownSurface();
        m_export->saveData(shown == SurfaceExport::Surface::Animation ? SurfaceExport::Surface::Velocity : shown);
    });
    m.saveData->setShortcut(KeyBindings::key(Command::SaveData));
    m.file->addSeparator();
    m.exit = m.file->addAction(tr("Выход"), this, &QWidget::close);
    // Nothing to save before the first run.
    connect(m.file, &QMenu::aboutToShow, this,
            [this] { m_menus.saveData->setEnabled(!m_simulation->record().isEmpty()); });

    m.help = menuBar()->addMenu(tr("&Помощь"));
    m.instruction = m.help->addAction(tr("Инструкция"), [help] { help->openInstruction(); });
    m.controlsHelp = m.help->addAction(tr("Управление"), [help] { help->openControlsHelp(); });
    m.keys = m.help->addAction(KeyBindings::title(), this, [this] {
        m_services.messageBox->showMessage(KeyBindings::title(), KeyBindings::helpText());
    });
    m.keys->setShortcut(KeyBindings::key(Command::Keys));
    // F1 in every window of the program: the journal, the stopwatch, the group's.
    m.keys->setShortcutContext(Qt::ApplicationShortcut);
    m.help->addSeparator();
    m.authors = m.help->addAction(tr("Авторы"), this, &MainWindow::showAuthors);
    m.about = m.help->addAction(tr("О программе"), [help] { help->showAbout(); });
}

void MainWindow::buildKeys()
{
    // Function keys, live wherever the focus is (in this program's windows),
    // also while a run is on; a disabled button ignores its key as its click.
    using Command = KeyBindings::Command;
    const MainWindowWidgets& w = m_widgets;
    Experiment* experiment = &m_simulation->experiment();
    const auto key = [this](Command command, auto&& run) {
        auto* action = new QAction(this);
        action->setShortcut(KeyBindings::key(command));
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        return action;
    };
    m_keys.start = key(Command::Start, [b = w.startButton] { b->click(); });
    m_keys.voltage = key(Command::Voltage, [b = w.voltageButton] { b->click(); });
    m_keys.light = key(Command::Light, [b = w.lightButton] { b->click(); });
    m_keys.characteristics = key(Command::Characteristics, [experiment] { experiment->showCharges(); });
    m_keys.velocities = key(Command::Velocities, [experiment] { experiment->showVelocities(); });
}

SurfaceExport::Surface MainWindow::shownSurface() const
{
    if (m_widgets.coordinateOption->isChecked())
        return SurfaceExport::Surface::Coordinate;
    if (m_widgets.velocityOption->isChecked())
        return SurfaceExport::Surface::Velocity;
    return SurfaceExport::Surface::Animation;
}

void MainWindow::adaptControls()
{
    // Each widget is named after its control, and the logic sees it through
    // an adapter: a canvas through its QtCanvas, a sprite as it is.
    MainWindowControls& c = m_controls;
    const MainWindowWidgets& w = m_widgets;
    const auto adapt = [this](QWidget* widget) {
        m_adapters.push_back(std::make_unique<QtControl>(widget));
        return m_adapters.back().get();
    };
    for (const ControlId id : AllControls)
        w.widget(id)->setObjectName(QString::fromLatin1(controlName(id)));
    const auto adaptInto = [&adapt](auto*& slot, QWidget* widget) {
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(*slot)>, Control>)
            slot = adapt(widget);
    };
#define OILDROP_ADAPT(kind, name) adaptInto(c.name, w.name);
    OILDROP_MAIN_WINDOW_CONTROLS(OILDROP_ADAPT)
#undef OILDROP_ADAPT
    c.animationView = m_canvases[0].get();
    c.coordinatePlot = m_canvases[1].get();
    c.velocityPlot = m_canvases[2].get();
    c.dropletMarker = w.dropletMarker;
    c.beamSprite = w.beamSprite;
}

void MainWindow::connectEvents()
{
    const MainWindowWidgets& w = m_widgets;
    Simulation& s = *m_simulation;
    Experiment* experiment = &s.experiment();
    connect(w.startButton, &QPushButton::clicked, this, [experiment] { experiment->start(); });
    connect(w.voltageButton, &QPushButton::clicked, this, [experiment] { experiment->applyVoltage(); });
    connect(w.lightButton, &QPushButton::clicked, this, [experiment] { experiment->irradiate(); });
    connect(w.characteristicsHeading, &ClickableLabel::clicked, this, [experiment] { experiment->showCharges(); });
    connect(w.velocitiesHeading, &ClickableLabel::clicked, this, [experiment] { experiment->showVelocities(); });
    connect(w.slowDownScrollBar, &QScrollBar::valueChanged, this,
            [experiment](int value) { experiment->setSlowDown(value); });

    // Selecting an option, by the user or by the program, shows its view.
    ViewSelector* views = &s.views();
    using View = ViewSelector::View;
    const std::pair<QRadioButton*, View> options[] = {
        {w.animationOption, View::Animation},
        {w.coordinateOption, View::Coordinate},
        {w.velocityOption, View::Velocity},
    };
    for (const auto& [option, view] : options)
        connect(option, &QRadioButton::toggled, this, [views, view = view](bool on) {
            if (on)
                views->showIfSelected(view);
        });

    // Every change of a text, typed, pasted or set by the program.
    ParameterInputs* inputs = &s.inputs();
    for (const SetupParameter parameter : AllSetupParameters)
        connect(w.parameterEdit(parameter), &QLineEdit::textChanged, this,
                [inputs, parameter] { inputs->readInput(parameter); });

    // The client area's size changes, including the first display.
    m_client->installEventFilter(this);
}

void MainWindow::addMeasuring(const QLocale& locale)
{
    // Reading values off the plots, and taking pictures and data out of the program.
    const MainWindowWidgets& w = m_widgets;
    const RunRecord& record = m_simulation->record();
    m_coordinateCursor =
        new PlotCursor(w.coordinatePlot, *m_controls.coordinatePlot, PlotReadout::Plot::Coordinate, record, locale);
    m_velocityCursor =
        new PlotCursor(w.velocityPlot, *m_controls.velocityPlot, PlotReadout::Plot::Velocity, record, locale);
    m_export = new SurfaceExport(*m_services.messageBox, *m_services.saveDialog, record, locale, this);
    m_export->attach(SurfaceExport::Surface::Animation, w.animationView);
    m_export->attach(SurfaceExport::Surface::Coordinate, w.coordinatePlot, m_coordinateCursor);
    m_export->attach(SurfaceExport::Surface::Velocity, w.velocityPlot, m_velocityCursor);
}

void MainWindow::startUp()
{
    // Pictures beside the menu items, from their holders; then the holders go.
    using Picture = Artwork::MenuPicture;
    const std::pair<QAction*, Picture> pictures[] = {
        {m_menus.physicsReference, Picture::Table},     {m_menus.workedExample, Picture::Book},
        {m_menus.history, Picture::HistoricalPortrait}, {m_menus.exit, Picture::PowerSwitch},
        {m_menus.instruction, Picture::Booklet},        {m_menus.controlsHelp, Picture::Gear},
        {m_menus.authors, Picture::AuthorPortrait},     {m_menus.about, Picture::QuestionMark},
    };
    for (const auto& [action, picture] : pictures)
        for (const MenuPictureHolder* holder : m_pictureHolders)
            if (holder->which() == picture)
                action->setIcon(holder->picture());
    for (MenuPictureHolder* holder : m_pictureHolders)
        holder->hide();

    // One tenth of the free horizontal space from the left, one fiftieth of the
    // free vertical space from the top; negative on a small screen, as it comes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        const QSize outer = frameGeometry().size();
        const double left = desktop.x() + (desktop.width() - outer.width()) * 0.1;
        const double top = desktop.y() + (desktop.height() - outer.height()) * 0.02;
        move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    }

    m_simulation->startUp();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        m_simulation->reset().resetWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_services.lifetime->isEnding() || m_simulation->confirmExit())
        event->accept();
    else
        event->ignore();
}

void MainWindow::showAuthors()
{
    if (!m_authors)
        m_authors = new AuthorsWindow;
    m_authors->setCaption(AuthorsWindow::authorsText());
    // Centred on the main window, wherever that is, even partly off the screen.
    const QRect main = frameGeometry();
    const QSize outer = m_authors->frameGeometry().size();
    const double left = (main.width() - outer.width()) / 2.0 + main.x();
    const double top = (main.height() - outer.height()) / 2.0 + main.y();
    m_authors->move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    m_authors->show();
    m_authors->raise();
    m_authors->activateWindow();
}
