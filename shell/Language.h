// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

/// The languages of the program's interface and help. Russian is its own
/// language: the texts in the code are Russian, English is a translation.
enum class Language { Russian, English };

namespace Languages {

/// The language for a system's UI languages (most wanted first, as
/// QLocale::uiLanguages() gives them), by the first of them: Russian for
/// Russian, Ukrainian, Belarusian and Kazakh and for C/POSIX (or none),
/// English for any other language.
Language choose(const QStringList& uiLanguages);

/// "ru" or "en".
QString code(Language language);
/// The language of a code, if it is one of the program's.
std::optional<Language> fromCode(const QString& code);

/// How numbers are written: the system's own locale when it speaks the
/// chosen language (or is the plain C/POSIX locale, whose point Russian has
/// always been shown with), else the chosen language's usual locale.
QLocale numbersLocale(Language language, const QLocale& system);

} // namespace Languages
