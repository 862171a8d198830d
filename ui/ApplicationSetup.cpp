#include "ApplicationSetup.h"

#include "Fonts.h"
#include "MenuIconStyle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void ApplicationSetup::apply(QApplication& app, QTranslator& translator)
{
    QApplication::setApplicationName(QStringLiteral("oildrop"));
    // No application display name: the window system would append it to the
    // title of every window and box ("Ошибка — …"); each shows its own title.
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.oildrop.Oildrop"));
    QApplication::setStyle(new MenuIconStyle);
    Fonts::registerSubstitutes();
    // The toolkit's own texts (context menus of the inputs, ...) in Russian,
    // where the translations are installed.
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}
