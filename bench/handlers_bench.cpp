// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers that must never make the window stall: a scenario load, the orbit-line repair, the drift
// recorder.

#include <benchmark/benchmark.h>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace {

using zephra::FormOrbit;

void BM_ScenarioLoad(benchmark::State& state) {
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    for (auto _ : state) form.CDp[10].press();
}
BENCHMARK(BM_ScenarioLoad)->Unit(benchmark::kMicrosecond);

void BM_RepairMillionIterations(benchmark::State& state) {
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    form.CDp[10].press();
    for (int k = 0; k < 1000000 && form.Ti.enabled(); ++k) form.Ti_Timer();
    form.st.Iters = 1000000;
    for (auto _ : state) form.CDrepair_Click();
}
BENCHMARK(BM_RepairMillionIterations)->Unit(benchmark::kMillisecond);

void BM_Drifter(benchmark::State& state) {
    zephra::toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    form.CDp[7].press();
    form.st.Laps = 2;
    for (auto _ : state) form.Drifter();
}
BENCHMARK(BM_Drifter)->Unit(benchmark::kMicrosecond);

}  // namespace
