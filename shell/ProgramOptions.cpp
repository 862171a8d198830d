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
    QCommandLineOption assign{QStringLiteral("assign")};
    QCommandLineOption task{QStringLiteral("task")};
    QCommandLineOption grade{QStringLiteral("grade")};

    Parser(const QString& description, const QString& langDescription, const QString& reportDescription = {},
           const QString& classDescription = {}, const QString& checkDescription = {},
           const QString& assignDescription = {}, const QString& taskDescription = {},
           const QString& gradeDescription = {})
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
        assign.setDescription(assignDescription);
        parser.addOption(assign);
        task.setDescription(taskDescription);
        parser.addOption(task);
        grade.setDescription(gradeDescription);
        parser.addOption(grade);
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
    } else if (p.parser.isSet(p.assign) || p.parser.isSet(p.task) || p.parser.isSet(p.grade)) {
        // Each alone: a teacher's assignment or grades, or a student's task.
        const int others = int(p.parser.isSet(p.report)) + int(p.parser.isSet(p.group)) + int(p.parser.isSet(p.check))
                           + int(p.parser.isSet(p.assign)) + int(p.parser.isSet(p.task)) + int(p.parser.isSet(p.grade));
        if (p.parser.isSet(p.grade)) {
            options.m_action = others == 1 && files.size() >= 3 ? Action::Grade : Action::Refuse;
            options.m_misuse = QStringLiteral("--grade");
        } else if (p.parser.isSet(p.assign)) {
            options.m_action = others == 1 && files.size() == 2 ? Action::Assign : Action::Refuse;
            options.m_misuse = QStringLiteral("--assign");
        } else {
            options.m_action = others == 1 && files.size() == 1 ? Action::OpenTask : Action::Refuse;
            options.m_misuse = QStringLiteral("--task");
        }
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
        || options.m_action == Action::Check || options.m_action == Action::Assign
        || options.m_action == Action::OpenTask || options.m_action == Action::Grade)
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
                    "oildrop --check ЖУРНАЛ.json\n"
                    "oildrop --assign СПИСОК.csv ПАПКА\n"
                    "oildrop --task ЗАДАНИЕ.json\n"
                    "oildrop --grade ПАПКА/assignment.json ОЦЕНКИ.csv ЖУРНАЛ.json..."),
                 tr("Язык интерфейса и справки: ru (русский) или en (английский). "
                    "Без него — по первому языку системы: русский для русского, украинского, "
                    "белорусского, казахского и для C/POSIX, английский для любого другого."),
                 tr("Записать отчёт о лабораторной работе по журналу (PDF) и выйти, без окна. Журнал, который "
                    "нельзя прочитать, назван с причиной в стандартном потоке ошибок; статус 1, файла нет."),
                 tr("Свести журналы группы в отчёт (PDF) или таблицу (CSV) и выйти, без окна. Непрочитанные "
                    "журналы названы с причиной; статус 0, если прочитан хотя бы один."),
                 tr("Проверить журнал: по строке на каждую ошибку, «drop N, state K: КОД: пояснение» (коды: "
                    "few-timings, scatter, fast-drop, many-charges, field-on-irradiation, crossed-change, "
                    "absurd-charge), и выйти, без окна. Статус 0; 1, если журнал нельзя прочитать."),
                 tr("Выдать задания группе и выйти, без окна: по списку (CSV: столбцы id, name, email, "
                    "по желанию group; разделитель «;» или «,») записать в папку assignment.json — файл "
                    "преподавателя с секретом, его хранят у себя — и tasks/ID.json для каждого студента. Настройки: "
                    "капли неизвестного размера, броуновское движение, без поправки на скольжение, воздух 101325 Па "
                    "и 293,15 K, подсказки называют кратность и e. Неверный список назван со строкой и причиной; "
                    "статус 1, ничего не записано. Папку, где уже есть задание, программа не трогает."),
                 tr("Открыть программу с заданием студента: лабораторный режим с настройками и зерном задания, "
                    "имя и группа в журнале, задание отмечено в журнале."),
                 tr("Оценить журналы по заданию и выйти, без окна: каждая капля воспроизводится по зерну "
                    "студента, каждый отсчёт секундомера сверяется с её движением (edited — отсчёт дальше, чем "
                    "объясняет рука; foreign — капля не из задания; wrong-task — журнал чужого задания; digits — "
                    "неравномерные последние цифры введённых вручную времён). Пишет ОЦЕНКИ.csv (строка на "
                    "каждого студента списка), ОЦЕНКИ-gradebook.csv (email и оценка, для электронного журнала) и "
                    "ОЦЕНКИ.pdf (сводка с гистограммой). Статус 0; 1, если не оценён ни один журнал.")};
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
        if (m_misuse == QLatin1String("--assign"))
            return program + QStringLiteral(": ")
                   + tr("--assign требует два аргумента, список группы и папку, и не сочетается с другими командами")
                   + u'\n';
        if (m_misuse == QLatin1String("--grade"))
            return program + QStringLiteral(": ")
                   + tr("--grade требует файл задания преподавателя, файл оценок (.csv) и хотя бы один журнал, и не "
                        "сочетается с другими командами")
                   + u'\n';
        if (m_misuse == QLatin1String("--task"))
            return program + QStringLiteral(": ")
                   + tr("--task требует один файл задания и не сочетается с другими командами") + u'\n';
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
    case Action::Check:
    case Action::Assign:
    case Action::OpenTask:
    case Action::Grade: break;
    }
    return {};
}
