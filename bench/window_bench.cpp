// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window at the run timer's pace: how many ticks a second it sustains at a given interval, and
// how much of one core it uses to do so, with the panels mirrored at the screen's pace, and the most memory
// the program has held.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>

#include "qt/desktop_app.h"
#include "toolkit/headless_platform.h"

namespace {

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Scenario 10 in the window with the run timer at the interval, for two seconds of wall time.
void BM_WindowTicks(benchmark::State& state) {
    const int interval = static_cast<int>(state.range(0));
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    zephra::qt::DesktopApp app(platform);
    app.show();
    for (auto _ : state) {
        app.model().CDp[10].press();
        app.model().Ti.setInterval(interval);
        app.show();  // brings the new interval to the window's timer
        const double startIters = app.model().st.Iters;
        const double startCpu = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(2000, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        state.counters["ticks_per_second"] = (app.model().st.Iters - startIters) / seconds;
        state.counters["cores_used"] = (processCpuSeconds() - startCpu) / seconds;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["max_resident_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
    }
}
BENCHMARK(BM_WindowTicks)->Arg(1)->Arg(15)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
