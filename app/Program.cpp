// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"

#include "ApplicationSetup.h"
#include "LaboratoryWindows.h"

#include <QDir>

#ifdef Q_OS_WASM
#include "WebProbe.h"
#include "WebToneOutput.h"

#include <QFontDatabase>
#endif

namespace {

/// The program's own folder (the build tree) and the folder `relative` to it
/// (an installation's).
QStringList besideAndUnder(const QString& relative)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.absolutePath(), QDir::cleanPath(programDir.absoluteFilePath(relative))};
}

} // namespace

QStringList Program::moduleFolders()
{
    return besideAndUnder(QStringLiteral(OILDROP_RELATIVE_LIBDIR));
}

void Program::describe()
{
    QCoreApplication::setApplicationName(QStringLiteral("oildrop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OILDROP_VERSION));
}

Program::Program(int& argc, char** argv, Language language) : m_app(argc, argv), m_texts(language)
{
    describe();
#ifdef Q_OS_WASM
    // The fonts the window is laid out for, which a browser's page lacks.
    for (const char* font :
         {"LiberationSerif-Regular", "LiberationSerif-Bold", "LiberationSans-Regular", "LiberationSans-Bold"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(font)));
#endif
    ApplicationSetup::apply();
    // Numbers in the language's form: a decimal point in English, a comma in Russian.
    QLocale::setDefault(Languages::numbersLocale(language, QLocale::system()));
    // The sound module lies beside the program in the build tree and in the
    // program's library folder of an installation.
#ifdef Q_OS_WASM
    // A browser's page has no modules to load: its tones go to the Web Audio API.
    m_tones = std::make_unique<QtToneGenerator>([] { return std::make_unique<WebToneOutput>(); });
    // The help documents are the site's.
    const QStringList documentFolders{WebShell::documentFolder()};
#else
    m_tones = std::make_unique<QtToneGenerator>(moduleFolders());
    // The help documents lie beside the program in the build tree and in the
    // data folder of an installation.
    const QStringList documentFolders = besideAndUnder(QStringLiteral(OILDROP_RELATIVE_DATADIR));
#endif

    Services services;
    services.messageBox = &m_messageBox;
    services.tones = m_tones.get();
    services.timer = &m_timer;
    services.random = &m_random;
    services.clock = &m_clock;
    services.shell = &m_shell;
    services.lifetime = &m_lifetime;
    services.saveDialog = &m_saveDialog;
    services.steadyClock = &m_steadyClock;

    m_window = std::make_unique<MainWindow>(services, documentFolders, QLocale(), language);
    m_messageBox.setParent(m_window.get());
#ifdef Q_OS_WASM
    // What the page's tests read: the first frame, the drop's steps.
    m_window->simulation().experiment().addListener(new WebProbe(m_window.get()));
#endif
    m_saveDialog.setParent(m_window.get());
}

Program::~Program() = default;

int Program::exec()
{
    m_window->show();
    return QApplication::exec();
}
