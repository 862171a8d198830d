// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramOptions.h"

#include <QCommandLineParser>

namespace {

/// Options of the toolkit itself, with or without a value, which it reads
/// from the same command line.
const char* const ToolkitOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "style",
                                               "stylesheet",
                                               "display",
                                               "geometry",
                                               "name",
                                               "title",
                                               "visual",
                                               "ncols",
                                               "cmap",
                                               "im",
                                               "dialogs"};
const char* const ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

/// The parser with the program's options; descriptions in the installed language.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption lang{QStringLiteral("lang"), QString(), QStringLiteral("ru|en")};
    QCommandLineOption report{QStringLiteral("report")};
    QCommandLineOption group{QStringLiteral("class")};
    QCommandLineOption check{QStringLiteral("check")};

    Parser(const QString& description, const QString& langDescription, const QString& reportDescription = {},
           const QString& classDescription = {}, const QString& checkDescription = {})
    {
        // -platform and the like are single-dash words, not bundles of letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(description);
        lang.setDescription(langDescription);
        parser.addOption(lang);
        report.setDescription(reportDescription);
        parser.addOption(report);
        group.setDescription(classDescription);
        parser.addOption(group);
        check.setDescription(checkDescription);
        parser.addOption(check);
        for (const char* name : ToolkitOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : ToolkitFlags) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

} // namespace

ProgramOptions ProgramOptions::parse(const QStringList& arguments)
{
    Parser p{QString(), QString()};
    ProgramOptions options;
    options.m_arguments = arguments;
    if (!p.parser.parse(arguments)) {
        options.m_action = Action::Refuse;
        // The parser reads the known options past an unknown one, so the
        // refusal comes in the language asked for, if one is.
        if (p.parser.isSet(p.lang))
            options.m_language = Languages::fromCode(p.parser.value(p.lang));
        return options;
    }
    const QStringList files = p.parser.positionalArguments();
    if (p.parser.isSet(p.help)) {
        options.m_action = Action::ShowHelp;
    } else if (p.parser.isSet(p.version)) {
        options.m_action = Action::ShowVersion;
    } else if (p.parser.isSet(p.report) && p.parser.isSet(p.group)) {
        options.m_action = Action::Refuse;
        options.m_misuse = QStringLiteral("--report --class");
    } else if (p.parser.isSet(p.check)) {
        const bool alone = !p.parser.isSet(p.report) && !p.parser.isSet(p.group) && files.size() == 1;
        options.m_action = alone ? Action::Check : Action::Refuse;
        options.m_misuse = QStringLiteral("--check");
    } else if (p.parser.isSet(p.report)) {
        options.m_action = files.size() == 2 ? Action::Report : Action::Refuse;
        options.m_misuse = QStringLiteral("--report");
    } else if (p.parser.isSet(p.group)) {
        options.m_action = files.size() >= 2 ? Action::ClassReport : Action::Refuse;
        options.m_misuse = QStringLiteral("--class");
    }
    if (options.m_action == Action::Report || options.m_action == Action::ClassReport
        || options.m_action == Action::Check)
        options.m_files = files;
    if (p.parser.isSet(p.lang)) {
        const QString code = p.parser.value(p.lang);
        options.m_language = Languages::fromCode(code);
        if (!options.m_language && options.m_action != Action::ShowHelp && options.m_action != Action::ShowVersion
            && options.m_action != Action::Refuse) {
            options.m_action = Action::Refuse;
            options.m_unknownLanguage = code;
        }
    }
    return options;
}

QString ProgramOptions::message() const
{
    const QString program = QCoreApplication::applicationName();
    switch (m_action) {
    case Action::ShowHelp: {
        Parser p{tr("Моделирование опыта Вельтрана: учебная модель опыта, в котором измеряют элементарный заряд.\n\n"
                    "oildrop --report ЖУРНАЛ.json ОТЧЁТ.pdf\n"
                    "oildrop --class СВОДКА.pdf|СВОДКА.csv ЖУРНАЛ.json...\n"
                    "oildrop --check ЖУРНАЛ.json"),
                 tr("Язык интерфейса и справки: ru (русский) или en (английский). "
                    "Без него — по первому языку системы: русский для русского, украинского, "
                    "белорусского, казахского и для C/POSIX, английский для любого другого."),
                 tr("Записать отчёт о лабораторной работе по журналу (PDF) и выйти, без окна. Журнал, который "
                    "нельзя прочитать, назван с причиной в стандартном потоке ошибок; статус 1, файла нет."),
                 tr("Свести журналы группы в отчёт (PDF) или таблицу (CSV) и выйти, без окна. Непрочитанные "
                    "журналы названы с причиной; статус 0, если прочитан хотя бы один."),
                 tr("Проверить журнал: по строке на каждую ошибку, «drop N, state K: КОД: пояснение» (коды: "
                    "few-timings, scatter, fast-drop, many-charges, field-on-irradiation, crossed-change, "
                    "absurd-charge), и выйти, без окна. Статус 0; 1, если журнал нельзя прочитать.")};
        return p.parser.helpText();
    }
    case Action::ShowVersion: return program + u' ' + QCoreApplication::applicationVersion() + u'\n';
    case Action::Refuse: {
        if (!m_unknownLanguage.isEmpty())
            return program + QStringLiteral(": ") + tr("неизвестный язык «%1»: можно ru или en").arg(m_unknownLanguage)
                   + u'\n';
        if (m_misuse == QLatin1String("--report --class"))
            return program + QStringLiteral(": ") + tr("--report и --class нельзя задать вместе") + u'\n';
        if (m_misuse == QLatin1String("--report"))
            return program + QStringLiteral(": ") + tr("--report требует два файла: журнал и отчёт") + u'\n';
        if (m_misuse == QLatin1String("--check"))
            return program + QStringLiteral(": ")
                   + tr("--check требует один файл журнала и не сочетается с --report и --class") + u'\n';
        if (m_misuse == QLatin1String("--class"))
            return program + QStringLiteral(": ")
                   + tr("--class требует файл сводки (.pdf или .csv) и хотя бы один журнал") + u'\n';
        // The toolkit's own words for what is wrong, now that its texts are installed.
        Parser p{QString(), QString()};
        p.parser.parse(m_arguments);
        return program + QStringLiteral(": ") + p.parser.errorText() + u'\n';
    }
    case Action::Run:
    case Action::Report:
    case Action::ClassReport:
    case Action::Check: break;
    }
    return {};
}
