#pragma once

#include "Form1Procedures.h"
#include "Form2.h"
#include "HelpCommands.h"

#include "Form1Controls.h"
#include "QtCanvas.h"
#include "QtControl.h"
#include "QtFormWindow.h"
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
/// events run the handlers of Form1Procedures, the menu commands run here.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    /// Client area of a new window, pixels.
    static constexpr int InitialClientWidth = 480;
    static constexpr int InitialClientHeight = 512;

    /// Creating the window runs Form_Load. `dataFolders` are searched for the
    /// help documents when they are not in the working directory.
    explicit Form1(const Services& services, const QStringList& dataFolders, const QLocale& locale = QLocale());
    ~Form1() override;

    Form1Procedures& procedures() { return *m_procedures; }
    const Form1Controls& controls() const { return m_controls; }
    /// The client area below the menu bar, where every control lives.
    QWidget* clientArea() const { return m_client; }
    /// The Authors window, while it exists.
    Form2* authorsWindow() const { return m_form2; }
    QAction* menuAction(const QString& name) const;

    // Menu commands.
    void mnuFilespravka_Click() { m_help.mnuFilespravka_Click(); }
    void mnuFilespravka2_Click() { m_help.mnuFilespravka2_Click(); }
    void mnuFilesHistory_Click() { m_help.mnuFilesHistory_Click(); }
    void mnuFileExit_Click();
    void mnuHelpInstruction_Click() { m_help.mnuHelpInstruction_Click(); }
    void mnuHelpUprav_Click() { m_help.mnuHelpUprav_Click(); }
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click() { m_help.mnuHelpAbout_Click(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectEvents();
    void Form_Load();

    QLabel* addLabel(const char* name, const QString& caption, const QFont& font, Rgb background, Rgb textColor,
                     Qt::Alignment alignment, const QString& toolTip, bool clickable = false);
    Control* adapt(QWidget* widget);

    Services m_services;
    QWidget* m_client = nullptr;
    std::vector<std::unique_ptr<QtControl>> m_adapters;
    std::unique_ptr<QtCanvas> m_canvases[3];
    Form1Controls m_controls;
    std::unique_ptr<QtFormWindow> m_formWindow;
    std::unique_ptr<Form1Procedures> m_procedures;
    HelpCommands m_help;
    std::vector<QWidget*> m_bitmapHolders; ///< Picture4 .. Picture11
    QPointer<Form2> m_form2;
};
