// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The read-out under the mouse on the velocity plot at a 1920 × 1080 client
// area, after an irradiated run: one mouse move, from the event to the
// repainted overlay (crosshair and read-out box, and the surface beneath
// them), each move repainted at once rather than at the next frame. Reports
// the median over the repetitions and how many repaints each move caused.

#include "BenchmarkMain.h"
#include "WindowFixture.h"

#include "PlotCursor.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

/// Counts the paints of the overlay.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void MouseMoveOverVelocityPlot1920x1080(benchmark::State& state)
{
    WindowFixture w;
    w.show();
    if (!w.resizeClientArea(QSize(1920, 1080))) {
        state.SkipWithError("client area not 1920 x 1080");
        return;
    }
    w.fakes.timer.during[20] = [&] { w.widgets().lightButton->click(); };
    w.widgets().startButton->click();
    w.widgets().velocityOption->setChecked(true);
    QApplication::processEvents();

    CanvasWidget* plot = w.widgets().velocityPlot;
    PlotCursor* cursor = w.form->velocityCursor();
    PaintCounter counter;
    plot->installEventFilter(&counter);
    int moves = 0;
    for (auto _ : state) {
        // Along the curve, a few pixels at a time, as a hand moves the mouse.
        const QPointF at(20 + (moves % 160) * 3, 150 + (moves % 7));
        QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        cursor->showNow(); // not waiting for the next frame
        QApplication::processEvents();
        ++moves;
    }
    state.counters["repaints/move"] = static_cast<double>(counter.paints) / std::max(1, moves);
    if (cursor->lines().size() != 4)
        state.SkipWithError("no read-out of the curve");
}

} // namespace

BENCHMARK(MouseMoveOverVelocityPlot1920x1080)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
