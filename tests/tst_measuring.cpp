// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"
#include "WindowFixture.h"

#include "NumberFormat.h"
#include "PlotCursor.h"
#include "PlotReadout.h"
#include "RunRecord.h"
#include "RunTable.h"
#include "SurfaceExport.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstdlib>

/// Reading values off the plots, and taking pictures and data out: the
/// read-out under the mouse, the surfaces' context menu, the CSV of a run.
class tst_measuring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void readoutNumbers_data();
    void readoutNumbers();
    void csvMatchesTheSteps_data();
    void csvMatchesTheSteps();
    void cursorIsAnOverlay();
    void nothingToReadBeforeTheFirstRun();
    void contextMenus();
    void savedFiles();
    void failedSavesLeaveNothing_data();
    void failedSavesLeaveNothing();
};

namespace {

/// The default experiment with N2 = 3 and N3 = 7, the light switched on in the
/// pause after step 20.
void runIrradiated(FakeMainWindow& form)
{
    form.random.values = {0.25f, 0.65f};
    form.start();
    form.timer.during[20] = [&form] { form.simulation().experiment().irradiate(); };
    form.simulation().experiment().start();
}

/// The same steps evaluated independently: charge 0 up to step 20, N3 after.
struct Step {
    double t, Y;
    float Vy;
};
std::vector<Step> referenceSteps(const ExperimentState& s, std::size_t count)
{
    std::vector<Step> steps{{0, 0, 0}};
    for (std::size_t n = 1; n < count; ++n) {
        const double charge = n > 20 ? s.N3 : 0;
        const Step& last = steps.back();
        const double E = std::exp(-s.timeStep);
        const double vInf = 1 + charge * s.forceRatio;
        const float Vy = static_cast<float>(vInf + E * (static_cast<double>(last.Vy - 1.0f) - charge * s.forceRatio));
        const double Y =
            last.Y + s.timeStep * vInf + (1 - E) * (static_cast<double>(Vy - 1.0f) - charge * s.forceRatio);
        steps.push_back({last.t + s.timeStep, Y, Vy});
    }
    return steps;
}

} // namespace

void tst_measuring::readoutNumbers_data()
{
    QTest::addColumn<bool>("velocity");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("onCurve");
    // Across a plot of 160 × 252 pixels, whose run ends about a third of the way.
    QTest::newRow("velocity, before the light") << true << 7.5 << 30.0 << true;
    QTest::newRow("velocity, after the light") << true << 40.25 << 200.0 << true;
    QTest::newRow("velocity, past the run's end") << true << 150.0 << 100.0 << false;
    QTest::newRow("coordinate, mid-run") << false << 27.7 << 120.0 << true;
    QTest::newRow("coordinate, past the run's end") << false << 159.0 << 10.0 << false;
}

void tst_measuring::readoutNumbers()
{
    QFETCH(bool, velocity);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, onCurve);
    FakeMainWindow form;
    runIrradiated(form);
    const ExperimentState& s = form.state();
    const RunRecord& record = form.simulation().record();
    const RecordingCanvas& plot = velocity ? form.velocityPlot : form.coordinatePlot;
    const auto values =
        PlotReadout::at(velocity ? PlotReadout::Plot::Velocity : PlotReadout::Plot::Coordinate, plot, record, x, y);
    QVERIFY(values);

    // The plot spans plotTimeSpan across its width; upward from the bottom edge.
    const double width = plot.geometry().width, height = plot.geometry().height;
    QCOMPARE(width, 160.0);
    const double t = x / width * static_cast<double>(static_cast<float>(s.plotTimeSpan));
    const PlotRanges& r = form.simulation().scales().ranges();
    const double top =
        velocity ? static_cast<double>(static_cast<float>(r.velocityTop)) : static_cast<float>(s.reducedGap);
    const double bottom = velocity ? static_cast<double>(r.velocityBottom) : 0.0;
    QVERIFY(std::fabs(values->t - t) <= 1e-9 * t);
    QVERIFY(std::fabs(values->ordinate - (top + y / height * (bottom - top))) <= 1e-9 * std::fabs(top - bottom));
    QCOMPARE(values->onCurve, onCurve);
    if (!onCurve)
        return;
    // Between the two steps around t, on the straight segment that is drawn.
    const auto steps = referenceSteps(s, record.points().size());
    std::size_t k = 1;
    while (steps[k].t < t)
        ++k;
    const double f = (t - steps[k - 1].t) / (steps[k].t - steps[k - 1].t);
    const double curve = velocity ? steps[k - 1].Vy + f * (steps[k].Vy - steps[k - 1].Vy)
                                  : steps[k - 1].Y + f * (steps[k].Y - steps[k - 1].Y);
    QVERIFY(std::fabs(values->curve - curve) <= 1e-9 * std::max(1.0, std::fabs(curve)));
    const double tau = static_cast<double>(s.tau);
    QVERIFY(std::fabs(values->seconds - t * tau) <= 1e-9 * t * tau);
    const double si = velocity ? curve * s.Vg : curve * s.Vg * tau;
    QVERIFY(std::fabs(values->curveSI - si) <= 1e-9 * std::fabs(si));
    // Three or four significant digits a student can copy, the velocity as the panel shows it.
    const QStringList lines = PlotReadout::lines(velocity ? PlotReadout::Plot::Velocity : PlotReadout::Plot::Coordinate,
                                                 *values, QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(lines.size(), 4);
    if (velocity)
        QVERIFY2(lines[3].endsWith(NumberFormat::format(si, u"0.000E+00", QLocale(QLocale::Russian))
                                   + QStringLiteral(" м/с")),
                 qPrintable(lines[3]));
    QVERIFY(!lines.join(u' ').contains(u'E') || velocity);
}

void tst_measuring::csvMatchesTheSteps_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("decimal comma") << QLocale(QLocale::Russian, QLocale::Russia) << QChar(u';');
    QTest::newRow("decimal point") << QLocale::c() << QChar(u',');
}

void tst_measuring::csvMatchesTheSteps()
{
    QFETCH(QLocale, locale);
    QFETCH(QChar, separator);
    FakeMainWindow form;
    runIrradiated(form);
    const ExperimentState& s = form.state();
    const QStringList rows =
        QString::fromUtf8(RunTable::csv(form.simulation().record(), locale)).split(u'\n', Qt::SkipEmptyParts);
    const auto steps = referenceSteps(s, rows.size() - 1);
    // The header, the start at rest and every step, the last one past the lower plate.
    QCOMPARE(rows.size(), static_cast<qsizetype>(form.simulation().record().points().size()) + 1);
    QVERIFY(steps.back().Y >= 0.99 * s.reducedGap && steps[steps.size() - 2].Y < 0.99 * s.reducedGap);
    QVERIFY(rows[0].startsWith(QStringLiteral("шаг") + separator + QStringLiteral("t/tau")));
    const double tau = static_cast<double>(s.tau);
    for (int n = 0; n + 1 < rows.size(); ++n) {
        const QStringList fields = rows[n + 1].split(separator);
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[0].toInt(), n);
        const Step& step = steps[static_cast<std::size_t>(n)];
        const double Vy = static_cast<double>(step.Vy);
        const double expected[] = {step.t, step.Y, Vy, step.t * tau, step.Y * s.Vg * tau, Vy * s.Vg};
        for (int i = 0; i < 6; ++i) {
            QString text = fields[i + 1];
            if (separator == u';')
                text.replace(u',', u'.');
            // Full precision: reads back to exactly the double.
            const QByteArray latin = text.toLatin1();
            double value = 0;
            std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
            QCOMPARE(value, expected[i]);
        }
    }
}

void tst_measuring::cursorIsAnOverlay()
{
    WindowFixture w;
    w.show();
    w.fakes.random.values = {0.25f, 0.65f};
    w.fakes.timer.during[20] = [&] { w.widgets().lightButton->click(); };
    w.widgets().startButton->click();
    w.widgets().velocityOption->setChecked(true);
    CanvasWidget* plot = w.widgets().velocityPlot;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    const QImage before = plot->image();

    PlotCursor* cursor = w.form->velocityCursor();
    QAccessible::setActive(true);
    QCOMPARE(plot->width(), 160);
    QTest::mouseMove(plot, QPoint(20, 100));
    QCOMPARE(cursor->lines().size(), 4);
    QVERIFY(cursor->accessibleName().contains(cursor->lines().constFirst()));
    QTest::mouseMove(plot, QPoint(150, 200)); // within a frame of the last: shown with the next
    QTRY_COMPARE(cursor->lines().size(), 2);  // past the run's end: no curve there
    QCOMPARE(QAccessible::queryAccessibleInterface(cursor)->text(QAccessible::Name),
             cursor->lines().join(QStringLiteral("; ")));
    // On the screen the crosshair shows; the surface's own picture is untouched.
    const QImage shown = plot->grab().toImage();
    QCOMPARE(shown.pixelColor(QPoint(150, 30) * shown.devicePixelRatio()).lightness() < 250, true);
    QCOMPARE(plot->image(), before);
    // Nor is it in the picture the context menu copies or saves.
    const QImage picture = w.form->surfaceExport().picture(SurfaceExport::Surface::Velocity);
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), before.convertToFormat(QImage::Format_RGB32));
    // The mouse and the tooltip reach the surface through it.
    QCOMPARE(w.form->clientArea()->childAt(plot->mapTo(w.form->clientArea(), QPoint(150, 200))), plot);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plot, &leave);
    QVERIFY(cursor->lines().isEmpty());
    QCOMPARE(plot->image(), before);
}

void tst_measuring::nothingToReadBeforeTheFirstRun()
{
    WindowFixture w;
    w.show();
    w.widgets().coordinateOption->setChecked(true);
    QTest::mouseMove(w.widgets().coordinatePlot, QPoint(100, 100));
    QVERIFY(w.form->coordinateCursor()->lines().isEmpty());
    // The animation view has no read-out at all.
    QVERIFY(w.widgets().animationView->findChildren<PlotCursor*>().isEmpty());
}

void tst_measuring::contextMenus()
{
    WindowFixture w;
    w.show();
    // What a right click opens, item by item with its enabled state.
    auto rightClick = [&](CanvasWidget* surface) {
        QStringList items;
        QTimer::singleShot(50, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    items << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
                menu->close();
            }
        });
        surface->show();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), surface->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(surface, &event);
        return items;
    };
    const QStringList animation = {QStringLiteral("Копировать изображение"), QStringLiteral("Сохранить изображение…")};
    QCOMPARE(rightClick(w.widgets().animationView), animation);
    QCOMPARE(rightClick(w.widgets().velocityPlot), animation + QStringList{QStringLiteral("Сохранить данные… (off)")});
    w.widgets().startButton->click();
    QCOMPARE(rightClick(w.widgets().coordinatePlot), animation + QStringList{QStringLiteral("Сохранить данные…")});
    QCOMPARE(rightClick(w.widgets().animationView), animation);
}

void tst_measuring::savedFiles()
{
    WindowFixture w;
    w.show();
    w.widgets().startButton->click();
    w.fakes.messageBox.shown.clear(); // the remark on a run without light
    QTemporaryDir dir;
    SurfaceExport& out = w.form->surfaceExport();
    using S = SurfaceExport::Surface;

    // The picture as shown, at the screen's density, on the clipboard and in a file.
    out.copyImage(S::Velocity);
    const QImage shown = out.picture(S::Velocity);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), shown.size());
    w.fakes.saveDialog.answer = dir.filePath(QStringLiteral("plot.png"));
    out.saveImage(S::Velocity);
    QCOMPARE(w.fakes.saveDialog.asked.back().suggestedName, QStringLiteral("oildrop-velocity.png"));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("plot.png"))).size(), shown.size());

    w.fakes.saveDialog.answer = dir.filePath(QStringLiteral("run.csv"));
    out.saveData(S::Coordinate);
    QCOMPARE(w.fakes.saveDialog.asked.back().suggestedName, QStringLiteral("oildrop-coordinate.csv"));
    QFile csv(dir.filePath(QStringLiteral("run.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), RunTable::csv(w.simulation().record(), QLocale(QLocale::Russian, QLocale::Russia)));

    // Cancelled: nothing written, nothing said.
    w.fakes.saveDialog.answer.clear();
    out.saveData(S::Coordinate);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    QVERIFY(w.fakes.messageBox.shown.empty());
}

void tst_measuring::failedSavesLeaveNothing_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("missing folder") << false;
}

void tst_measuring::failedSavesLeaveNothing()
{
    QFETCH(bool, readOnly);
    WindowFixture w;
    w.show();
    w.widgets().startButton->click();
    w.fakes.messageBox.shown.clear(); // the remark on a run without light
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("gone"));
    if (readOnly) {
        folder = dir.path();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        // The superuser writes anywhere but in /proc.
        if (QFile probe(QDir(folder).filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            folder = QStringLiteral("/proc");
        }
    }
    const QString path = QDir(folder).filePath(QStringLiteral("oildrop-velocity.csv"));
    w.fakes.saveDialog.answer = path;
    w.form->surfaceExport().saveData(SurfaceExport::Surface::Velocity);
    w.fakes.saveDialog.answer = QDir(folder).filePath(QStringLiteral("oildrop-velocity.png"));
    w.form->surfaceExport().saveImage(SurfaceExport::Surface::Velocity);

    QCOMPARE(w.fakes.messageBox.shown.size(), std::size_t(2));
    for (const auto& box : w.fakes.messageBox.shown) {
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(folder)), qPrintable(box.text));
    }
    QVERIFY(!QFile::exists(path));
    if (folder != QLatin1String("/proc"))
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(tst_measuring)
#include "tst_measuring.moc"
