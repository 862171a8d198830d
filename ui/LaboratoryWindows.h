// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StopwatchWindow.h"

#include "Coach.h"
#include "RealismLevel.h"
#include "Services.h"

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class AirInputs;
class CoachPanel;
class MicroscopeWindow;
class QTimer;
class QAction;
class JournalStore;
class JournalWindow;
class MainWindow;
class QLabel;
class QMenu;
class QWidget;
class Simulation;

/// The laboratory mode in the main window: its menu commands, the
/// laboratory's panel (the stopwatch and the apparatus: voltage, polarity,
/// balance) and its keys, the reticle's band on the animation view, the
/// command «Записать в журнал» of the plots' menus, the journal's window and
/// its autosave, an unknown drop's hidden size ("?" in the diameter's input
/// and in the read-outs that would give it away), and the parameter inputs
/// locked while a droplet is held.
class LaboratoryWindows : public QObject {
    Q_OBJECT

public:
    LaboratoryWindows(MainWindow& window, Simulation& simulation, const Services& services, const QLocale& locale,
                      QObject* parent = nullptr);

    /// Asks for a seed (none: cancelled; an empty text: no fixed seed); a text box by default.
    std::function<std::optional<QString>()> askSeed;
    /// Who measured: asks for the student's name and group (none: cancelled),
    /// given those the journal has; a dialog (StudentDialog) by default.
    std::function<std::optional<std::pair<QString, QString>>(const QString& student, const QString& group)> askStudent;

    /// A teacher's assignment: asks for the roster and the folder (none: cancelled); file dialogs by default.
    std::function<std::optional<std::pair<QString, QString>>()> askRosterAndFolder;
    /// A student's task file to open (empty: cancelled); a file dialog by default.
    std::function<QString()> askTaskFileName;

    /// Switches the laboratory mode on or off, as its menu command does.
    void setActive(bool active);
    bool isActive() const;

    const StopwatchWindow::Commands& stopwatchCommands() const { return m_commands; }
    /// The stopwatch's window, once the laboratory mode has been on.
    StopwatchWindow* stopwatchWindow() const { return m_stopwatch; }
    /// The microscope's window, once something was sprayed.
    MicroscopeWindow* microscopeWindow() const;
    QAction* sprayAction() const { return m_sprayAction; }
    /// «Уровень реализма» and its levels: Ideal, Standard, Full.
    QMenu* levelMenu() const { return m_levelMenu; }
    QAction* levelAction(RealismLevel level) const { return m_levelActions[static_cast<std::size_t>(level)]; }
    /// The milliseconds between two moves of the spray.
    static constexpr int MicroscopeTickMs = 50;
    /// The journal's window (made on first use) and its store.
    JournalWindow* journalWindow();
    JournalStore& store() { return *m_store; }
    /// The coach, and its panel in the stopwatch's window (once that is made).
    Coach& coach() { return m_coach; }
    CoachPanel* coachPanel() const;
    /// «Подсказки» (shown or hidden) and «Подсказки называют кратность и e».
    QAction* coachAction() const { return m_coachAction; }
    QAction* multiplesAction() const { return m_multiplesAction; }
    /// «Выдать задания…» and «Открыть задание…».
    QAction* assignAction() const { return m_assignAction; }
    QAction* openTaskAction() const { return m_openTaskAction; }

    /// Writes a teacher's assignment for a roster into a folder and says how it went.
    void assignTasks();
    /// Opens a student's task: the laboratory mode with the task's settings
    /// and seed, the student and the task in the journal; a journal of other
    /// drops is kept as a copy when the student agrees to a new one. False
    /// when refused (said in a box naming the file) or declined.
    bool openTask(const QString& path);

    /// Shows the journal's window.
    void showJournal();
    /// Turns the voltage to `volts` (the input and the panel follow); false
    /// when the model cannot take it.
    bool setVoltage(double volts);

protected:
    /// The main window blocked by a modal dialog, or minimised: the held drop
    /// stands still with its clock and the stopwatch, and goes on after.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommands();
    /// The coach's menu commands, after the seed's; their choices are remembered.
    void buildCoachCommands();
    /// The assignment's and the task's commands, after the coach's.
    void buildTaskCommands();
    void buildApparatusCommands();
    /// «Распылить» (F2): a new spray, seen through the microscope, moved on
    /// at the runs' pace every MicroscopeTickMs.
    void buildSprayCommand();
    void spray();
    /// «Уровень реализма»: its three levels, and the teacher's file read at
    /// the start (RealismFile), which may lock it.
    void buildLevelCommands();
    void setLevel(RealismLevel level);
    void updateCommands();
    /// The inputs take no edits while a droplet is held (the voltage is
    /// turned in the panel then), nor the diameter of an unknown drop.
    void updateInputs();
    /// Multiplies the voltage by `factor`, to whole volts.
    void turnVoltage(double factor);
    /// Puts a new window of the laboratory beside the main one, inside the
    /// screen's available area.
    void placeBeside(QWidget* window);
    /// Puts a window with its top left corner at `at`, or as near as keeps
    /// it inside the screen's available area and clear of the drop view
    /// (WindowPlacement), shrunk to the room where it is larger.
    void placeInside(QWidget* window, QPoint at);
    void updateReticle();
    /// Hides or shows the diameter of an unknown drop.
    void updateConcealment();
    /// The experiment's drag with the slip correction at the laboratory's
    /// air, or without; the viscosity of air at its temperature with it; the
    /// window computed anew when that changed and no droplet is running.
    void updateAir();
    void askForSeed();
    /// Asks who measured, once a session, when something is recorded into a
    /// journal that does not say.
    void askForStudentOnce();
    void askForStudent();
    void extendPlotMenu(QMenu* menu, int surface, QPoint at);

    MainWindow& m_window;
    Simulation& m_simulation;
    Services m_services;
    QLocale m_locale;
    JournalStore* m_store;
    StopwatchWindow::Commands m_commands{};
    QPointer<StopwatchWindow> m_stopwatch;
    QPointer<JournalWindow> m_journal;
    Coach m_coach;
    QPointer<CoachPanel> m_coachPanel;
    QAction* m_coachAction = nullptr;
    QAction* m_multiplesAction = nullptr;
    QAction* m_assignAction = nullptr;
    QAction* m_openTaskAction = nullptr;
    QAction* m_sprayAction = nullptr;
    QMenu* m_levelMenu = nullptr;
    std::array<QAction*, 3> m_levelActions{}; ///< Ideal, Standard, Full
    bool m_levelLocked = false;
    QPointer<MicroscopeWindow> m_microscope;
    QTimer* m_microscopeTicks = nullptr;
    QLabel* m_reticle;
    AirInputs* m_air = nullptr;
    bool m_concealed = false;
    bool m_studentAsked = false;
    bool m_blocked = false; ///< a modal dialog blocks the main window
    QString m_diameterText; ///< the diameter's input while hidden
};
