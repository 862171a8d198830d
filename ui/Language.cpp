// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QRegularExpression>

Language Languages::choose(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return Language::English;
        if (language == QLatin1String("ru"))
            return Language::Russian;
    }
    return Language::Russian;
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
