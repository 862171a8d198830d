// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDesktopShell.h"
#include "FakeMessageBox.h"

#include "HelpCommands.h"
#include "QtDesktopShell.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Language)

/// The help commands: where documents are looked up, what is opened or
/// started, and what the student is told when that fails.
class tst_help : public QObject {
    Q_OBJECT

private slots:
    void documents_data();
    void documents();
    void workingDirectoryFirst();
    void missingDocumentReported();
    void viewerFailureReported_data();
    void viewerFailureReported();
    void desktopReportsNoViewer_data();
    void desktopReportsNoViewer();
    void instructionInEditor();
    void instructionWithoutEditor();
    void builtDocumentsFoundFromElsewhere();
};

namespace {

const QString DataFolder = QStringLiteral("/opt/oildrop/share");

struct Rig {
    FakeDesktopShell shell;
    FakeMessageBox messageBox;
    QStringList editors; ///< programs "on the path"
    Language language = Language::Russian;
    HelpCommands help{
        shell, messageBox, {QStringLiteral("/nowhere"), DataFolder}, language, [this](const QString& name) {
            return editors.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        }};
    explicit Rig(Language l = Language::Russian) : language(l) {}
};

} // namespace

void tst_help::documents_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<Language>("language");
    QTest::newRow("Справка1") << "spravka"
                              << "spravka.pdf" << Language::Russian;
    QTest::newRow("Справка2") << "spravka2"
                              << "spravka2.pdf" << Language::Russian;
    QTest::newRow("История") << "history"
                             << "history.pdf" << Language::Russian;
    QTest::newRow("Управление") << "uprav"
                                << "uprav.pdf" << Language::Russian;
    // In English, the English documents.
    QTest::newRow("Reference 1") << "spravka"
                                 << "spravka_en.pdf" << Language::English;
    QTest::newRow("Controls") << "uprav"
                              << "uprav_en.pdf" << Language::English;
}

void tst_help::documents()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(Language, language);
    Rig rig(language);
    // Both languages' documents are there; the one of the interface opens.
    rig.shell.existing << DataFolder + u'/' + file << DataFolder + QStringLiteral("/spravka.pdf");
    if (command == QLatin1String("spravka"))
        rig.help.openPhysicsReference();
    else if (command == QLatin1String("spravka2"))
        rig.help.openWorkedExample();
    else if (command == QLatin1String("history"))
        rig.help.openHistory();
    else
        rig.help.openControlsHelp();
    QCOMPARE(rig.shell.opened, QStringList{DataFolder + u'/' + file});
    QVERIFY(rig.messageBox.shown.empty());
    // Twice: asked again, opened again.
    if (command == QLatin1String("spravka")) {
        rig.help.openPhysicsReference();
        QCOMPARE(rig.shell.opened.size(), 2);
    }
}

void tst_help::workingDirectoryFirst()
{
    Rig rig;
    rig.shell.existing << QStringLiteral("history.pdf") << DataFolder + QStringLiteral("/history.pdf");
    rig.help.openHistory();
    QCOMPARE(rig.shell.opened, QStringList{QStringLiteral("history.pdf")});
}

void tst_help::missingDocumentReported()
{
    Rig rig;
    rig.help.openControlsHelp();
    QVERIFY(rig.shell.opened.isEmpty());
    QCOMPARE(rig.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(rig.messageBox.shown[0].title, QStringLiteral("Ошибка"));
    QVERIFY(rig.messageBox.shown[0].text.contains(QStringLiteral("uprav.pdf")));
}

void tst_help::viewerFailureReported_data()
{
    QTest::addColumn<bool>("atOnce");
    QTest::addColumn<bool>("openFolder");
    QTest::newRow("refused at once, folder opened") << true << true;
    QTest::newRow("failed afterwards, folder opened") << false << true;
    QTest::newRow("failed afterwards, declined") << false << false;
}

void tst_help::viewerFailureReported()
{
    // No viewer: the box names the file by its whole path and offers its
    // folder, which Yes asks the desktop to open.
    QFETCH(bool, atOnce);
    QFETCH(bool, openFolder);
    Rig rig;
    rig.shell.existing << QStringLiteral("spravka2.pdf");
    rig.shell.openSucceeds = !atOnce;
    rig.messageBox.answers = {openFolder};
    rig.help.openWorkedExample();
    if (!atOnce)
        rig.shell.openFailed(QStringLiteral("spravka2.pdf")); // as the desktop tells it
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("spravka2.pdf"));
    // A desktop that refuses the file refuses its folder too: that is said.
    QCOMPARE(rig.messageBox.shown.size(), std::size_t(atOnce && openFolder ? 2 : 1));
    if (rig.messageBox.shown.size() == 2)
        QVERIFY(rig.messageBox.shown[1].text.contains(QDir::toNativeSeparators(QDir::currentPath())));
    QCOMPARE(rig.messageBox.shown[0].title, QStringLiteral("Ошибка"));
    QVERIFY(rig.messageBox.shown[0].question);
    QVERIFY2(rig.messageBox.shown[0].text.contains(QDir::toNativeSeparators(path)),
             qPrintable(rig.messageBox.shown[0].text));
    QStringList opened = {QStringLiteral("spravka2.pdf")};
    if (openFolder)
        opened << QDir::currentPath();
    QCOMPARE(rig.shell.opened, opened);
}

void tst_help::desktopReportsNoViewer_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("told");
    QTest::newRow("no method for the type") << 3 << true;
    QTest::newRow("viewer failed") << 4 << true;
    QTest::newRow("viewer opened") << 0 << false;
}

void tst_help::desktopReportsNoViewer()
{
    // The desktop's opener (xdg-open, here a stand-in first on the path that
    // ends as the real one does) finds no viewer after openDocument has
    // returned: the shell tells, with the file's path.
    QFETCH(int, exitCode);
    QFETCH(bool, told);
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toLatin1());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    QtDesktopShell shell;
    QStringList failed;
    shell.openFailed = [&failed](const QString& file) { failed << file; };
    const QString document = bin.filePath(QStringLiteral("spravka.pdf"));
    QVERIFY(shell.openDocument(document));
    qputenv("PATH", path);
    if (told) {
        QTRY_COMPARE(failed, QStringList{document});
    } else {
        QTest::qWait(300);
        QVERIFY(failed.isEmpty());
    }
}

void tst_help::instructionInEditor()
{
    Rig rig;
    rig.shell.existing << DataFolder + QStringLiteral("/instruction.txt");
    rig.editors << QStringLiteral("mousepad") << QStringLiteral("kate");
    rig.help.openInstruction();
    // The first graphical editor found, with the file after it; nothing waited for.
    QCOMPARE(rig.shell.started.size(), std::size_t(1));
    QCOMPARE(rig.shell.started[0].first, QStringLiteral("/usr/bin/kate"));
    QCOMPARE(rig.shell.started[0].second, QStringList{DataFolder + QStringLiteral("/instruction.txt")});
    QVERIFY(rig.shell.opened.isEmpty());
    QVERIFY(rig.messageBox.shown.empty());
}

void tst_help::instructionWithoutEditor()
{
    Rig rig;
    rig.shell.existing << QStringLiteral("instruction.txt");
    // No editor on the path: the desktop's application for plain text.
    rig.help.openInstruction();
    QCOMPARE(rig.shell.opened, QStringList{QStringLiteral("instruction.txt")});
    QVERIFY(rig.messageBox.shown.empty());
    // Nothing at all can show it: the student is told.
    rig.shell.openSucceeds = false;
    rig.help.openInstruction();
    QCOMPARE(rig.messageBox.shown.size(), std::size_t(1));
    QVERIFY(rig.messageBox.shown[0].text.contains(QStringLiteral("instruction.txt")));
    // An editor that fails to start is passed over too.
    rig.editors << QStringLiteral("gedit");
    rig.shell.startSucceeds = false;
    rig.help.openInstruction();
    QCOMPARE(rig.shell.started.size(), std::size_t(1));
    QCOMPARE(rig.messageBox.shown.size(), std::size_t(2));
}

void tst_help::builtDocumentsFoundFromElsewhere()
{
    // The documents of this build, opened by a program started in another folder.
    class RecordingShell : public QtDesktopShell {
    public:
        QStringList opened;
        bool openDocument(const QString& path) override
        {
            opened << path;
            return true;
        }
    } shell;
    FakeMessageBox messageBox;
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    for (const Language language : {Language::Russian, Language::English}) {
        HelpCommands help(shell, messageBox, {QStringLiteral(OILDROP_DOCS_DIR)}, language);
        help.openPhysicsReference();
        help.openWorkedExample();
        help.openHistory();
        help.openControlsHelp();
        QCOMPARE(QFileInfo(help.locate(help.documentName(QStringLiteral("instruction.txt")))).path(),
                 QStringLiteral(OILDROP_DOCS_DIR));
    }
    QDir::setCurrent(previous);
    QVERIFY(messageBox.shown.empty());
    QCOMPARE(shell.opened.size(), 8);
    QVERIFY(shell.opened.last().endsWith(QStringLiteral("/uprav_en.pdf")));
    for (const QString& path : shell.opened) {
        QVERIFY(QFileInfo(path).isAbsolute());
        QVERIFY(QFileInfo(path).size() > 1000);
    }
}

QTEST_GUILESS_MAIN(tst_help)
#include "tst_help.moc"
