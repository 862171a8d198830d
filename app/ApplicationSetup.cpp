// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationSetup.h"

#include "Fonts.h"
#include "ProgramStyle.h"

#include <QApplication>

void ApplicationSetup::apply()
{
    // No application display name: the window system would append it to the
    // title of every window and box ("Ошибка — …"); each shows its own title.
    QApplication::setDesktopFileName(QStringLiteral("io.github.oildrop.Oildrop"));
    QApplication::setStyle(new ProgramStyle);
    Fonts::registerSubstitutes();
}
