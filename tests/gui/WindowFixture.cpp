// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "ApplicationSetup.h"
#include "LaboratorySettings.h"
#include "LaboratoryWindows.h"
#include "Translations.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>

WindowFixture::WindowFixture(PauseTimer* timer, const QStringList& dataFolders, const QLocale& locale,
                             Language language, Start start)
{
    setUpApplication(language);
    if (start == Start::First)
        QFile::remove(LaboratorySettings::fileName());
    form = std::make_unique<MainWindow>(fakes.services(timer), dataFolders, locale, language);
    form->laboratory().askStudent = [this](const QString&, const QString&) {
        ++studentAsked;
        return studentAnswer;
    };
}

void WindowFixture::holdWhileHeld()
{
    Experiment& experiment = simulation().experiment();
    fakes.timer.runWhile([&experiment] { return experiment.isHolding(); });
}

void WindowFixture::setUpApplication(Language language)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The journal saves itself into the tests' own data folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    static Translations texts(language);
    ApplicationSetup::apply();
}

void WindowFixture::show()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

bool WindowFixture::resizeClientArea(QSize client)
{
    form->resize(client.width(), client.height() + form->menuBar()->height());
    return QTest::qWaitFor([&] { return form->clientArea()->size() == client; });
}
