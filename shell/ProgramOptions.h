// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Language.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

/// The program's command line: `--lang ru|en` chooses the language of the
/// interface and help over the system's; `-h`/`--help` and `-v`/`--version`
/// answer and end; `--report JOURNAL REPORT.pdf` writes a journal's lab report
/// and `--class REPORT.pdf|REPORT.csv JOURNAL...` a group's, without a window;
/// `--check JOURNAL` prints the journal's mistakes; `--assign ROSTER.csv FOLDER`
/// writes a teacher's assignment and its tasks, without a window; `--task FILE`
/// opens the program with a student's task; `--grade ASSIGNMENT OUT.csv JOURNAL...`
/// grades the journals of an assignment, without a window. The toolkit's own options (-platform,
/// -style, ...) pass through to it; other words are ignored. An unknown option or language is refused.
class ProgramOptions {
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, Report, ClassReport, Check, Assign, OpenTask, Grade };

    /// Reads the arguments, the program's name first.
    static ProgramOptions parse(const QStringList& arguments);

    Action action() const { return m_action; }
    /// The language asked for with --lang.
    std::optional<Language> language() const { return m_language; }
    /// The files of --report (the journal, the report), of --class (the report, the journals), of --check (the
    /// journal), of --assign (the roster, the folder), of --task (the task), of --grade (the assignment, the
    /// grades, the journals).
    const QStringList& files() const { return m_files; }

    /// What to print for help, version or a refusal, in the language of the
    /// installed translations: the help, the version, or the one-line refusal.
    QString message() const;
    /// The exit status of help, version or a refusal: 0 for help and version,
    /// 2 for a refusal.
    int exitStatus() const { return m_action == Action::Refuse ? 2 : 0; }

private:
    Action m_action = Action::Run;
    std::optional<Language> m_language;
    QStringList m_arguments;
    QString m_unknownLanguage; ///< when refused for a language
    QString m_misuse;          ///< when refused for the files of --report or --class
    QStringList m_files;
};
