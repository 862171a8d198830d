// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Language.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class DesktopShell;
class MessageBox;

/// The help and information commands of the menus: the four documents, the
/// instruction, and the About box. They touch no experiment state.
///
/// A document is looked up in the working directory first, then in the
/// program's data folders, so the shipped documents open wherever the program
/// is started from. Each document exists in Russian (spravka.pdf, ...) and in
/// English (spravka_en.pdf, ...); the commands open the one in the language of
/// the interface. Unlike a silent shell call, a document found nowhere, or one
/// the desktop cannot open (at once or afterwards), is reported in a box
/// titled "Ошибка", with its path and the offer to open its folder.
class HelpCommands {
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)

public:
    /// Finds a program on the search path; empty when there is none.
    using ExecutableFinder = std::function<QString(const QString&)>;

    static QString errorTitle();
    static QString aboutTitle();
    /// The About text: 15 lines joined by CR LF.
    static QString aboutText();
    /// Graphical plain-text editors tried in turn for the instruction.
    static const QStringList TextEditors;

    HelpCommands(DesktopShell& shell, MessageBox& messageBox, QStringList dataFolders,
                 Language language = Language::Russian, ExecutableFinder findExecutable = {});
    ~HelpCommands();
    HelpCommands(const HelpCommands&) = delete;
    HelpCommands& operator=(const HelpCommands&) = delete;

    /// The file name of a document ("spravka.pdf") in the interface's language
    /// ("spravka_en.pdf" in English).
    QString documentName(const QString& russianName) const;

    void openPhysicsReference() { openDocument(documentName(QStringLiteral("spravka.pdf"))); }
    void openWorkedExample() { openDocument(documentName(QStringLiteral("spravka2.pdf"))); }
    void openHistory() { openDocument(documentName(QStringLiteral("history.pdf"))); }
    void openControlsHelp() { openDocument(documentName(QStringLiteral("uprav.pdf"))); }
    /// Opens the instruction ("instruction.txt") in a text editor, without waiting for it.
    void openInstruction();
    void showAbout();

    /// Where `fileName` is: in the working directory, else in the first data
    /// folder that holds it; empty when nowhere.
    QString locate(const QString& fileName) const;

private:
    void openDocument(const QString& fileName);
    void reportMissing(const QString& fileName);
    /// A document found but not opened: its path, and the offer to open its
    /// folder (Yes); a folder not opened: its path.
    void reportUnopened(const QString& path);

    DesktopShell& m_shell;
    MessageBox& m_messageBox;
    QStringList m_dataFolders;
    Language m_language;
    ExecutableFinder m_findExecutable;
};
