// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts, reporting its first painted window (see
// StartupProbe). With --experiment it then runs one experiment (slow-down 1,
// irradiated) and reports its peak resident memory again before it ends; with
// --lang en it starts in English, its translation loaded.

#include "StartupProbe.h"

#include "Program.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    bool experiment = false;
    Language language = Language::Russian;
    for (int i = 1; i < argc; ++i) {
        experiment = experiment || std::strcmp(argv[i], "--experiment") == 0;
        if (std::strcmp(argv[i], "en") == 0)
            language = Language::English;
    }
    Program::describe();
    Program program(argc, argv, language);
    MainWindow& window = program.window();
    StartupProbe probe(&window, [&] {
        if (!experiment) {
            QCoreApplication::exit(0);
            return;
        }
        window.widgets().slowDownScrollBar->setValue(1);
        QTimer::singleShot(300, &window, [&] { window.widgets().lightButton->click(); });
        window.widgets().startButton->click();
        std::printf("experiment rss %ld\n", StartupProbe::peakResidentKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return program.exec();
}
