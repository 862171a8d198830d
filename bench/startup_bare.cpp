// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets window with a menu bar and a few controls, built in the
// same tree: the yardstick for the program's start-up time.

#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Файл"))->addAction(QStringLiteral("Выход"));
    auto* client = new QWidget(&window);
    new QLabel(QStringLiteral("Параметры"), client);
    (new QPushButton(QStringLiteral("ПУСК"), client))->move(0, 30);
    window.setCentralWidget(client);
    window.resize(480, 540);
    StartupProbe probe(&window, [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
