// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QFont make(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QString Fonts::serifFamily()
{
    static const QString family = [] {
        // The list of installed families, not hasFamily(), which also asks the
        // matcher for aliases: that alone costs more than the rest of start-up.
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")})
            if (installed.contains(f))
                return f;
        return QStringLiteral("Times New Roman"); // whatever the matcher finds
    }();
    return family;
}

QString Fonts::sansFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")})
            if (installed.contains(f))
                return f;
        return QStringLiteral("MS Sans Serif");
    }();
    return family;
}

QFont Fonts::text()
{
    return make(serifFamily(), 16, false);
}

QFont Fonts::heading()
{
    return make(serifFamily(), 16, true);
}

QFont Fonts::smallText()
{
    return make(serifFamily(), 15, false);
}

QFont Fonts::button()
{
    return make(sansFamily(), 11, true);
}

void Fonts::registerSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
