// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QRegularExpression>

Language Languages::choose(const QStringList& uiLanguages)
{
    // The first language the system names decides. Russian for Russian, and
    // for the languages whose speakers are likelier to read Russian than
    // English; Russian too for the plain C/POSIX locale (or none at all);
    // English for every other language.
    if (uiLanguages.isEmpty())
        return Language::Russian;
    const QString language =
        uiLanguages.constFirst().section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
    for (const char* russianReaders : {"ru", "uk", "be", "kk", "c", "posix", ""})
        if (language == QLatin1String(russianReaders))
            return Language::Russian;
    return Language::English;
}

QString Languages::code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<Language> Languages::fromCode(const QString& code)
{
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("ru"))
        return Language::Russian;
    return std::nullopt;
}

QLocale Languages::numbersLocale(Language language, const QLocale& system)
{
    const QLocale::Language wanted = language == Language::English ? QLocale::English : QLocale::Russian;
    if (system.language() == wanted || system.language() == QLocale::C)
        return system;
    return QLocale(wanted);
}
