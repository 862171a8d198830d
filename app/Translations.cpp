// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(Language language)
{
    if (language == Language::English) {
        // Built into the program from translations/oildrop_en.ts.
        m_complete = m_program.load(QStringLiteral(":/i18n/oildrop_en.qm"));
        if (m_complete)
            QCoreApplication::installTranslator(&m_program);
        return;
    }
    // The toolkit's texts in Russian, where the system has them.
    if (m_toolkit.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_toolkit);
}
