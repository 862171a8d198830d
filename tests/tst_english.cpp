// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClippedTexts.h"
#include "WindowFixture.h"

#include "AnalysisWording.h"
#include "AuthorsWindow.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "ProgramOptions.h"
#include "SurfaceExport.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

/// The interface in English (the program started with LANGUAGE=en or
/// --lang en): every text of the windows and boxes, the numbers, and whether
/// every English text fits its control at the sizes the layout gives.
class tst_english : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WindowFixture::setUpApplication(Language::English);
        QDir(JournalStore::defaultFolder()).removeRecursively(); // no journal of an earlier run
    }
    void noRussianLeft();
    void boxesInEnglish();
    void readOutsWithAPoint();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void helpTextInEnglish();
    void laboratoryTextsFit();
    void tablePictureInEnglish();
};

namespace {

const QRegularExpression Cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

struct EnglishWindow : WindowFixture {
    EnglishWindow() : WindowFixture(nullptr, {}, QLocale(QLocale::English, QLocale::UnitedStates), Language::English) {}
};

/// Every text a widget shows or says.
QStringList textsOf(QWidget* widget)
{
    QStringList texts = {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription(),
                         widget->windowTitle()};
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        texts << edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        texts << group->title();
    return texts;
}

} // namespace

void tst_english::noRussianLeft()
{
    EnglishWindow w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    // The laboratory too: its stopwatch, a drop timed and recorded, the journal.
    w.form->menus().laboratoryMode->trigger();
    w.fakes.timer.during[5] = [&] { w.form->laboratory().stopwatchCommands().startStop->trigger(); };
    w.fakes.timer.during[30] = [&] { w.form->laboratory().stopwatchCommands().startStop->trigger(); };
    w.widgets().startButton->click(); // the read-outs and the plots filled
    w.holdWhileHeld();
    w.form->laboratory().stopwatchCommands().record->trigger();
    w.form->laboratory().showJournal();
    w.form->showAuthors();
    QStringList texts;
    const JournalModel& journal = w.simulation().journal();
    QCOMPARE(journal.rowCount(), 1);
    for (int column = 0; column < journal.columnCount(); ++column)
        texts << journal.headerData(column, Qt::Horizontal).toString()
              << journal.text(0, static_cast<JournalModel::Column>(column));
    texts << AnalysisWording::analysisText(journal.analysis(), QLocale(QLocale::English));
    for (QWidget* widget : w.form->findChildren<QWidget*>())
        texts << textsOf(widget);
    texts << w.form->windowTitle();
    for (QAction* action : w.form->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (QWidget* widget : w.form->authorsWindow()->findChildren<QWidget*>())
        texts << textsOf(widget);
    texts << w.form->authorsWindow()->windowTitle();
    QMenu* menu = w.form->surfaceExport().menu(SurfaceExport::Surface::Velocity);
    for (QAction* action : menu->actions())
        texts << action->text();
    delete menu;
    for (const QString& text : texts)
        QVERIFY2(!text.contains(Cyrillic), qPrintable(text));
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Simulation of Veltran's Experiment"));
    QCOMPARE(w.widgets().startButton->text(), QStringLiteral("START"));
    QCOMPARE(w.form->menus().physicsReference->text(), QStringLiteral("Reference 1"));
    // The Authors caption keeps its shape: lines 1 to 5 of 36 characters.
    const QStringList lines = w.form->authorsWindow()->caption()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(lines[i].size(), 36);
    QVERIFY(!lines[1].endsWith(u' '));
}

void tst_english::boxesInEnglish()
{
    EnglishWindow w;
    w.show();
    w.fakes.messageBox.answers = {false};
    w.widgets().startButton->click();             // no light: the remark
    w.widgets().plateGapEdit->setText(QString()); // a rejected value
    w.form->menus().about->trigger();
    w.form->close(); // the exit question, answered No
    w.fakes.saveDialog.answer = QStringLiteral("/nonexistent/folder/data.csv");
    w.form->surfaceExport().saveData(SurfaceExport::Surface::Velocity);
    w.form->menus().keys->trigger();
    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(6));
    for (const auto& box : w.fakes.messageBox.shown) {
        QVERIFY2(!box.title.contains(Cyrillic), qPrintable(box.title));
        QVERIFY2(!box.text.contains(Cyrillic), qPrintable(box.text));
    }
    QCOMPARE(w.fakes.messageBox.shown[0].title, QStringLiteral("REMARK"));
    QCOMPARE(w.fakes.messageBox.shown[1].text, QStringLiteral("Must be greater than zero!"));
    QCOMPARE(w.fakes.messageBox.shown[2].title, QStringLiteral("ABOUT"));
    QCOMPARE(w.fakes.messageBox.shown[2].text.split(QStringLiteral("\r\n")).size(), 15);
    QCOMPARE(w.fakes.messageBox.shown[3].text, QStringLiteral("Are you absolutely sure?"));
    QCOMPARE(w.fakes.saveDialog.asked.back().title, QStringLiteral("Save Data"));
}

void tst_english::readOutsWithAPoint()
{
    EnglishWindow w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    const MainWindowWidgets& c = w.widgets();
    QCOMPARE(c.massReadout->text(), QStringLiteral("m = 8.102E-14 kg"));
    QCOMPARE(c.relaxationTimeReadout->text(), QStringLiteral("tau = 8.557E-05 s"));
    QCOMPARE(c.terminalVelocityReadout->text(), QStringLiteral(" Vg = 8.387E-04 m/s"));
    QCOMPARE(c.limitingVelocity2Readout->text(), QStringLiteral("V2max= 6.773E-04 m/s"));
    w.form->simulation().experiment().showVelocities();
    QCOMPARE(c.chargeRatioReadout->text(), QStringLiteral("q3/q2= 2.333 "));
}

void tst_english::textsFitTheirControls_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("480 x 512") << QSize(480, 512);
    QTest::newRow("800 x 600") << QSize(800, 600);
}

void tst_english::textsFitTheirControls()
{
    QFETCH(QSize, client);
    EnglishWindow w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    QVERIFY(w.resizeClientArea(client));
    w.form->simulation().experiment().showCharges(); // every read-out holds a value
    w.form->simulation().experiment().showVelocities();
    for (const ControlId id : AllControls) {
        QWidget* widget = w.widget(id);
        const char* name = controlName(id);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // Indicator, spacing, text and margins, as the style measures them.
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(QStringLiteral("%1: %2 of %3 px")
                                                                                   .arg(QLatin1String(name))
                                                                                   .arg(button->sizeHint().width())
                                                                                   .arg(button->width())));
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            const qreal text = QFontMetricsF(label->font()).horizontalAdvance(label->text());
            QVERIFY2(text <= label->contentsRect().width(), qPrintable(QStringLiteral("%1 \"%2\": %3 of %4 px")
                                                                           .arg(QLatin1String(name), label->text())
                                                                           .arg(text)
                                                                           .arg(label->contentsRect().width())));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            QVERIFY(QFontMetricsF(group->font()).horizontalAdvance(group->title()) <= group->width());
        }
    }
}

void tst_english::helpTextInEnglish()
{
    const ProgramOptions help = ProgramOptions::parse({QStringLiteral("oildrop"), QStringLiteral("--help")});
    QCOMPARE(help.action(), ProgramOptions::Action::ShowHelp);
    QVERIFY(!help.message().contains(Cyrillic));
    QVERIFY(help.message().contains(QStringLiteral("--lang")));
}

void tst_english::laboratoryTextsFit()
{
    // The main window and the stopwatch at their default sizes, filled.
    EnglishWindow w;
    const QStringList clipped = clippedTextsOfALabSession(w);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void tst_english::tablePictureInEnglish()
{
    // «Reference 1»'s picture, as the menu shows it: its word (the top eight
    // rows of ink) is "table", 17 px wide, not «таблица», 30 px; its "t",
    // "b" and "l" rise into the two top rows, which «таблица» leaves to "б".
    EnglishWindow w;
    w.show();
    const QImage picture = w.form->menus().physicsReference->icon().pixmap(32, 32).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    int left = picture.width(), right = -1;
    QList<int> risen;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                if (y == 0 && !risen.contains(x))
                    risen << x;
            }
    QCOMPARE(right - left + 1, 17);
    QCOMPARE(risen.size(), 3);
}

QTEST_MAIN(tst_english)
#include "tst_english.moc"
