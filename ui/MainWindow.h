#pragma once

#include "Simulation.h"
#include "AuthorsWindow.h"
#include "HelpCommands.h"

#include "MainWindowControls.h"
#include "QtCanvas.h"
#include "QtControl.h"
#include "QtClientArea.h"
#include "QtSprite.h"
#include "Services.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class CanvasWidget;

class QAction;
class QLabel;

/// The main window: parameter inputs, derived quantities, the three drawing
/// surfaces, the experiment's buttons and the menus. Its controls carry the
/// names by which the procedures know them (also as object names); their
/// events run the handlers of Simulation, the menu commands run here.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Client area of a new window, pixels.
    static constexpr int InitialClientWidth = 480;
    static constexpr int InitialClientHeight = 512;

    /// Creating the window runs startUp. `dataFolders` are searched for the
    /// help documents when they are not in the working directory.
    explicit MainWindow(const Services& services, const QStringList& dataFolders, const QLocale& locale = QLocale());
    ~MainWindow() override;

    Simulation& procedures() { return *m_procedures; }
    const MainWindowControls& controls() const { return m_controls; }
    /// The client area below the menu bar, where every control lives.
    QWidget* clientArea() const { return m_client; }
    /// The Authors window, while it exists.
    AuthorsWindow* authorsWindow() const { return m_form2; }
    QAction* menuAction(const QString& name) const;

    // Menu commands.
    void openPhysicsReference() { m_help.openPhysicsReference(); }
    void openWorkedExample() { m_help.openWorkedExample(); }
    void openHistory() { m_help.openHistory(); }
    void exitFromMenu();
    void openInstruction() { m_help.openInstruction(); }
    void openControlsHelp() { m_help.openControlsHelp(); }
    void showAuthors();
    void showAbout() { m_help.showAbout(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectEvents();
    void startUp();

    QLabel* addLabel(const char* name, const QString& caption, const QFont& font, Rgb background, Rgb textColor,
                     Qt::Alignment alignment, const QString& toolTip, bool clickable = false);
    Control* adapt(QWidget* widget);

    Services m_services;
    QWidget* m_client = nullptr;
    std::vector<std::unique_ptr<QtControl>> m_adapters;
    std::unique_ptr<QtCanvas> m_canvases[3];
    MainWindowControls m_controls;
    std::unique_ptr<QtClientArea> m_formWindow;
    std::unique_ptr<Simulation> m_procedures;
    HelpCommands m_help;
    std::vector<QWidget*> m_bitmapHolders; ///< Picture4 .. Picture11
    QPointer<AuthorsWindow> m_form2;
};
