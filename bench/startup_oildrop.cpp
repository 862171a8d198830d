// The program as it starts, reporting its first painted window (see
// StartupProbe). With --experiment it then runs one experiment (slow-down 1,
// irradiated) and reports its peak resident memory again before it ends.

#include "StartupProbe.h"

#include "Program.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const bool experiment = argc > 1 && std::strcmp(argv[1], "--experiment") == 0;
    Program program(argc, argv);
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
