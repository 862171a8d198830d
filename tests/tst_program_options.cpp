// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"
#include "ProgramOptions.h"

#include <QProcess>
#include <QtTest>

Q_DECLARE_METATYPE(Language)

/// The command line and the choice of language, and the program's own answers
/// to --help, --version and what it refuses: printed without a window.
class tst_program_options : public QObject {
    Q_OBJECT

private slots:
    void languageFromTheSystem_data();
    void languageFromTheSystem();
    void numbersFollowTheLanguage();
    void parse_data();
    void parse();
    void programAnswers_data();
    void programAnswers();
    void assignWritesTheFolderOnce();
};

void tst_program_options::languageFromTheSystem_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("language");
    QTest::newRow("English") << QStringList{"en-US", "en"} << Language::English;
    QTest::newRow("Russian") << QStringList{"ru-RU", "ru"} << Language::Russian;
    QTest::newRow("C/POSIX") << QStringList{"C"} << Language::Russian;
    QTest::newRow("nothing") << QStringList{} << Language::Russian;
    QTest::newRow("German, then English") << QStringList{"de-DE", "en-GB"} << Language::English;
    QTest::newRow("German, Russian, English") << QStringList{"de", "ru", "en"} << Language::English;
    // As the system names them for LANG=de_DE.UTF-8, fr_FR.UTF-8, uk_UA.UTF-8 and C.
    QTest::newRow("de_DE") << QStringList{"de-DE", "de-Latn-DE", "de"} << Language::English;
    QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << Language::English;
    QTest::newRow("uk_UA") << QStringList{"uk-UA", "uk-Cyrl-UA", "uk"} << Language::Russian;
    QTest::newRow("be_BY, kk_KZ") << QStringList{"be-BY", "kk-KZ"} << Language::Russian;
    QTest::newRow("C") << QStringList{"C"} << Language::Russian;
    QTest::newRow("LANGUAGE=en_GB") << QStringList{"en_GB"} << Language::English;
}

void tst_program_options::languageFromTheSystem()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, language);
    QCOMPARE(Languages::choose(uiLanguages), language);
}

void tst_program_options::numbersFollowTheLanguage()
{
    using L = QLocale;
    // The system's own form where it speaks the language, the C locale as it always was.
    QCOMPARE(Languages::numbersLocale(Language::Russian, L(L::Russian, L::Russia)).decimalPoint(), QStringLiteral(","));
    QCOMPARE(Languages::numbersLocale(Language::Russian, L::c()).decimalPoint(), QStringLiteral("."));
    QCOMPARE(Languages::numbersLocale(Language::English, L::c()).decimalPoint(), QStringLiteral("."));
    // Another language than the system's: that language's form.
    QCOMPARE(Languages::numbersLocale(Language::English, L(L::Russian, L::Russia)).decimalPoint(), QStringLiteral("."));
    QCOMPARE(Languages::numbersLocale(Language::Russian, L(L::English, L::UnitedStates)).decimalPoint(),
             QStringLiteral(","));
}

void tst_program_options::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ProgramOptions::Action>("action");
    QTest::addColumn<int>("language"); // -1: none asked for
    using A = ProgramOptions::Action;
    QTest::newRow("nothing") << QStringList{} << A::Run << -1;
    QTest::newRow("English") << QStringList{"--lang", "en"} << A::Run << int(Language::English);
    QTest::newRow("Russian, one word") << QStringList{"--lang=ru"} << A::Run << int(Language::Russian);
    QTest::newRow("other words ignored") << QStringList{"data.csv", "more"} << A::Run << -1;
    QTest::newRow("the toolkit's options") << QStringList{"-platform", "offscreen", "-reverse"} << A::Run << -1;
    QTest::newRow("help") << QStringList{"-h"} << A::ShowHelp << -1;
    QTest::newRow("version") << QStringList{"--version"} << A::ShowVersion << -1;
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << A::Refuse << -1;
    QTest::newRow("unknown language") << QStringList{"--lang", "de"} << A::Refuse << -1;
    QTest::newRow("language without a value") << QStringList{"--lang"} << A::Refuse << -1;
    QTest::newRow("--report") << QStringList{"--report", "j.json", "r.pdf"} << A::Report << -1;
    QTest::newRow("--report without its report") << QStringList{"--report", "j.json"} << A::Refuse << -1;
    QTest::newRow("--class") << QStringList{"--class", "c.csv", "a.json", "b.json"} << A::ClassReport << -1;
    QTest::newRow("--class without a journal") << QStringList{"--class", "c.pdf"} << A::Refuse << -1;
    QTest::newRow("--report and --class") << QStringList{"--report", "--class", "a", "b"} << A::Refuse << -1;
    QTest::newRow("--assign") << QStringList{"--assign", "roster.csv", "group"} << A::Assign << -1;
    QTest::newRow("--assign without its folder") << QStringList{"--assign", "roster.csv"} << A::Refuse << -1;
    QTest::newRow("--task") << QStringList{"--task", "a1.json"} << A::OpenTask << -1;
    QTest::newRow("--task and --check") << QStringList{"--task", "--check", "a1.json"} << A::Refuse << -1;
}

void tst_program_options::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(ProgramOptions::Action, action);
    QFETCH(int, language);
    const ProgramOptions options = ProgramOptions::parse(QStringList{QStringLiteral("oildrop")} + arguments);
    QCOMPARE(options.action(), action);
    QCOMPARE(options.language().has_value(), language >= 0);
    if (language >= 0)
        QCOMPARE(int(*options.language()), language);
    QCOMPARE(options.exitStatus(), action == ProgramOptions::Action::Refuse ? 2 : 0);
}

void tst_program_options::programAnswers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("languageVariable");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString russianHelp = QStringLiteral("Язык интерфейса и справки");
    const QString englishHelp = QStringLiteral("Language of the interface");
    QTest::newRow("--help") << QStringList{"--help"} << QString() << 0 << russianHelp << QString();
    QTest::newRow("--version") << QStringList{"--version"} << QString() << 0 << "oildrop 1.0.0\n" << QString();
    QTest::newRow("--help, --lang en") << QStringList{"--lang", "en", "--help"} << QString() << 0 << englishHelp
                                       << QString();
    QTest::newRow("--help, LANGUAGE=en") << QStringList{"--help"} << "en" << 0 << englishHelp << QString();
    QTest::newRow("--help, LANGUAGE=de") << QStringList{"--help"} << "de" << 0 << englishHelp << QString();
    QTest::newRow("--help, LANGUAGE=uk") << QStringList{"--help"} << "uk" << 0 << russianHelp << QString();
    QTest::newRow("--lang ru over LANGUAGE=en")
        << QStringList{"--lang", "ru", "--help"} << "en" << 0 << russianHelp << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << QString() << 2 << QString() << "oildrop: ";
    QTest::newRow("unknown language") << QStringList{"--lang", "xx"} << QString() << 2 << QString() << "oildrop: ";
    QTest::newRow("--assign, no roster") << QStringList{"--assign", "/nonexistent/roster.csv", "/nonexistent/group"}
                                         << QString() << 1 << QString() << "oildrop: /nonexistent/roster.csv: ";
    QTest::newRow("unknown option, refused in the language asked for")
        << QStringList{"--bogus", "--lang", "en"} << QString() << 2 << QString() << "oildrop: Unknown option";
}

void tst_program_options::programAnswers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, languageVariable);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    // No display at all: an answer that opened a window could not start.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    if (!languageVariable.isEmpty())
        environment.insert(QStringLiteral("LANGUAGE"), languageVariable);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(OILDROP_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdoutText = QString::fromUtf8(program.readAllStandardOutput());
    const QString stderrText = QString::fromUtf8(program.readAllStandardError());
    if (out.isEmpty())
        QVERIFY(stdoutText.isEmpty());
    else
        QVERIFY2(stdoutText.contains(out), qPrintable(stdoutText));
    if (err.isEmpty()) {
        QVERIFY2(stderrText.isEmpty(), qPrintable(stderrText));
    } else {
        // One line, naming the program.
        QVERIFY2(stderrText.startsWith(err) && stderrText.count(u'\n') == 1, qPrintable(stderrText));
    }
}

void tst_program_options::assignWritesTheFolderOnce()
{
    QTemporaryDir dir;
    const QString roster = dir.filePath(QStringLiteral("roster.csv"));
    QFile file(roster);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("id;name;email\nivanova;Иванова Анна;a@example.org\npetrov;Петров Пётр;p@example.org\n");
    file.close();
    const QString folder = dir.filePath(QStringLiteral("group"));
    const auto run = [&](int status, const QString& out, const QString& err) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ru"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(OILDROP_PROGRAM), {QStringLiteral("--assign"), roster, folder});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), status);
        const QString stdoutText = QString::fromUtf8(program.readAllStandardOutput());
        const QString stderrText = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdoutText.isEmpty() : stdoutText.startsWith(out) && stdoutText.count(u'\n') == 1,
                 qPrintable(stdoutText));
        QVERIFY2(err.isEmpty() ? stderrText.isEmpty() : stderrText.startsWith(err) && stderrText.count(u'\n') == 1,
                 qPrintable(stderrText));
    };
    run(0, QStringLiteral("Заданий: 2"), QString());
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/tasks/ivanova.json")));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/tasks/petrov.json")));
    // The teacher's secret is never replaced.
    run(1, QString(), QStringLiteral("oildrop: ") + folder + QStringLiteral("/assignment.json: "));
}

QTEST_APPLESS_MAIN(tst_program_options)
#include "tst_program_options.moc"
