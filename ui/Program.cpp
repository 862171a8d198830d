// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"

#include "ApplicationSetup.h"

#include <QDir>

void Program::describe()
{
    QCoreApplication::setApplicationName(QStringLiteral("oildrop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OILDROP_VERSION));
}

Program::Program(int& argc, char** argv, Language language) : m_app(argc, argv), m_texts(language)
{
    describe();
    ApplicationSetup::apply();
    // Numbers in the language's form: a decimal point in English, a comma in Russian.
    QLocale::setDefault(Languages::numbersLocale(language, QLocale::system()));
    // The sound module lies beside the program in the build tree and in the
    // program's library folder of an installation.
    const QDir programDir(QCoreApplication::applicationDirPath());
    m_tones = std::make_unique<QtToneGenerator>(
        QStringList{programDir.absolutePath(),
                    QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral(OILDROP_RELATIVE_LIBDIR)))});

    Services services;
    services.messageBox = &m_messageBox;
    services.tones = m_tones.get();
    services.timer = &m_timer;
    services.random = &m_random;
    services.clock = &m_clock;
    services.shell = &m_shell;
    services.lifetime = &m_lifetime;
    services.saveDialog = &m_saveDialog;

    // The help documents lie beside the program in the build tree and in the
    // data folder of an installation.
    const QStringList dataFolders = {programDir.absolutePath(), QDir::cleanPath(programDir.absoluteFilePath(
                                                                    QStringLiteral(OILDROP_RELATIVE_DATADIR)))};

    m_window = std::make_unique<MainWindow>(services, dataFolders, QLocale(), language);
    m_messageBox.setParent(m_window.get());
    m_saveDialog.setParent(m_window.get());
}

Program::~Program() = default;

int Program::exec()
{
    m_window->show();
    return QApplication::exec();
}
