// SPDX-License-Identifier: GPL-3.0-or-later
// The tick as the window runs it, against a bare two-body kernel of the same arithmetic as the floor.

#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cmath>

#include "toolkit/headless_platform.h"
#include "tracking/trace_recorder.h"
#include "ui/form_orbit.h"

namespace {

using zephra::FormOrbit;

// Position-first step, pull at the new positions, velocity update: the least a tick can do.
struct BareKernel {
    double px[2] = {0, 152093495}, py[2] = {4608, 4608}, vx[2] = {0, 0},
           vy[2] = {1.3e-8 * 1e7, -0.00439386589 * 1e7};
    const double gm[2] = {2986.1419014 * 1e14, 2986.1419014 * 1e14 * 3.0402e-6};
    void step() {
        for (int i = 0; i < 2; ++i) {
            px[i] += vx[i];
            py[i] += vy[i];
        }
        const double dx = px[1] - px[0], dy = py[1] - py[0];
        const double r2 = dx * dx + dy * dy, r = std::sqrt(r2);
        const double ax = dx / r, ay = dy / r;
        vx[0] += gm[1] / r2 * ax;
        vy[0] += gm[1] / r2 * ay;
        vx[1] -= gm[0] / r2 * ax;
        vy[1] -= gm[0] / r2 * ay;
        benchmark::DoNotOptimize(vx);
        benchmark::DoNotOptimize(vy);
    }
};

void BM_BareKernel(benchmark::State& state) {
    BareKernel kernel;
    for (auto _ : state) kernel.step();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareKernel);

// The processor time of this thread: on a shared machine, time spent waiting for a core is not the tick's.
struct ThreadClock {
    using duration = std::chrono::nanoseconds;
    static duration now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    }
};

// The full tick of a scenario, every panel written as the window needs it, and the bare kernel, timed in
// alternating blocks of the same run so that both see the same machine: tick_ns, kernel_ns and their ratio.
void BM_TickAgainstKernel(benchmark::State& state) {
    using Clock = ThreadClock;
    constexpr int kBlock = 1000;
    const int scenario = static_cast<int>(state.range(0));
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    form.CDp[scenario].press();
    BareKernel kernel;
    Clock::duration tickTime{}, kernelTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int k = 0; k < kBlock; ++k) kernel.step();
        const auto kernelDone = Clock::now();
        for (int k = 0; k < kBlock; ++k) {
            if (!form.Ti.enabled()) form.CDp[scenario].press();
            form.Ti_Timer();
        }
        tickTime += Clock::now() - kernelDone;
        kernelTime += kernelDone - start;
    }
    const auto perStep = [&](Clock::duration total) {
        return std::chrono::duration<double, std::nano>(total).count() /
               (static_cast<double>(state.iterations()) * kBlock);
    };
    state.counters["tick_ns"] = perStep(tickTime);
    state.counters["kernel_ns"] = perStep(kernelTime);
    state.counters["ratio"] = perStep(tickTime) / perStep(kernelTime);
}
BENCHMARK(BM_TickAgainstKernel)->Arg(10)->Arg(21);

// What a front end does when it repaints: read the texts of every control that changed.
std::size_t readChangedTexts(FormOrbit& form) {
    std::size_t characters = 0;
    for (zephra::toolkit::Control* c : form.takeDirty()) {
        characters += c->caption().size() + c->toolTip().size();
        if (c->kind() == zephra::toolkit::ControlKind::TextBox)
            characters += static_cast<zephra::toolkit::TextBox*>(c)->text().size();
    }
    return characters;
}

// Ticks of a scenario with every panel written; with repaint set, every changed text is also read after
// every tick, as if the screen were refreshed once per iteration (the window refreshes far less often).
// The trace recorder is on, as in the window, unless traced is false.
void runTicks(benchmark::State& state, bool repaint, bool traced = true) {
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    zephra::tracking::TraceRecorder recorder;
    if (traced) form.onTickDone = [&recorder](const zephra::SimState& done) { recorder.afterTick(done); };
    form.CDp[static_cast<int>(state.range(0))].press();
    for (auto _ : state) {
        if (!form.Ti.enabled()) {
            state.PauseTiming();
            form.CDp[static_cast<int>(state.range(0))].press();
            state.ResumeTiming();
        }
        form.Ti_Timer();
        if (repaint) benchmark::DoNotOptimize(readChangedTexts(form));
    }
    state.SetItemsProcessed(state.iterations());
}
void BM_FullTick(benchmark::State& state) {
    runTicks(state, false);
}
void BM_FullTickReadEveryTick(benchmark::State& state) {
    runTicks(state, true);
}
// 10 Newton, 11 General and Special Relativity, 13 black holes at the finest time scale, 31 gas clouds.
BENCHMARK(BM_FullTick)->Arg(10)->Arg(11)->Arg(13)->Arg(31);
BENCHMARK(BM_FullTickReadEveryTick)->Arg(10)->Arg(11);
// What the trace recorder adds to a tick: the same ticks with it off (0) and on (1), side by side.
void BM_TickRecorder(benchmark::State& state) {
    runTicks(state, false, state.range(1) != 0);
}
BENCHMARK(BM_TickRecorder)
    ->ArgNames({"scenario", "recorder"})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({13, 0})
    ->Args({13, 1});

}  // namespace
