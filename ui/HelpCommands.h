#pragma once

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
/// is started from. Unlike a silent shell call, a document found nowhere, or
/// one the desktop cannot open, is reported in a box titled "Ошибка".
class HelpCommands {
public:
    /// Finds a program on the search path; empty when there is none.
    using ExecutableFinder = std::function<QString(const QString&)>;

    static const QString ErrorTitle;
    static const QString AboutTitle;
    /// The About text: 15 lines joined by CR LF.
    static QString aboutText();
    /// Graphical plain-text editors tried in turn for the instruction.
    static const QStringList TextEditors;

    HelpCommands(DesktopShell& shell, MessageBox& messageBox, QStringList dataFolders,
                 ExecutableFinder findExecutable = {});

    void openPhysicsReference() { openDocument(QStringLiteral("spravka.pdf")); }
    void openWorkedExample() { openDocument(QStringLiteral("spravka2.pdf")); }
    void openHistory() { openDocument(QStringLiteral("history.pdf")); }
    void openControlsHelp() { openDocument(QStringLiteral("uprav.pdf")); }
    /// Opens "instruction.txt" in a text editor, without waiting for it.
    void openInstruction();
    void showAbout();

    /// Where `fileName` is: in the working directory, else in the first data
    /// folder that holds it; empty when nowhere.
    QString locate(const QString& fileName) const;

private:
    void openDocument(const QString& fileName);
    void reportMissing(const QString& fileName);

    DesktopShell& m_shell;
    MessageBox& m_messageBox;
    QStringList m_dataFolders;
    ExecutableFinder m_findExecutable;
};
