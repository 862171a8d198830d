// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AuthorsWindow.h"
#include "HelpCommands.h"
#include "MainWindowWidgets.h"
#include "PlotCursor.h"
#include "Simulation.h"
#include "SurfaceExport.h"

#include "MainWindowControls.h"
#include "QtCanvas.h"
#include "QtClientArea.h"
#include "QtControl.h"
#include "Services.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class LaboratoryWindows;
class LiveRegion;
class MenuPictureHolder;

/// The main window: parameter inputs, derived quantities, the three drawing
/// surfaces, the experiment's buttons and the menus. It builds a widget for
/// every control of the control list, hands them to the simulation and routes
/// their events to its procedures; the menu commands go to the help commands.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Client area of a new window, pixels.
    static constexpr int InitialClientWidth = 480;
    static constexpr int InitialClientHeight = 512;

    /// The two menus and their commands.
    struct Menus {
        QMenu* file = nullptr;
        QAction* physicsReference = nullptr; ///< "Справка1": the physics of the method
        QAction* workedExample = nullptr;    ///< "Справка2": a worked example
        QAction* history = nullptr;          ///< "История"
        QAction* laboratoryMode = nullptr;   ///< "Лабораторный режим" (checked while on)
        QAction* journal = nullptr;          ///< "Лабораторный журнал"
        QAction* unknownDrop = nullptr;      ///< "Неизвестная капля" (checked while on)
        QAction* brownian = nullptr;         ///< "Броуновское движение" (checked while on)
        QAction* slipCorrection = nullptr;   ///< "Поправка на скольжение" (checked while on)
        QAction* seed = nullptr;             ///< "Зерно случайных чисел…"
        QAction* copyImage = nullptr;        ///< "Копировать изображение": the surface shown
        QAction* saveImage = nullptr;        ///< "Сохранить изображение…": the surface shown
        QAction* saveData = nullptr;         ///< "Сохранить данные…": the last run
        QAction* exit = nullptr;             ///< "Выход"
        QMenu* help = nullptr;
        QAction* instruction = nullptr;  ///< "Инструкция": the laboratory instruction
        QAction* controlsHelp = nullptr; ///< "Управление": the controls of the program
        QAction* keys = nullptr;         ///< "Клавиши": the keys of the program
        QAction* authors = nullptr;      ///< "Авторы"
        QAction* about = nullptr;        ///< "О программе"
    };

    /// Commands that work from the keyboard wherever the focus is.
    struct Keys {
        QAction* start = nullptr;
        QAction* voltage = nullptr;
        QAction* light = nullptr;
        QAction* characteristics = nullptr;
        QAction* velocities = nullptr;
    };

    /// Creating the window starts the experiment up. `dataFolders` are
    /// searched for the help documents when they are not in the working directory.
    /// The help documents open in `language`; numbers follow `locale`.
    MainWindow(const Services& services, const QStringList& dataFolders, const QLocale& locale = QLocale(),
               Language language = Language::Russian);
    ~MainWindow() override;

    Simulation& simulation() { return *m_simulation; }
    const MainWindowControls& controls() const { return m_controls; }
    const MainWindowWidgets& widgets() const { return m_widgets; }
    const Menus& menus() const { return m_menus; }
    const Keys& keys() const { return m_keys; }
    /// The laboratory's windows and commands.
    LaboratoryWindows& laboratory() { return *m_laboratory; }
    /// The client area below the menu bar, where every control lives.
    QWidget* clientArea() const { return m_client; }
    /// The Authors window, while it exists.
    AuthorsWindow* authorsWindow() const { return m_authors; }
    /// The crosshairs of the coordinate and the velocity plot.
    PlotCursor* coordinateCursor() const { return m_coordinateCursor; }
    PlotCursor* velocityCursor() const { return m_velocityCursor; }
    /// The surfaces' context menus and what they do.
    SurfaceExport& surfaceExport() { return *m_export; }
    /// The holders of the menu pictures, in the order of Artwork::MenuPicture.
    const std::vector<MenuPictureHolder*>& menuPictureHolders() const { return m_pictureHolders; }

    /// "Авторы": the Authors window, centred on this one.
    void showAuthors();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParameterInputs();
    void buildReadouts();
    void buildCommands();
    void buildViewSelector();
    void buildDrawingSurfaces();
    void buildMenuPictureHolders();
    void describeForScreenReaders();
    void setFocusOrder();
    void buildMenus();
    void buildKeys();
    void adaptControls();
    /// The surface shown now, for the menu's picture and data commands.
    SurfaceExport::Surface shownSurface() const;
    void connectEvents();
    void addMeasuring(const QLocale& locale);
    void startUp();

    Services m_services;
    QWidget* m_client = nullptr;
    MainWindowWidgets m_widgets;
    std::vector<std::unique_ptr<QtControl>> m_adapters;
    std::array<std::unique_ptr<QtCanvas>, 3> m_canvases;
    MainWindowControls m_controls;
    std::unique_ptr<QtClientArea> m_clientArea;
    std::unique_ptr<Simulation> m_simulation;
    HelpCommands m_help;
    Menus m_menus;
    Keys m_keys;
    LiveRegion* m_liveRegion = nullptr;
    LaboratoryWindows* m_laboratory = nullptr;
    std::vector<MenuPictureHolder*> m_pictureHolders;
    QPointer<AuthorsWindow> m_authors;
    PlotCursor* m_coordinateCursor = nullptr;
    PlotCursor* m_velocityCursor = nullptr;
    SurfaceExport* m_export = nullptr;
};
