// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Experiment.h"
#include "MicroscopeScene.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "Spray.h"

#include <QtTest>

#include <cmath>

/// The field as the eye sees it: droplets in focus are points of light where
/// they are, droplets far out of focus are not there; a click and Tab choose
/// a droplet, and the list of what is seen follows the droplets.
class tst_microscope : public QObject {
    Q_OBJECT

private slots:
    void seenWhereTheDropletsAre();
    void chosenByClickAndTab();
    void focusedByTheKnob();
};

namespace {

/// The brightest of the pixels within `reach` of (x, y).
int brightness(const QImage& image, double x, double y, int reach)
{
    int most = 0;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy);
            if (image.rect().contains(p))
                most = std::max(most, qGray(image.pixel(p)));
        }
    return most;
}

} // namespace

void tst_microscope::seenWhereTheDropletsAre()
{
    Spray spray(Experiment::defaultSetup(), 7, RealismLevel::Standard, false);
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    for (const bool inverted : {false, true}) {
        MicroscopeView view;
        view.resize(400, 400);
        view.setSpray(&spray);
        view.setInverted(inverted);
        const QImage image = view.grab().toImage();
        const MicroscopeScene scene(spray, 400, 400, inverted);
        int lit = 0, dark = 0;
        for (const Spray::Droplet& d : spray.droplets()) {
            if (!spray.inView(d))
                continue;
            const double x = scene.toX(d.X), y = scene.toY(d.Y);
            if (spray.sharpness(d) > 0.9) {
                QVERIFY2(brightness(image, x, y, 1) > 200, qPrintable(QStringLiteral("droplet %1").arg(d.id)));
                ++lit;
            } else if (spray.sharpness(d) == 0 && scene.spotAt(x, y, 12) == 0) {
                // Far out of focus, and no other spot near: the dark field
                // and maybe a line of the reticle, no light.
                QVERIFY2(brightness(image, x, y, 1) < 100, qPrintable(QStringLiteral("droplet %1").arg(d.id)));
                ++dark;
            }
        }
        QVERIFY(lit > 0 && dark > 0);
    }
}

void tst_microscope::chosenByClickAndTab()
{
    Spray spray(Experiment::defaultSetup(), 7, RealismLevel::Standard, false);
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    MicroscopeView view;
    view.resize(400, 400);
    view.setSpray(&spray);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy chosen(&view, &MicroscopeView::selectedChanged);
    // Tab: nearest the centre first, then outwards; Shift+Tab back.
    const std::vector<int> order = spray.visibleByDistance();
    QVERIFY(order.size() >= 3);
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(view.selected(), order[0]);
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(view.selected(), order[1]);
    QTest::keyClick(&view, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(view.selected(), order[0]);
    // A click on the third droplet's point of light chooses it, and the ring is drawn.
    const MicroscopeScene scene(spray, view.width(), view.height(), false);
    const Spray::Droplet& third = *spray.droplet(order[2]);
    QTest::mouseClick(&view, Qt::LeftButton, {},
                      QPoint(static_cast<int>(std::lround(scene.toX(third.X)) + 2),
                             static_cast<int>(std::lround(scene.toY(third.Y)))));
    QCOMPARE(view.selected(), order[2]);
    QCOMPARE(chosen.count(), 4);
    // What the eye sees, a line per droplet in view, in the same order.
    const QStringList lines = view.seen();
    QCOMPARE(lines.size(), qsizetype(order.size()));
    QVERIFY2(lines[0].startsWith(QStringLiteral("капля %1: ").arg(order[0])), qPrintable(lines[0]));
    QVERIFY(lines[0].contains(QStringLiteral("падает на деление за ")));
    // Ten more seconds' fall: the list follows the droplets.
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    QCOMPARE(view.seen().size(), qsizetype(spray.visibleByDistance().size()));
}

void tst_microscope::focusedByTheKnob()
{
    Spray spray(Experiment::defaultSetup(), 7, RealismLevel::Standard, false);
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    MicroscopeWindow window;
    window.setSpray(&spray);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.seenList()->count(), qsizetype(spray.visibleByDistance().size()));
    // The deepest droplet in view, chosen: unseen, it cannot be timed.
    const Spray::Droplet* deep = nullptr;
    for (const Spray::Droplet& d : spray.droplets())
        if (spray.inView(d) && (!deep || d.Z > deep->Z))
            deep = &d;
    QVERIFY(deep && deep->Z > Spray::VisibleDepth);
    window.view()->select(deep->id);
    QVERIFY2(window.chosenLabel()->text().contains(QStringLiteral("засечь её время нельзя")),
             qPrintable(window.chosenLabel()->text()));
    // Ctrl+Up turns the focus down into the cloud, a step at a time, until the droplet is seen.
    int presses = 0;
    while (!spray.visible(*deep) && presses < 100) {
        QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
        ++presses;
    }
    QCOMPARE(window.focusSlider()->value(), presses);
    QVERIFY(std::fabs(spray.focus() - presses * MicroscopeWindow::FocusStep) < 1e-12);
    QVERIFY(spray.visible(*deep));
    QCOMPARE(window.chosenLabel()->text(), QStringLiteral("Выбрана капля %1: «ПУСК» поймает её.").arg(deep->id));
    // The list says what the view says, line by line.
    const QStringList seen = window.view()->seen();
    QCOMPARE(window.seenList()->count(), seen.size());
    for (int i = 0; i < seen.size(); ++i)
        QCOMPARE(window.seenList()->item(i)->text(), seen[i]);
}

QTEST_MAIN(tst_microscope)
#include "tst_microscope.moc"
