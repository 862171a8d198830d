// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Language.h"
#include "MainWindow.h"
#include "Translations.h"

#ifdef Q_OS_WASM
#include "WebShell.h"
#else
#include "QtDesktopShell.h"
#endif
#include "QtLifetime.h"
#include "QtMessageBox.h"
#include "QtPauseTimer.h"
#include "QtSaveFileDialog.h"
#include "QtToneGenerator.h"
#include "SplitMixRandom.h"
#include "SystemSteadyClock.h"
#include "SystemTimeOfDay.h"

#include <QApplication>

#include <memory>

/// The whole program: the application, the real platform services and the
/// main window, created in the order the program starts them.
class Program {
public:
    /// The program in `language`: its texts, the toolkit's and the numbers.
    Program(int& argc, char** argv, Language language = Language::Russian);
    ~Program();

    /// Names and version of the program, for the application and the command line.
    static void describe();
    /// Where the program's modules (sound, charts) are: beside it, and in its library folder.
    static QStringList moduleFolders();

    MainWindow& window() { return *m_window; }
    /// Shows the main window and runs until the program ends; the exit status.
    int exec();

private:
    QApplication m_app;
    Translations m_texts;
    QtMessageBox m_messageBox;
    std::unique_ptr<QtToneGenerator> m_tones;
    QtPauseTimer m_timer;
    SplitMixRandom m_random;
    SystemTimeOfDay m_clock;
#ifdef Q_OS_WASM
    WebShell m_shell;
#else
    QtDesktopShell m_shell;
#endif
    QtLifetime m_lifetime;
    QtSaveFileDialog m_saveDialog;
    SystemSteadyClock m_steadyClock;
    std::unique_ptr<MainWindow> m_window;
};
