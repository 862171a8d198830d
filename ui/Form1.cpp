#include "Form1.h"

#include "ArtworkIconEngine.h"
#include "BitmapHolder.h"
#include "ClickableLabel.h"
#include "Fonts.h"
#include "Form2.h"

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

Form1::Form1(const Services& services, const QStringList& dataFolders, const QLocale& locale)
    : m_services(services), m_help(*services.shell, *services.messageBox, dataFolders)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Моделирование опыта Вельтрана"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::appIcon(32))));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setColors(m_client, Colors::Grey, DefaultText);
    setCentralWidget(m_client);

    buildControls();
    buildMenus();
    m_formWindow = std::make_unique<QtFormWindow>(this, m_client);
    m_procedures = std::make_unique<Form1Procedures>(m_controls, *m_formWindow, m_services, locale);
    connectEvents();

    resize(InitialClientWidth, InitialClientHeight + menuBar()->sizeHint().height());
    Form_Load();
}

Form1::~Form1()
{
    m_client->removeEventFilter(this);
    if (m_form2)
        delete m_form2;
}

Control* Form1::adapt(QWidget* widget)
{
    m_adapters.push_back(std::make_unique<QtControl>(widget));
    return m_adapters.back().get();
}

QLabel* Form1::addLabel(const char* name, const QString& caption, const QFont& font, Rgb background,
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

void Form1::buildControls()
{
    Form1Controls& c = m_controls;
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
        {&c.Label1, "Label1", u"D=", u"Расстояние между пластинами", &c.Text1, "Text1",
         u"Расстояние между пластинами", &c.Label2, "Label2", u" м"},
        {&c.Label3, "Label3", u"Ux=", u"Напряжение между пластинами", &c.Text2, "Text2",
         u"Напряжение между пластинами", &c.Label4, "Label4", u" В"},
        {&c.Label7, "Label7", u"d=", u"Диаметр капли", &c.Text4, "Text4", u"Диаметр капли", &c.Label8, "Label8",
         u" м"},
        // The Greek captions are shown as Greek letters directly.
        {&c.Label9, "Label9", u"ρ=", u"Плотность капли", &c.Text5, "Text5", u"Плотность капли", &c.Label10,
         "Label10", u" кг/м3"},
        {&c.Label11, "Label11", u"ρ0=", u"Плотность среды", &c.Text6, "Text6", u"Плотность среды", &c.Label12,
         "Label12", u" кг/м3"},
        {&c.Label13, "Label13", u"η=", u"Коэффициент динамической вязкости среды ", &c.Text7, "Text7",
         u"Коэффициент динамической вязкости среды", &c.Label14, "Label14", u" Па с"},
    };
    c.Label36 = adapt(addLabel("Label36", QStringLiteral("Параметры"), T12B, grey, black, Qt::AlignHCenter, {}));
    for (const InputRow& row : rows) {
        *row.caption = adapt(addLabel(row.captionName, QString::fromUtf16(row.captionText), T12, grey,
                                      row.caption == &c.Label3 ? windowTextRgb : black, Qt::AlignRight,
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
    c.Label15 = adapt(addLabel("Label15", QStringLiteral("Характеристики"), T12B, grey, black, Qt::AlignHCenter, {},
                               true));
    c.Label21 =
        adapt(addLabel("Label21", QStringLiteral("Скорости"), T12B, grey, Colors::Blue, Qt::AlignHCenter, {}, true));
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
        {&c.Label43, "Label43", cyan, black, Qt::AlignLeft, u"Масса капли"},
        {&c.Label5, "Label5", cyan, black, Qt::AlignLeft, u"Напряжённость электрического поля"},
        {&c.Label22, "Label22", cyan, black, Qt::AlignLeft, u"Характерное время"},
        {&c.Label44, "Label44", cyan, black, Qt::AlignLeft, u"Параметр а"},
        {&c.Label23, "Label23", white, Colors::Blue, Qt::AlignLeft, u"предельная вертикальная скорость"},
        {&c.Label24, "Label24", white, Colors::Blue, Qt::AlignLeft, u"2 предельная скорость"},
        {&c.Label25, "Label25", white, Colors::Blue, Qt::AlignLeft, u"3 предельная скорость"},
        {&c.Label17, "Label17", white, Colors::Red, Qt::AlignLeft, u"заряд q2"},
        {&c.Label19, "Label19", white, Colors::Red, Qt::AlignLeft, u"заряд q3"},
        {&c.Label26, "Label26", white, Colors::Red, Qt::AlignLeft, u"отношение зарядов q3/q2"},
        {&c.Label40, "Label40", white, Colors::Red, Qt::AlignLeft, u"разность зарядов N3-N2"},
        {&c.Label16, "Label16", Colors::LightYellow, black, Qt::AlignHCenter, u"Замедление времени"},
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
    c.CmdOK = button("CmdOK", QStringLiteral("ПУСК"), QStringLiteral("Запуск установки"));
    c.Command1 = button("Command1", QStringLiteral("НАПРЯЖЕНИЕ"),
                        QStringLiteral("Подача напряжения на пластины конденсатора"));
    c.Command2 = button("Command2", QStringLiteral("СВЕТ"), QStringLiteral("Освещение рентгеновскими лучами"));

    auto* check = new QCheckBox(QStringLiteral("Выбор"), m_client);
    check->setObjectName(QStringLiteral("Check1"));
    check->setFont(T12);
    check->setToolTip(QStringLiteral("Случайный выбор зарядов"));
    setButtonBackground(check, grey);
    c.Check1 = adapt(check);

    auto* frame = new QGroupBox(QStringLiteral("Графики"), m_client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(T12);
    frame->setToolTip(QStringLiteral("Выбор графика"));
    frame->setFlat(true);
    setColors(frame, grey, DefaultText);
    c.Frame1 = adapt(frame);
    struct OptionButton {
        Control** control;
        const char* name;
        const char16_t* caption;
        QFont font;
        const char16_t* tip;
        QRect design;
    };
    const OptionButton options[] = {
        {&c.Option1, "Option1", u"Движение", T11, u"Анимация", QRect(0, 20, 96, 21)},
        {&c.Option2, "Option2", u"Координата", T12, u"Зависимость x(t)", QRect(0, 40, 103, 19)},
        {&c.Option3, "Option3", u"Проекция Vx", T11, u"Зависимость Vx(t)", QRect(0, 60, 103, 17)},
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
    frame->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);

    auto* scroll = new QScrollBar(Qt::Horizontal, m_client);
    scroll->setObjectName(QStringLiteral("HScroll1"));
    scroll->setRange(1, 9);
    scroll->setValue(5);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    scroll->setFocusPolicy(Qt::StrongFocus); // arrow keys move it, like any other control
    c.HScroll1 = adapt(scroll);

    // Drawing surfaces.
    struct Surface {
        const char* name;
        const char16_t* tip;
        Rgb foreColor;
    };
    const Surface surfaces[] = {
        {"Picture1", u"Расстояние между пластинами, разбитое на 10 частей", Colors::Black},
        {"Picture2", u"Координата в относительных единицах", windowTextRgb},
        {"Picture3", u"Скорость в относительных единицах", windowTextRgb},
    };
    for (int i = 0; i < 3; ++i) {
        auto* widget = new CanvasWidget(m_client);
        widget->setObjectName(QString::fromLatin1(surfaces[i].name));
        widget->setToolTip(QString::fromUtf16(surfaces[i].tip));
        m_canvases[i] = std::make_unique<QtCanvas>(widget, T11, surfaces[i].foreColor);
    }
    c.Picture1 = m_canvases[0].get();
    c.Picture2 = m_canvases[1].get();
    c.Picture3 = m_canvases[2].get();

    CanvasWidget* view = m_canvases[0]->widget();
    auto* beam = new QtSprite(view, *m_canvases[0], QSize(Artwork::BeamWidth, Artwork::BeamHeight),
                              [](qreal ratio) { return Artwork::beam(ratio); });
    beam->setObjectName(QStringLiteral("Image1"));
    beam->move(72, 168);
    auto* droplet = new QtSprite(view, *m_canvases[0], QSize(Artwork::DropletSize, Artwork::DropletSize),
                                 [](qreal ratio) { return Artwork::droplet(ratio); });
    droplet->setObjectName(QStringLiteral("Shape1"));
    droplet->move(40, 120);
    c.Image1 = beam;
    c.Shape1 = droplet;

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
    const char* focusOrder[] = {"CmdOK",   "Text2",   "Text1",   "Text4",    "Text5",    "Text6",   "Text7",
                                "Option1", "Option2", "Option3", "HScroll1", "Command1", "Command2", "Check1"};
    QWidget* previous = nullptr;
    for (const char* name : focusOrder) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(name));
        Q_ASSERT(widget);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    findChild<QWidget*>(QStringLiteral("CmdOK"))->setFocus();
}

void Form1::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    item(file, "mnuFilespravka", QStringLiteral("Справка1"), &Form1::mnuFilespravka_Click);
    item(file, "mnuFilespravka2", QStringLiteral("Справка2"), &Form1::mnuFilespravka2_Click);
    item(file, "mnuFilesHistory", QStringLiteral("История"), &Form1::mnuFilesHistory_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    item(file, "mnuFileExit", QStringLiteral("Выход"), &Form1::mnuFileExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuHelpInstruction", QStringLiteral("Инструкция"), &Form1::mnuHelpInstruction_Click);
    item(help, "mnuHelpUprav", QStringLiteral("Управление"), &Form1::mnuHelpUprav_Click);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    item(help, "mnuHelpAvtors", QStringLiteral("Авторы"), &Form1::mnuHelpAvtors_Click);
    item(help, "mnuHelpAbout", QStringLiteral("О программе"), &Form1::mnuHelpAbout_Click);
}

QAction* Form1::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

void Form1::connectEvents()
{
    Form1Procedures* p = m_procedures.get();
    auto widget = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    connect(qobject_cast<QPushButton*>(widget("CmdOK")), &QPushButton::clicked, this, [p] { p->CmdOK_Click(); });
    connect(qobject_cast<QPushButton*>(widget("Command1")), &QPushButton::clicked, this,
            [p] { p->Command1_Click(); });
    connect(qobject_cast<QPushButton*>(widget("Command2")), &QPushButton::clicked, this,
            [p] { p->Command2_Click(); });
    connect(qobject_cast<ClickableLabel*>(widget("Label15")), &ClickableLabel::clicked, this,
            [p] { p->Label15_Click(); });
    connect(qobject_cast<ClickableLabel*>(widget("Label21")), &ClickableLabel::clicked, this,
            [p] { p->Label21_Click(); });
    connect(qobject_cast<QScrollBar*>(widget("HScroll1")), &QScrollBar::valueChanged, this,
            [p] { p->HScroll1_Change(); });

    // Selecting an option, by the user or by the program, runs its click handler.
    const std::pair<const char*, void (Form1Procedures::*)()> options[] = {
        {"Option1", &Form1Procedures::Option1_Click},
        {"Option2", &Form1Procedures::Option2_Click},
        {"Option3", &Form1Procedures::Option3_Click},
    };
    for (const auto& [name, handler] : options)
        connect(qobject_cast<QRadioButton*>(widget(name)), &QRadioButton::toggled, this,
                [p, handler = handler](bool on) {
                    if (on)
                        (p->*handler)();
                });

    // Every change of a text, typed, pasted or set by the program.
    const std::pair<const char*, void (Form1Procedures::*)()> inputs[] = {
        {"Text1", &Form1Procedures::Text1_Change}, {"Text2", &Form1Procedures::Text2_Change},
        {"Text4", &Form1Procedures::Text4_Change}, {"Text5", &Form1Procedures::Text5_Change},
        {"Text6", &Form1Procedures::Text6_Change}, {"Text7", &Form1Procedures::Text7_Change},
    };
    for (const auto& [name, handler] : inputs)
        connect(qobject_cast<QLineEdit*>(widget(name)), &QLineEdit::textChanged, this,
                [p, handler = handler] { (p->*handler)(); });

    // The client area's size changes, including the first display.
    m_client->installEventFilter(this);
}

void Form1::Form_Load()
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
    s.zagruzka = 0;

    // One tenth of the free horizontal space from the left, one fiftieth of the
    // free vertical space from the top; negative on a small screen, as it comes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        const QSize outer = frameGeometry().size();
        const double left = desktop.x() + (desktop.width() - outer.width()) * 0.1;
        const double top = desktop.y() + (desktop.height() - outer.height()) * 0.02;
        move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    }

    m_procedures->predvar();
    s.zagruzka = 1;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        m_procedures->Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (m_services.lifetime->isEnding()) {
        event->accept();
        return;
    }
    std::int16_t cancel = 0;
    m_procedures->Form_Unload(cancel);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}

void Form1::mnuFileExit_Click()
{
    close();
}

void Form1::mnuHelpAvtors_Click()
{
    if (!m_form2)
        m_form2 = new Form2;
    m_form2->setCaption(Form2::authorsText());
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
