#include "WindowFixture.h"

#include "ApplicationSetup.h"

#include <QApplication>
#include <QTest>
#include <QTranslator>

WindowFixture::WindowFixture(PauseTimer* timer, const QStringList& dataFolders, const QLocale& locale)
{
    setUpApplication();
    form = std::make_unique<MainWindow>(fakes.services(timer), dataFolders, locale);
}

void WindowFixture::setUpApplication()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static QTranslator translator;
    ApplicationSetup::apply(*qApp, translator);
}

void WindowFixture::show()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}
