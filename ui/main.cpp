// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"
#include "ProgramOptions.h"
#include "Translations.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Program::describe();
    const ProgramOptions options = ProgramOptions::parse(arguments);
    const Language language = options.language().value_or(Languages::choose(QLocale::system().uiLanguages()));
    if (options.action() != ProgramOptions::Action::Run) {
        // Answered without a window (nor a display): only the texts are needed.
        QCoreApplication core(argc, argv);
        const Translations texts(language);
        const QByteArray message = options.message().toLocal8Bit();
        std::fputs(message.constData(), options.exitStatus() == 0 ? stdout : stderr);
        return options.exitStatus();
    }
    Program program(argc, argv, language);
    return program.exec();
}
