// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssignmentFolder.h"
#include "ClassReport.h"
#include "GradeReport.h"
#include "JournalCheck.h"
#include "LaboratoryWindows.h"
#include "Program.h"
#include "ProgramOptions.h"
#include "ReportWriter.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Program::describe();
    const ProgramOptions options = ProgramOptions::parse(arguments);
    const Language language = options.language().value_or(Languages::choose(QLocale::system().uiLanguages()));
    using Action = ProgramOptions::Action;
    if (options.action() == Action::Report || options.action() == Action::ClassReport
        || options.action() == Action::Grade) {
        // Without a window, nor a display: the plots are drawn off screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error is the program's own answer, one line per file
        // refused: the toolkit's remarks about the session (no runtime
        // folder, no fonts configured) would read as refusals.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        // Text laid out and plots painted onto PDF pages: no widget is made.
        QGuiApplication app(argc, argv);
        Program::describe();
        const Translations texts(language);
        QLocale::setDefault(Languages::numbersLocale(language, QLocale::system()));
        const QStringList& files = options.files();
        if (options.action() == Action::Report)
            return ReportWriter::run(files[0], files[1]);
        if (options.action() == Action::Grade)
            return GradeReport::run(files[0], files[1], files.mid(2));
        return ClassReport::run(files[0], files.mid(1));
    }
    if (options.action() == Action::Check) {
        QCoreApplication core(argc, argv);
        Program::describe();
        const Translations texts(language);
        QLocale::setDefault(Languages::numbersLocale(language, QLocale::system()));
        return JournalCheck::run(options.files().constFirst());
    }
    if (options.action() == Action::Assign) {
        QCoreApplication core(argc, argv);
        Program::describe();
        const Translations texts(language);
        const AssignmentFolder::Result result = AssignmentFolder::create(options.files()[0], options.files()[1]);
        if (result.done) {
            std::fprintf(stdout, "%s\n", result.message.toLocal8Bit().constData());
            return 0;
        }
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     result.message.toLocal8Bit().constData());
        return 1;
    }
    if (options.action() != Action::Run && options.action() != Action::OpenTask) {
        // Answered without a window (nor a display): only the texts are needed.
        QCoreApplication core(argc, argv);
        const Translations texts(language);
        const QByteArray message = options.message().toLocal8Bit();
        std::fputs(message.constData(), options.exitStatus() == 0 ? stdout : stderr);
        return options.exitStatus();
    }
    Program program(argc, argv, language);
    if (options.action() == Action::OpenTask) {
        // Once the window is shown: a refusal or a question comes over it.
        const QString task = options.files().constFirst();
        QTimer::singleShot(0, &program.window(), [&program, task] { program.window().laboratory().openTask(task); });
    }
    return program.exec();
}
