#include "ApplicationSetup.h"
#include "Form1.h"

#include "QtDesktopShell.h"
#include "QtLifetime.h"
#include "QtMessageBox.h"
#include "QtPauseTimer.h"
#include "QtToneGenerator.h"
#include "SplitMixRandom.h"
#include "SystemTimeOfDay.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTranslator toolkitTexts;
    ApplicationSetup::apply(app, toolkitTexts);

    QtMessageBox messageBox;
    QtToneGenerator tones;
    QtPauseTimer timer;
    SplitMixRandom random;
    SystemTimeOfDay clock;
    QtDesktopShell shell;
    QtLifetime lifetime;
    Services services;
    services.messageBox = &messageBox;
    services.tones = &tones;
    services.timer = &timer;
    services.random = &random;
    services.clock = &clock;
    services.shell = &shell;
    services.lifetime = &lifetime;

    // The help documents lie beside the program in the build tree and in the
    // data folder of an installation.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList dataFolders = {programDir.absolutePath(),
                                     programDir.absoluteFilePath(QStringLiteral(OILDROP_RELATIVE_DATADIR))};

    Form1 form(services, dataFolders);
    messageBox.setParent(&form);
    form.show();
    return QApplication::exec();
}
