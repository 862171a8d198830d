// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtLifetime.h"

#include <QApplication>
#include <QWidget>

void QtLifetime::endProgram(int status)
{
    if (m_ending)
        return;
    m_ending = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(status);
}
