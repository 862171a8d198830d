// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole layout-and-reset pass of the main window at a 1920 × 1080 client
// area: layout of every control, derived quantities and their read-outs, the
// animation view cleared and redrawn. Reports the median over the repetitions.

#include "BenchmarkMain.h"
#include "WindowFixture.h"

#include "CanvasWidget.h"
#include "QtCanvas.h"

namespace {

void ResetWindow1920x1080(benchmark::State& state)
{
    WindowFixture w;
    w.show();
    if (!w.resizeClientArea(QSize(1920, 1080))) {
        state.SkipWithError("client area not 1920 x 1080");
        return;
    }
    Simulation& p = w.form->simulation();
    auto* view = static_cast<QtCanvas*>(w.form->controls().animationView)->widget();
    for (auto _ : state) {
        p.reset().resetWindow();
        benchmark::DoNotOptimize(view->image().constBits());
    }
}

} // namespace

BENCHMARK(ResetWindow1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
