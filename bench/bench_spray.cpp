// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a spray of droplets costs per step of the laboratory: moving every
// droplet (the field, three Brownian kicks each) and painting the view
// through the microscope (420 × 420 px, every droplet a radial gradient).
// A held drop steps every 50 ms at slow-down 5: the share of a core is the
// CPU time per step (or paint) over 50 ms.
//   QT_QPA_PLATFORM=offscreen ./bench/bench_spray

#include "Experiment.h"
#include "MicroscopeView.h"
#include "Spray.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

/// The first seed's spray of `count` droplets or more.
Spray sprayOf(int count)
{
    for (std::uint64_t seed = 1;; ++seed) {
        Spray spray(Experiment::defaultSetup(), seed, RealismLevel::Standard, true);
        if (static_cast<int>(spray.droplets().size()) >= count)
            return spray;
    }
}

void SprayStep100(benchmark::State& state)
{
    // Five seconds of fall without field (100 steps) from the spray, every
    // droplet still between the plates: each run from a fresh copy.
    const Spray sprayed = sprayOf(100);
    int moving = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Spray spray = sprayed;
        state.ResumeTiming();
        for (int k = 0; k < 100; ++k)
            spray.step(0.05, 0);
        state.PauseTiming();
        moving = static_cast<int>(std::count_if(spray.droplets().begin(), spray.droplets().end(),
                                                [](const Spray::Droplet& d) { return !d.gone; }));
        state.ResumeTiming();
    }
    state.counters["droplets moving"] = moving;
    state.counters["steps"] = 100;
}
BENCHMARK(SprayStep100);

void MicroscopePaint100(benchmark::State& state)
{
    Spray spray = sprayOf(100);
    // Ten seconds' fall: the cloud in the middle of the view.
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    MicroscopeView view;
    view.resize(420, 420);
    view.setSpray(&spray);
    QImage image(420, 420, QImage::Format_ARGB32_Premultiplied);
    int seen = 0;
    for (const Spray::Droplet& d : spray.droplets())
        seen += spray.visible(d) ? 1 : 0;
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["droplets seen"] = seen;
}
BENCHMARK(MicroscopePaint100);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
