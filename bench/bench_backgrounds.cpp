// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the three backgrounds (grid, axes, labels) on surfaces of
// 1600 × 1000 px: the animation view on every layout pass, the two plots at
// every start. Reports the median time per surface over the repetitions.

#include "BenchmarkMain.h"
#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "QtCanvas.h"

#include <QApplication>

namespace {

WindowFixture* fixture = nullptr;

/// All three surfaces at 1600 × 1000 px, with the default experiment's ranges.
void prepare()
{
    if (fixture)
        return;
    fixture = new WindowFixture;
    fixture->show();
    const MainWindowControls& c = fixture->form->controls();
    for (Canvas* canvas : {c.animationView, c.coordinatePlot, c.velocityPlot})
        canvas->setGeometry({4, 4, 1600, 1000});
    fixture->fakes.random.values = {0.25f, 0.65f};
    fixture->form->simulation().reset().resetWindow();
    for (Canvas* canvas : {c.animationView, c.coordinatePlot, c.velocityPlot})
        canvas->setGeometry({4, 4, 1600, 1000});
    fixture->form->simulation().scales().setPlotScales();
}

/// The drawing as it stands, so that pending strokes are really rasterised.
void finish(Canvas* canvas)
{
    benchmark::DoNotOptimize(static_cast<QtCanvas*>(canvas)->widget()->image().constBits());
}

void AnimationView(benchmark::State& state)
{
    prepare();
    Simulation& p = fixture->form->simulation();
    Canvas* view = fixture->form->controls().animationView;
    for (auto _ : state) {
        view->clear();
        p.scales().setAnimationScale();
        p.backgrounds().drawAnimationBackground();
        finish(view);
    }
}

void CoordinatePlot(benchmark::State& state)
{
    prepare();
    Simulation& p = fixture->form->simulation();
    Canvas* plot = fixture->form->controls().coordinatePlot;
    for (auto _ : state) {
        plot->clear();
        p.scales().setPlotScales();
        p.backgrounds().drawCoordinateBackground();
        finish(plot);
    }
}

void VelocityPlot(benchmark::State& state)
{
    prepare();
    Simulation& p = fixture->form->simulation();
    Canvas* plot = fixture->form->controls().velocityPlot;
    for (auto _ : state) {
        plot->clear();
        p.scales().setPlotScales();
        p.backgrounds().drawVelocityBackground();
        finish(plot);
    }
}

} // namespace

BENCHMARK(AnimationView)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(CoordinatePlot)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(VelocityPlot)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    const int status = runWidgetBenchmarks(argc, argv);
    delete fixture;
    return status;
}
