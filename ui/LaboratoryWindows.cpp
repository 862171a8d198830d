// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LaboratoryWindows.h"

#include "AirInputs.h"
#include "AssignmentFolder.h"
#include "CoachPanel.h"
#include "TaskFile.h"

#include "JournalWindow.h"
#include "KeyBindings.h"
#include "LaboratorySettings.h"
#include "MainWindow.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "RealismFile.h"
#include "Simulation.h"

#include "StudentDialog.h"
#include "WindowPlacement.h"

#include "JournalModel.h"
#include "JournalStore.h"
#include "Laboratory.h"

#ifdef Q_OS_WASM
#include "WebFiles.h"
#endif

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cmath>

LaboratoryWindows::LaboratoryWindows(MainWindow& window, Simulation& simulation, const Services& services,
                                     const QLocale& locale, QObject* parent)
    : QObject(parent), m_window(window), m_simulation(simulation), m_services(services), m_locale(locale),
      m_coach(simulation.laboratory(), simulation.state(), simulation.journal())
{
    m_store = new JournalStore(simulation.journal(), *services.messageBox, JournalStore::defaultFolder(), this);

    // The band's length in a corner of the animation view, over the drawing.
    CanvasWidget* view = window.widgets().animationView;
    m_reticle = new QLabel(view);
    m_reticle->setObjectName(QStringLiteral("reticleLabel"));
    m_reticle->setAutoFillBackground(true);
    QPalette palette = m_reticle->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_reticle->setPalette(palette);
    m_reticle->setContentsMargins(3, 1, 3, 1);
    m_reticle->setToolTip(tr("Цена деления: расстояние между соседними линиями, десятая часть промежутка D"));
    m_reticle->hide();

    buildCommands();
    buildCoachCommands();
    buildTaskCommands();
    buildSprayCommand();
    const MainWindow::Menus& m = window.menus();
    Laboratory& lab = simulation.laboratory();
    connect(m.laboratoryMode, &QAction::toggled, this, &LaboratoryWindows::setActive);
    connect(m.journal, &QAction::triggered, this, &LaboratoryWindows::showJournal);
    connect(m.unknownDrop, &QAction::toggled, this, [&lab](bool on) { lab.setUnknownSize(on); });
    connect(m.brownian, &QAction::toggled, this, [&lab](bool on) { lab.setBrownian(on); });
    connect(m.slipCorrection, &QAction::toggled, this, [&lab](bool on) { lab.setSlipCorrection(on); });
    connect(m.seed, &QAction::triggered, this, &LaboratoryWindows::askForSeed);
    // After the options' connections: a teacher's level turns them on.
    buildLevelCommands();
    connect(&lab, &Laboratory::changed, this, [this] {
        updateCommands();
        updateReticle();
        updateConcealment();
        updateAir();
        updateInputs();
    });
    // The gap may change with every edit of its input.
    connect(window.widgets().plateGapEdit, &QLineEdit::textChanged, this, &LaboratoryWindows::updateReticle,
            Qt::QueuedConnection);
    // A held drop stands still while a modal dialog blocks the window or the
    // window is minimised (see eventFilter).
    window.installEventFilter(this);
    // Who measured: asked when the laboratory opens, or at the first entry
    // typed into the journal without it; never while a drop is being timed.
    connect(&simulation.journal(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_simulation.experiment().isHolding())
            askForStudentOnce();
    });
    window.surfaceExport().setMenuExtension([this](QMenu* menu, SurfaceExport::Surface surface, QPoint at) {
        extendPlotMenu(menu, static_cast<int>(surface), at);
    });
    updateCommands();
}

void LaboratoryWindows::buildCommands()
{
    using Command = KeyBindings::Command;
    Laboratory& lab = m_simulation.laboratory();
    Stopwatch& stopwatch = lab.stopwatch();
    const auto command = [this](const QString& text, const QString& tip, Command key) {
        auto* action = new QAction(text, &m_window);
        action->setToolTip(KeyBindings::withKey(tip, key));
        action->setShortcut(KeyBindings::key(key));
        action->setShortcutContext(Qt::ApplicationShortcut);
        m_window.addAction(action);
        return action;
    };
    m_commands.startStop = command(tr("Пуск"), tr("Пуск и остановка секундомера"), Command::StopwatchStartStop);
    m_commands.lap = command(tr("Отсечка"), tr("Отсечка: промежуток до этого мгновения, секундомер идёт дальше"),
                             Command::StopwatchLap);
    m_commands.reset =
        command(tr("Сброс"), tr("Сброс секундомера; промежутки не в журнале пропадают"), Command::StopwatchReset);
    m_commands.record =
        command(tr("В журнал"), tr("Записать промежутки в лабораторный журнал"), Command::StopwatchRecord);
    // A droplet nobody can see cannot be timed: the press is refused, and said why.
    const auto seen = [this, &lab] {
        if (lab.inSight())
            return true;
        if (m_services.announcer)
            m_services.announcer->announce(
                tr("Капли не видно в микроскопе: засечь её время нельзя. Подстройте фокус."));
        if (m_stopwatch)
            m_stopwatch->refresh();
        return false;
    };
    connect(m_commands.startStop, &QAction::triggered, &stopwatch, [&stopwatch, seen] {
        if (seen())
            stopwatch.startStop();
    });
    connect(m_commands.lap, &QAction::triggered, &stopwatch, [&stopwatch, seen] {
        if (seen())
            stopwatch.lap();
    });
    connect(m_commands.reset, &QAction::triggered, &stopwatch, &Stopwatch::reset);
    connect(m_commands.record, &QAction::triggered, this, [&lab] { lab.recordTimings(); });
    connect(&stopwatch, &Stopwatch::changed, this, &LaboratoryWindows::updateCommands);
    buildApparatusCommands();
}

CoachPanel* LaboratoryWindows::coachPanel() const
{
    return m_coachPanel;
}

void LaboratoryWindows::buildCoachCommands()
{
    const MainWindow::Menus& m = m_window.menus();
    m_coachAction = new QAction(tr("Подсказки"), &m_window);
    m_coachAction->setCheckable(true);
    m_coachAction->setChecked(LaboratorySettings::value(QStringLiteral("coach/shown"), true).toBool());
    m_coachAction->setShortcut(KeyBindings::key(KeyBindings::Command::Coach));
    m_coachAction->setShortcutContext(Qt::ApplicationShortcut);
    m_coachAction->setToolTip(tr("Подсказка в окне секундомера: что делать сейчас и заряд капли"));
    m_multiplesAction = new QAction(tr("Подсказки называют кратность и e"), &m_window);
    m_multiplesAction->setCheckable(true);
    m_multiplesAction->setChecked(LaboratorySettings::value(QStringLiteral("coach/multiples"), true).toBool());
    m_multiplesAction->setToolTip(tr("Снимите, чтобы студент сам нашёл кратность зарядов и e"));
    m_coach.setShowsMultiples(m_multiplesAction->isChecked());
    // After the seed's command, before the surface's.
    const QList<QAction*> actions = m.file->actions();
    const qsizetype seed = actions.indexOf(m.seed);
    QAction* before = seed >= 0 && seed + 1 < actions.size() ? actions[seed + 1] : nullptr;
    m.file->insertActions(before, {m_coachAction, m_multiplesAction});
    m_window.addAction(m_coachAction);
    connect(m_coachAction, &QAction::toggled, this, [this](bool on) {
        LaboratorySettings::setValues({{QStringLiteral("coach/shown"), on}});
        if (m_coachPanel) {
            m_coachPanel->setVisible(on);
            if (m_stopwatch)
                m_stopwatch->adjustSize();
        }
    });
    connect(m_multiplesAction, &QAction::toggled, this, [this](bool on) {
        LaboratorySettings::setValues({{QStringLiteral("coach/multiples"), on}});
        m_coach.setShowsMultiples(on);
        if (m_coachPanel)
            m_coachPanel->refresh();
    });
}

void LaboratoryWindows::buildTaskCommands()
{
    const MainWindow::Menus& m = m_window.menus();
    m_assignAction = new QAction(tr("Выдать задания…"), &m_window);
    m_assignAction->setToolTip(tr("Для преподавателя: по списку группы (CSV) — задание каждому студенту"));
    m_openTaskAction = new QAction(tr("Открыть задание…"), &m_window);
    m_openTaskAction->setToolTip(tr("Открыть задание преподавателя: его настройки, зерно и ваше имя в журнале"));
    const QList<QAction*> actions = m.file->actions();
    const qsizetype multiples = actions.indexOf(m_multiplesAction);
    QAction* before = multiples >= 0 && multiples + 1 < actions.size() ? actions[multiples + 1] : nullptr;
#ifdef Q_OS_WASM
    // A page cannot write a folder of files where the teacher finds them:
    // assignments are handed out by the desktop program.
    m_assignAction->setVisible(false);
#endif
    m.file->insertActions(before, {m_assignAction, m_openTaskAction});
    connect(m_assignAction, &QAction::triggered, this, &LaboratoryWindows::assignTasks);
    connect(m_openTaskAction, &QAction::triggered, this, [this] {
#ifdef Q_OS_WASM
        // The browser's dialog answers later, with the file's content.
        if (!askTaskFileName) {
            WebFiles::askOpenFile(QStringLiteral("*.json"), [this](const QString& path) { openTask(path); });
            return;
        }
#endif
        const QString path =
            askTaskFileName
                ? askTaskFileName()
                : QFileDialog::getOpenFileName(&m_window, tr("Открыть задание"),
                                               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                               tr("Задание (*.json)"));
        if (!path.isEmpty())
            openTask(path);
    });
}

void LaboratoryWindows::buildSprayCommand()
{
    m_sprayAction = new QAction(tr("Распылить"), &m_window);
    m_sprayAction->setShortcut(KeyBindings::key(KeyBindings::Command::Spray));
    m_sprayAction->setShortcutContext(Qt::ApplicationShortcut);
    m_sprayAction->setToolTip(KeyBindings::withKey(tr("Распылить капли между пластинами и смотреть в микроскоп"),
                                                   KeyBindings::Command::Spray));
    m_window.menus().file->insertAction(m_assignAction, m_sprayAction);
    m_window.addAction(m_sprayAction);
    connect(m_sprayAction, &QAction::triggered, this, &LaboratoryWindows::spray);
    m_microscopeTicks = new QTimer(this);
    m_microscopeTicks->setInterval(MicroscopeTickMs);
    connect(m_microscopeTicks, &QTimer::timeout, this, [this] {
        Laboratory& lab = m_simulation.laboratory();
        lab.advanceSpray(MicroscopeTickMs / 1000.0);
        if (m_microscope) {
            m_microscope->setVoltage(lab.chamber().voltage());
            m_microscope->setCaught(lab.caught());
            m_microscope->tick();
        }
    });
}

void LaboratoryWindows::buildLevelCommands()
{
    m_levelMenu = new QMenu(tr("Уровень реализма"), &m_window);
    m_window.menus().file->insertMenu(m_assignAction, m_levelMenu);
    auto* group = new QActionGroup(m_levelMenu);
    const std::pair<RealismLevel, QString> levels[] = {
        {RealismLevel::Ideal, tr("Идеальный: одна капля, без шума")},
        {RealismLevel::Standard, tr("Обычный: распыление, броуновское движение, фокус")},
        {RealismLevel::Full, tr("Полный: ещё испарение, нагрев лампой, облучение в поле")},
    };
    for (const auto& [level, text] : levels) {
        QAction* action = m_levelMenu->addAction(text);
        action->setCheckable(true);
        group->addAction(action);
        m_levelActions[static_cast<std::size_t>(level)] = action;
        connect(action, &QAction::triggered, this, [this, level = level] { setLevel(level); });
    }
    // A teacher's level for this machine, perhaps locked.
    const std::optional<QString> path = RealismFile::find();
    if (!path)
        return;
    QFile file(*path);
    const std::variant<RealismFile::Choice, QString> read =
        file.open(QIODevice::ReadOnly) ? RealismFile::read(file.read(RealismFile::MaxSize + 1))
                                       : std::variant<RealismFile::Choice, QString>(file.errorString());
    if (const auto* refused = std::get_if<QString>(&read)) {
        // Said in the menu itself: the level stays the student's to choose.
        m_levelMenu->addSeparator();
        m_levelMenu->addAction(tr("Файл %1 не прочитан: %2").arg(QDir::toNativeSeparators(*path), *refused))
            ->setEnabled(false);
        return;
    }
    const RealismFile::Choice choice = std::get<RealismFile::Choice>(read);
    setLevel(choice.level);
    m_levelLocked = choice.locked;
    if (m_levelLocked)
        m_levelMenu->setToolTip(tr("Уровень задан преподавателем: %1").arg(QDir::toNativeSeparators(*path)));
    updateCommands();
}

void LaboratoryWindows::setLevel(RealismLevel level)
{
    Laboratory& lab = m_simulation.laboratory();
    lab.setRealismLevel(level);
    levelAction(level)->setChecked(true);
    // Beyond the ideal drop, drops are unknown and in thermal motion.
    const MainWindow::Menus& m = m_window.menus();
    if (level != RealismLevel::Ideal)
        for (QAction* option : {m.unknownDrop, m.brownian})
            if (!option->isChecked())
                option->setChecked(true);
    updateCommands();
}

MicroscopeWindow* LaboratoryWindows::microscopeWindow() const
{
    return m_microscope;
}

void LaboratoryWindows::spray()
{
    Laboratory& lab = m_simulation.laboratory();
    if (!lab.isActive())
        return;
    if (lab.caught() != 0) {
        // Said, not just ignored: the key is the student's.
        if (m_services.announcer)
            m_services.announcer->announce(
                tr("Капля поймана: распылить снова можно, когда она отпущена (ПУСК) или потеряна."));
        return;
    }
    lab.spray();
    if (!m_microscope) {
        m_microscope = new MicroscopeWindow(&m_window);
        m_microscope->resize(m_microscope->sizeHint());
        placeBeside(m_microscope);
        // The droplet chosen is the one the next «ПУСК» catches.
        connect(m_microscope->view(), &MicroscopeView::selectedChanged, &lab, &Laboratory::choose);
    }
    m_microscope->setSpray(lab.chamber().current());
    m_microscope->setVoltage(lab.chamber().voltage());
    m_microscope->setCaught(0);
    m_microscope->show();
    m_microscope->raise();
    m_microscopeTicks->start();
}

void LaboratoryWindows::assignTasks()
{
    std::optional<std::pair<QString, QString>> chosen;
    if (askRosterAndFolder) {
        chosen = askRosterAndFolder();
    } else {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString roster = QFileDialog::getOpenFileName(&m_window, tr("Список группы"), documents,
                                                            tr("Список группы (*.csv);;Все файлы (*)"));
        if (roster.isEmpty())
            return;
        const QString folder =
            QFileDialog::getExistingDirectory(&m_window, tr("Папка для заданий"), QFileInfo(roster).absolutePath());
        if (folder.isEmpty())
            return;
        chosen = std::pair(roster, folder);
    }
    if (!chosen)
        return;
    const AssignmentFolder::Result result = AssignmentFolder::create(chosen->first, chosen->second);
    m_services.messageBox->showMessage(result.done ? tr("Задания") : tr("Ошибка"), result.message);
}

bool LaboratoryWindows::openTask(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    const auto refuse = [this, &name](const QString& reason) {
        m_services.messageBox->showMessage(tr("Ошибка"), tr("Не удалось открыть задание «%1»: %2.").arg(name, reason));
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const QByteArray bytes = file.read(TaskFile::MaxSize + 1);
    const auto read = TaskFile::read(bytes);
    if (const QString* reason = std::get_if<QString>(&read))
        return refuse(*reason);
    const Task& task = std::get<Task>(read);
    if (m_simulation.experiment().isHolding())
        return refuse(tr("сначала отпустите каплю («ПУСК»)"));

    // The journal the task continues, or a new one: the student's drops of
    // another task, or of none, are kept as a copy, never lost.
    m_store->load();
    JournalModel& model = m_simulation.journal();
    const JournalTask recorded{task.id, TaskFile::hash(bytes)};
    const Journal& journal = model.journal();
    if ((!journal.drops.empty() || !journal.entries.empty()) && journal.task != recorded) {
        if (!m_services.messageBox->askYesNo(tr("Задание"),
                                             tr("В журнале уже есть измерения. Начать новый журнал для задания? "
                                                "Нынешний будет сохранён копией в папке данных программы.")))
            return false;
        QString kept;
        if (!m_store->startNew(&kept))
            return false;
        if (!kept.isEmpty())
            m_services.messageBox->showMessage(
                tr("Лабораторный журнал"), tr("Прежний журнал сохранён в «%1».").arg(QDir::toNativeSeparators(kept)));
    }
    model.setStudent(task.name, task.group);
    model.setTask(recorded);

    // The task's laboratory: the menu's checks follow, and through them the laboratory.
    const MainWindow::Menus& m = m_window.menus();
    Laboratory& lab = m_simulation.laboratory();
    m.laboratoryMode->setChecked(true);
    setActive(true);
    m.unknownDrop->setChecked(task.settings.unknownDrops);
    m.brownian->setChecked(task.settings.brownian);
    lab.setAir(task.settings.pressure, task.settings.temperature);
    m.slipCorrection->setChecked(task.settings.slipCorrection);
    if (m_air)
        m_air->show();
    lab.setSeed(task.seed);
    m_multiplesAction->setChecked(task.settings.coachShowsMultiples);
    return true;
}

void LaboratoryWindows::buildApparatusCommands()
{
    using Command = KeyBindings::Command;
    Laboratory& lab = m_simulation.laboratory();
    Experiment& experiment = m_simulation.experiment();
    const auto command = [this](const QString& text, const QString& tip, Command key, Qt::ShortcutContext context) {
        auto* action = new QAction(text, &m_window);
        action->setToolTip(KeyBindings::withKey(tip, key));
        action->setShortcut(KeyBindings::key(key));
        action->setShortcutContext(context);
        m_window.addAction(action);
        return action;
    };
    m_commands.polarity = command(tr("Полярность"), tr("Полярность поля: прямая или обратная"), Command::Polarity,
                                  Qt::ApplicationShortcut);
    m_commands.polarity->setCheckable(true);
    m_commands.balance =
        command(tr("Равновесие — в журнал"), tr("Капля висит неподвижно: записать это напряжение в журнал"),
                Command::Balance, Qt::ApplicationShortcut);
    // Page keys turn the voltage in the main window and in the panel; in the
    // journal they keep paging its table.
    m_commands.voltageUp =
        command(tr("Напряжение +1 %"), tr("Напряжение больше на 1 %"), Command::VoltageUp, Qt::WindowShortcut);
    m_commands.voltageDown =
        command(tr("Напряжение −1 %"), tr("Напряжение меньше на 1 %"), Command::VoltageDown, Qt::WindowShortcut);
    m_commands.voltageUpMore =
        command(tr("Напряжение +10 %"), tr("Напряжение больше на 10 %"), Command::VoltageUpMore, Qt::WindowShortcut);
    m_commands.voltageDownMore =
        command(tr("Напряжение −10 %"), tr("Напряжение меньше на 10 %"), Command::VoltageDownMore, Qt::WindowShortcut);
    connect(m_commands.polarity, &QAction::triggered, this, [&experiment] { experiment.reversePolarity(); });
    connect(m_commands.balance, &QAction::triggered, this, [&lab] { lab.recordBalance(); });
    connect(m_commands.voltageUp, &QAction::triggered, this, [this] { turnVoltage(1.01); });
    connect(m_commands.voltageDown, &QAction::triggered, this, [this] { turnVoltage(1 / 1.01); });
    connect(m_commands.voltageUpMore, &QAction::triggered, this, [this] { turnVoltage(1.1); });
    connect(m_commands.voltageDownMore, &QAction::triggered, this, [this] { turnVoltage(1 / 1.1); });
}

void LaboratoryWindows::turnVoltage(double factor)
{
    const double volts = std::round(m_simulation.state().Ux * factor);
    if (setVoltage(volts) && m_services.announcer)
        m_services.announcer->announce(tr("Напряжение %1 В").arg(m_locale.toString(volts, 'f', 0)));
}

bool LaboratoryWindows::setVoltage(double volts)
{
    // A voltage refused leaves the stopwatch's box showing the one set.
    const bool set = m_simulation.experiment().setVoltage(volts);
    if (set)
        m_simulation.inputs().showValue(SetupParameter::Voltage, volts);
    if (m_stopwatch)
        m_stopwatch->refresh();
    return set;
}

void LaboratoryWindows::updateInputs()
{
    const bool held = m_simulation.laboratory().holding();
    const MainWindowWidgets& w = m_window.widgets();
    for (const SetupParameter parameter : AllSetupParameters)
        w.parameterEdit(parameter)->setReadOnly(held || (parameter == SetupParameter::Diameter && m_concealed));
    // With the slip correction the viscosity is that of air at its temperature.
    if (m_simulation.laboratory().slipPressure())
        w.parameterEdit(SetupParameter::Viscosity)->setReadOnly(true);
}

void LaboratoryWindows::updateAir()
{
    const Laboratory& lab = m_simulation.laboratory();
    Experiment& experiment = m_simulation.experiment();
    const std::optional<double> pressure = lab.slipPressure();
    bool changed = experiment.slipCorrection() != pressure;
    experiment.setSlipCorrection(pressure);
    if (m_air)
        m_air->show();
    // A held droplet keeps its air until its run is over.
    if (experiment.isRunning())
        return;
    if (const std::optional<float> eta = lab.airViscosity(); eta && experiment.state().eta != *eta) {
        experiment.setParameter(SetupParameter::Viscosity, static_cast<double>(*eta));
        m_simulation.inputs().showValue(SetupParameter::Viscosity, static_cast<double>(*eta));
        changed = true;
    }
    if (changed)
        m_simulation.reset().resetWindow();
}

void LaboratoryWindows::placeBeside(QWidget* window)
{
    // On the right of the main window, as far as the screen allows.
    const QRect main = m_window.frameGeometry();
    placeInside(window, QPoint(main.right() + 8, main.top()));
}

void LaboratoryWindows::placeInside(QWidget* window, QPoint at)
{
    // The screen's own bars are not covered, nor anything off the screen, nor
    // the drop view when the screen has room beside it: the window shrinks
    // (down to its minimum) where it is larger than the room. Before the
    // window manager has framed it, its title bar is allowed for.
    const QScreen* screen = m_window.screen();
    if (!screen) {
        window->move(at);
        return;
    }
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isNull())
        frame = QSize(0, WindowPlacement::TitleBar);
    const QWidget* view = m_window.widgets().animationView;
    const QRect avoid(view->mapToGlobal(QPoint(0, 0)), view->size());
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QRect available = screen->availableGeometry();
    // Clear of the stopwatch's panel too, where the screen has room for both.
    std::optional<QRect> placed;
    if (m_stopwatch && m_stopwatch->isVisible() && window != m_stopwatch)
        placed = WindowPlacement::beside(available, avoid.united(m_stopwatch->frameGeometry()), at,
                                         window->size() + frame, minimum + frame);
    if (!placed)
        placed = WindowPlacement::place(available, avoid, at, window->size() + frame, minimum + frame);
    window->resize(placed->size() - frame);
    window->move(placed->topLeft());
}

void LaboratoryWindows::updateCommands()
{
    const Laboratory& lab = m_simulation.laboratory();
    const bool on = lab.isActive();
    m_commands.startStop->setText(lab.stopwatch().isRunning() ? tr("Стоп") : tr("Пуск"));
    for (QAction* action :
         {m_commands.startStop, m_commands.lap, m_commands.reset, m_commands.record, m_commands.voltageUp,
          m_commands.voltageDown, m_commands.voltageUpMore, m_commands.voltageDownMore})
        action->setEnabled(on);
    m_commands.polarity->setEnabled(on && lab.holding());
    m_commands.polarity->setChecked(lab.holding() && m_simulation.state().reversed);
    m_commands.balance->setEnabled(on && lab.holding() && lab.field() != FieldState::Off);
    const MainWindow::Menus& m = m_window.menus();
    // A level locked beyond the ideal keeps its drops unknown and in thermal motion.
    const std::optional<RealismLevel> level = lab.realismLevel();
    const bool lockedOptions = m_levelLocked && level && *level != RealismLevel::Ideal;
    for (QAction* action : {m.unknownDrop, m.brownian})
        action->setEnabled(on && !lockedOptions);
    m.seed->setEnabled(on);
    // The ideal drop is given alone: nothing is sprayed.
    m_sprayAction->setEnabled(on && level != RealismLevel::Ideal);
    if (m_levelMenu)
        for (QAction* action : m_levelActions)
            action->setEnabled(on && !m_levelLocked);
    // The air of a held droplet stays as it was at its start.
    m.slipCorrection->setEnabled(on && !lab.holding());
    if (m.laboratoryMode->isChecked() != on)
        m.laboratoryMode->setChecked(on);
}

bool LaboratoryWindows::isActive() const
{
    return m_simulation.laboratory().isActive();
}

bool LaboratoryWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::WindowBlocked: m_blocked = true; break;
        case QEvent::WindowUnblocked: m_blocked = false; break;
        case QEvent::WindowStateChange: break;
        default: return false;
        }
        m_simulation.experiment().setPaused(m_blocked || m_window.isMinimized());
    }
    return false;
}

void LaboratoryWindows::setActive(bool active)
{
    Laboratory& lab = m_simulation.laboratory();
    if (active == lab.isActive())
        return;
    if (active) {
        m_store->load();
        lab.adoptSeedOf(m_simulation.journal());
    }
    lab.setActive(active);
    // The laboratory's tones do not hold the keys up: a timing goes on.
    m_services.tones->setWaiting(!active);
    if (active)
        askForStudentOnce();
    if (active) {
        if (!m_stopwatch) {
            // The student's settings of the last session, before the panel shows them.
            (new LaboratorySettings(m_window, m_simulation, this))->restore();
            m_stopwatch = new StopwatchWindow(lab, m_commands, m_locale, &m_window);
            connect(m_stopwatch, &StopwatchWindow::closed, this, [this] { setActive(false); });
            connect(m_stopwatch, &StopwatchWindow::voltageChosen, this, &LaboratoryWindows::setVoltage);
            m_air = new AirInputs(lab, m_simulation.sound(), *m_services.messageBox, m_stopwatch->pressureEdit(),
                                  m_stopwatch->temperatureEdit(), this);
            // The coach above the stopwatch: the next step where the student looks.
            m_coachPanel = new CoachPanel(m_coach, m_services.announcer, m_locale, m_stopwatch);
            m_stopwatch->addPanel(m_coachPanel);
            m_coachPanel->setVisible(m_coachAction->isChecked());
            m_stopwatch->adjustSize();
            placeBeside(m_stopwatch);
        }
        m_stopwatch->show();
    } else if (m_stopwatch) {
        m_stopwatch->hide();
    }
    m_reticle->setVisible(active);
    updateReticle();
    updateCommands();
    updateConcealment();
}

void LaboratoryWindows::updateReticle()
{
    m_reticle->setText(
        tr("1 дел. = %1 мм").arg(m_locale.toString(m_simulation.laboratory().bandLength() * 1000, 'f', 3)));
    m_reticle->adjustSize();
    const QWidget* view = m_reticle->parentWidget();
    // Bottom left, above the lower plate's mark.
    m_reticle->move(4, std::max(0, view->height() - m_reticle->height() - 10));
    m_reticle->raise();
}

void LaboratoryWindows::updateConcealment()
{
    const bool conceal = m_simulation.laboratory().hidesDropSize();
    if (conceal == m_concealed)
        return;
    m_concealed = conceal;
    QLineEdit* diameter = m_window.widgets().diameterEdit;
    m_simulation.panel().setDropConcealed(conceal);
    if (conceal) {
        // The input shows "?" and takes no edits; its text is not read.
        m_diameterText = diameter->text();
        const QSignalBlocker quiet(diameter);
        diameter->setText(QStringLiteral("?"));
        diameter->setReadOnly(true);
        m_simulation.reset().resetWindow();
    } else {
        // The student's own diameter again, read as any edit is.
        diameter->setReadOnly(false);
        diameter->setText(m_diameterText);
    }
}

void LaboratoryWindows::askForSeed()
{
    Laboratory& lab = m_simulation.laboratory();
    std::optional<QString> text;
    if (askSeed) {
        text = askSeed();
    } else {
        bool ok = false;
        const QString answer = QInputDialog::getText(
            &m_window, tr("Зерно случайных чисел"),
            tr("Одно и то же зерно даёт всем одни и те же капли.\nЦелое число от 0 до 18446744073709551615 "
               "или пусто — своё зерно в каждом сеансе:"),
            QLineEdit::Normal, lab.seedFixed() ? QString::number(lab.seed()) : QString(), &ok);
        if (ok)
            text = answer;
    }
    if (!text)
        return;
    if (text->trimmed().isEmpty()) {
        lab.setSeed(std::nullopt);
        return;
    }
    bool ok = false;
    const quint64 seed = text->trimmed().toULongLong(&ok);
    if (!ok) {
        m_services.messageBox->showMessage(
            tr("Ошибка"), tr("«%1» — не целое число от 0 до 18446744073709551615.").arg(text->trimmed()));
        return;
    }
    lab.setSeed(seed);
}

void LaboratoryWindows::askForStudentOnce()
{
    if (m_studentAsked || !m_simulation.journal().journal().student.isEmpty())
        return;
    m_studentAsked = true;
    QTimer::singleShot(0, this, &LaboratoryWindows::askForStudent);
}

void LaboratoryWindows::askForStudent()
{
    JournalModel& model = m_simulation.journal();
    std::optional<std::pair<QString, QString>> answer;
    if (askStudent) {
        answer = askStudent(model.journal().student, model.journal().group);
    } else {
#ifdef Q_OS_WASM
        // A browser's page waits for no dialog: the answer comes when it is given.
        auto* asked = new StudentDialog(model.journal().student, model.journal().group, &m_window);
        asked->setAttribute(Qt::WA_DeleteOnClose);
        // Modal to the whole program, as exec() would make it: a window raised
        // over a window-modal dialog sends the page's window stack round in circles.
        asked->setWindowModality(Qt::ApplicationModal);
        connect(asked, &QDialog::accepted, this,
                [this, asked] { m_simulation.journal().setStudent(asked->student(), asked->group()); });
        asked->open();
        return;
#else
        StudentDialog dialog(model.journal().student, model.journal().group, &m_window);
        if (dialog.exec() == QDialog::Accepted)
            answer = std::pair(dialog.student(), dialog.group());
#endif
    }
    if (answer)
        model.setStudent(answer->first, answer->second);
}

JournalWindow* LaboratoryWindows::journalWindow()
{
    if (!m_journal) {
        m_store->load();
        m_simulation.laboratory().adoptSeedOf(m_simulation.journal());
        m_journal = new JournalWindow(m_simulation.journal(), *m_store, m_simulation.laboratory(),
                                      *m_services.messageBox, *m_services.saveDialog, m_locale, &m_window);
        // Beside the main window, clear of the drop view where the screen has room.
        placeBeside(m_journal);
    }
    return m_journal;
}

void LaboratoryWindows::showJournal()
{
    JournalWindow* journal = journalWindow();
    journal->show();
    journal->raise();
    journal->activateWindow();
}

void LaboratoryWindows::extendPlotMenu(QMenu* menu, int surface, QPoint at)
{
    Laboratory& lab = m_simulation.laboratory();
    if (!lab.isActive())
        return;
    const Canvas& canvas = surface == static_cast<int>(SurfaceExport::Surface::Coordinate)
                               ? *m_window.controls().coordinatePlot
                               : *m_window.controls().velocityPlot;
    const double t = canvas.pixelToUserX(at.x() + 0.5);
    menu->addSeparator();
    QAction* record = menu->addAction(tr("Записать в журнал"), this, [&lab, t] { lab.recordPlotVelocity(t); });
    record->setToolTip(tr("Скорость капли на кривой в это мгновение — в лабораторный журнал"));
    double Y = 0, Vy = 0;
    record->setEnabled(lab.plottedDrop() > 0 && m_simulation.record().valuesAt(t, Y, Vy));
}
