// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpCommands.h"

#include "DesktopShell.h"
#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString HelpCommands::errorTitle()
{
    return tr("Ошибка");
}

QString HelpCommands::aboutTitle()
{
    return tr("О ПРОГРАММЕ");
}

const QStringList HelpCommands::TextEditors = {
    QStringLiteral("gnome-text-editor"),
    QStringLiteral("gedit"),
    QStringLiteral("kwrite"),
    QStringLiteral("kate"),
    QStringLiteral("mousepad"),
    QStringLiteral("pluma"),
    QStringLiteral("xed"),
    QStringLiteral("featherpad"),
    QStringLiteral("leafpad"),
    QStringLiteral("geany"),
};

QString HelpCommands::aboutText()
{
    const QStringList lines = {
        tr("Программа моделирует опыт Вельтрана по определению элементарного заряда"),
        tr("методом движения капель в электрическом поле."),
        QStringLiteral(" "), // a single blank, as a line of its own
        tr("История версий:"),
        tr("1.0.0 - первая версия: модель капли, анимация, графики координаты"),
        tr("и скорости, оценка опыта, звуковые сигналы, проверка ввода."),
        tr("Справочные документы собираются вместе с программой из её исходных текстов."),
        tr("Более ранних версий у этой программы нет. "),
        tr("Изменения следующих версий будут перечислены здесь. "),
        QStringLiteral(" "), // a single blank, as a line of its own
        tr("Свободная программа на C++ и Qt 6; лицензия GNU GPL версии 3 или более поздней."),
        tr("Справка: меню «Файл», пункты «Справка1», «Справка2», «История». "),
        tr("Управление: меню «Помощь», пункты «Управление» и «Инструкция»."),
        tr("Документы лежат рядом с программой или в её папке данных.    "),
        tr("Версия 1.0.0 "),
    };
    return lines.join(QStringLiteral("\r\n"));
}

HelpCommands::HelpCommands(DesktopShell& shell, MessageBox& messageBox, QStringList dataFolders, Language language,
                           ExecutableFinder findExecutable)
    : m_shell(shell), m_messageBox(messageBox), m_dataFolders(std::move(dataFolders)), m_language(language),
      m_findExecutable(std::move(findExecutable))
{
    if (!m_findExecutable)
        m_findExecutable = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    m_shell.openFailed = [this](const QString& path) { reportUnopened(path); };
}

HelpCommands::~HelpCommands()
{
    m_shell.openFailed = nullptr;
}

QString HelpCommands::documentName(const QString& russianName) const
{
    if (m_language == Language::Russian)
        return russianName;
    const qsizetype dot = russianName.lastIndexOf(u'.');
    return russianName.left(dot) + QStringLiteral("_") + Languages::code(m_language) + russianName.mid(dot);
}

QString HelpCommands::locate(const QString& fileName) const
{
    if (m_shell.fileExists(fileName))
        return fileName;
    for (const QString& folder : m_dataFolders) {
        const QString path = QDir(folder).filePath(fileName);
        if (m_shell.fileExists(path))
            return path;
    }
    return {};
}

void HelpCommands::reportMissing(const QString& fileName)
{
    m_messageBox.showMessage(errorTitle(),
                             tr("Файл «%1» не найден ни в рабочей папке, ни в папке программы.").arg(fileName));
}

void HelpCommands::openDocument(const QString& fileName)
{
    const QString path = locate(fileName);
    if (path.isEmpty()) {
        reportMissing(fileName);
        return;
    }
    if (!m_shell.openDocument(path))
        reportUnopened(path);
}

void HelpCommands::reportUnopened(const QString& path)
{
    // A folder that would not open either: its path is all there is to give.
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!m_shell.fileExists(path)) {
        m_messageBox.showMessage(errorTitle(), tr("Не удалось открыть папку:\n%1").arg(shown));
        return;
    }
    const QString folder = file.absolutePath();
    if (m_messageBox.askYesNo(errorTitle(),
                              tr("Не удалось открыть файл:\n%1\n\nНа компьютере не найдена программа для его "
                                 "просмотра. Файл можно открыть любой программой, которая его читает.\n\n"
                                 "Открыть папку, в которой он лежит?")
                                  .arg(shown))
        && !m_shell.openDocument(folder))
        m_messageBox.showMessage(errorTitle(),
                                 tr("Не удалось открыть папку:\n%1").arg(QDir::toNativeSeparators(folder)));
}

void HelpCommands::openInstruction()
{
    const QString fileName = documentName(QStringLiteral("instruction.txt"));
    const QString path = locate(fileName);
    if (path.isEmpty()) {
        reportMissing(fileName);
        return;
    }
#ifdef Q_OS_WIN
    if (m_shell.startDetached(QStringLiteral("notepad.exe"), {path}))
        return;
#else
    for (const QString& editor : TextEditors) {
        const QString program = m_findExecutable(editor);
        if (!program.isEmpty() && m_shell.startDetached(program, {path}))
            return;
    }
    // No known editor: the desktop's default application for plain text.
    if (m_shell.openDocument(path))
        return;
#endif
    reportUnopened(path);
}

void HelpCommands::showAbout()
{
    m_messageBox.showMessage(aboutTitle(), aboutText());
}
