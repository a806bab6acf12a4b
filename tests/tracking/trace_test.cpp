// SPDX-License-Identifier: GPL-3.0-or-later
// The run's trace: the bounded, evenly thinned record, the recorder's numbers on a real run of the Earth
// about the Sun, and the trace file read back as written, and as copied.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

#include "tracking/trace_csv.h"
#include "tracking/trace_recorder.h"
#include "tracking_fixture.h"

namespace zephra::testing {
namespace {

using tracking::OrbitSample;
using tracking::TraceSample;

TEST(ThinnedSeries, StaysBoundedAndEvenlySpacedOverAnyLength) {
    tracking::ThinnedSeries<int> series(8);
    for (int offer = 0; offer < 1000; ++offer) {
        if (series.due()) series.keep(offer);
        const auto& kept = series.items();
        ASSERT_LT(kept.size(), 8u);
        // Kept: offers 0, stride, 2 x stride ... up to the last offer due.
        for (std::size_t k = 0; k < kept.size(); ++k)
            ASSERT_EQ(kept[k], static_cast<int>(k * series.stride()));
        ASSERT_GT(static_cast<int>((kept.size()) * series.stride()), offer) << "an offer due was not kept";
    }
    EXPECT_EQ(series.stride(), 256u);
    const auto generation = series.thinnings();
    series.clear();
    EXPECT_TRUE(series.items().empty());
    EXPECT_NE(series.thinnings(), generation);
    EXPECT_TRUE(series.due());
}

class TraceRun : public TrackingTest {
  protected:
    TraceRun() {
        form.onTickDone = [this](const SimState& done) { recorder.afterTick(done); };
    }
    tracking::TraceRecorder recorder;
    // Loads the scenario and ticks until its first orbit is complete; the ticks it took.
    int runFirstOrbit(int scenario) {
        form.CDp[scenario].press();
        int ticks = 0;
        while (st.Laps < 1 && form.Ti.enabled() && ticks < 100000) {
            form.Ti_Timer();
            ++ticks;
        }
        return ticks;
    }
};

// The tick's position-first step keeps the Earth's orbital energy within a few parts in a million over an
// orbit (measured: 5.03e-6 at the largest); a potential of the wrong sign gives 4.5e-2.
constexpr double kEnergyBoundOneOrbit = 1e-5;

TEST_F(TraceRun, EarthOrbitSamplesEveryTickAndRecordsTheOrbitAsTheDriftFileDoes) {
    const int ticks = runFirstOrbit(10);
    ASSERT_EQ(st.Laps, 1);
    const auto& samples = recorder.samples().items();
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(ticks));
    double worst = 0;
    for (const TraceSample& s : samples) worst = std::max(worst, std::abs(s.energyError));
    EXPECT_LT(worst, kEnergyBoundOneOrbit);
    EXPECT_GT(worst, 0);
    EXPECT_EQ(samples.front().energyError, 0);
    const TraceSample& last = samples.back();
    EXPECT_EQ(last.days, st.ElapsedDays);
    EXPECT_EQ(last.distanceKm, st.Dist);
    EXPECT_EQ(last.speed2, speedAsC(st, st.VelX[2], st.VelY[2]));
    EXPECT_EQ(last.moveErr2Pct, st.MoveErr[2]);
    EXPECT_NEAR(last.speed2 * kLightC, 29.8, 1.0);  // km/s, the Earth's mean orbital speed

    const auto& orbits = recorder.orbits().items();
    ASSERT_EQ(orbits.size(), 1u);
    const OrbitSample& orbit = orbits[0];
    EXPECT_EQ(orbit.orbit, 1);
    EXPECT_EQ(orbit.lapMinKm, st.FirstLaps[0][1]);
    EXPECT_EQ(orbit.lapMaxKm, st.FirstLaps[1][1]);
    EXPECT_EQ(orbit.minDriftKm, st.FirstLaps[0][1] - st.StartDist);
    EXPECT_EQ(orbit.maxDriftKm, st.FirstLaps[1][1] - st.StartDist);
    EXPECT_EQ(orbit.periodDays, st.LapStartDays);
    EXPECT_NEAR(orbit.periodDays, 365.256, 10);

    // A new scenario starts a new trace.
    form.CDp[10].press();
    form.Ti_Timer();
    EXPECT_EQ(recorder.samples().items().size(), 1u);
    EXPECT_TRUE(recorder.orbits().items().empty());
}

TEST(TraceCsv, ReadsBackEveryNumberAsWrittenAndRefusesWhatIsNotATrace) {
    const double awkward[] = {0.1,
                              1.0 / 3,
                              -0.0,
                              5e-324,
                              1.7976931348623157e308,
                              -152093495.123456789,
                              std::numeric_limits<double>::infinity()};
    std::vector<TraceSample> samples;
    std::vector<OrbitSample> orbits;
    for (double v : awkward) {
        samples.push_back({v, v * 3, v / 7, -v, v * 1e-9, v + 1, v - 1});
        orbits.push_back({v, -v, v * 2, v / 3, v * 1e5, v, v / 11});
    }
    std::stringstream file;
    tracking::writeTraceCsv(file, samples, orbits);
    const auto read = tracking::readTraceCsv(file);
    ASSERT_TRUE(std::holds_alternative<tracking::Trace>(read)) << std::get<std::string>(read);
    const auto& trace = std::get<tracking::Trace>(read);
    ASSERT_EQ(trace.samples.size(), samples.size());
    ASSERT_EQ(trace.orbits.size(), orbits.size());
    EXPECT_EQ(std::memcmp(trace.samples.data(), samples.data(), samples.size() * sizeof(TraceSample)), 0);
    EXPECT_EQ(std::memcmp(trace.orbits.data(), orbits.data(), orbits.size() * sizeof(OrbitSample)), 0);

    const std::string header = tracking::traceCsvHeader() + "\n";
    const std::string tick = "tick,1,2,3,4,5,6,7,,,,,,\n";
    const std::pair<std::string, const char*> refused[] = {
        {"days,distance\n", "line 1"},
        {header + tick + "tick,1,2,3,x,5,6,7,,,,,,\n", "line 3: speed2_c"},
        {header + "orbit,1,,,,,,,1,2,3,4,5\n", "line 2: 14 fields"},
        {header + tick + "orbit,1,,,,,,,1,2,x,4,5,6\n", "line 3: lap_max_km"},
        {header + "lap,1,,,,,,,1,2,3,4,5,6\n", "line 2: a row is"},
        {header + tick + "\n\n", "line 3: a blank line"},  // one blank line at the end, not two
        {header + "\n" + tick, "line 2: a blank line"},
        {tracking::traceCsvHeader() + ",drift_from\n" + tick, "line 2: 15 fields"},
    };
    for (const auto& [text, why] : refused) {
        std::istringstream in(text);
        const auto result = tracking::readTraceCsv(in);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << text;
        EXPECT_EQ(std::get<std::string>(result).find(why), 0u) << std::get<std::string>(result);
    }
}

// Copies made elsewhere: CR LF line ends, a blank line at the end; and the window's table, which says what
// each orbit's drift is taken from.
TEST(TraceCsv, ReadsCopiesWithOtherLineEndsAndTheTableThatSaysWhereEachDriftIsFrom) {
    const std::vector<TraceSample> samples{{1, 2, 3, 4, 5, 6, 7}};
    const std::vector<OrbitSample> orbits{{1, 10, 4, 5, -6, 7, 10}, {2, 20, 4.5, 5, 0.5, 0, 10}};
    std::ostringstream plain, table;
    tracking::writeTraceCsv(plain, samples, orbits);
    tracking::writeTraceCsv(table, samples, orbits, tracking::DriftFrom::said);
    EXPECT_EQ(plain.str(), tracking::traceCsvHeader() + "\ntick,1,2,3,4,5,6,7,,,,,,\n" +
                               "orbit,10,,,,,,,1,4,5,-6,7,10\norbit,20,,,,,,,2,4.5,5,0.5,0,10\n");
    EXPECT_EQ(table.str(),
              tracking::traceCsvHeader() + ",drift_from\ntick,1,2,3,4,5,6,7,,,,,,,\n" +
                  "orbit,10,,,,,,,1,4,5,-6,7,10,start\norbit,20,,,,,,,2,4.5,5,0.5,0,10,previous\n");

    std::string crlf;
    for (const char c : plain.str()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {crlf, plain.str() + "\n", crlf + "\r\n", table.str()}) {
        std::istringstream in(text);
        const auto read = tracking::readTraceCsv(in);
        ASSERT_TRUE(std::holds_alternative<tracking::Trace>(read)) << std::get<std::string>(read);
        const auto& trace = std::get<tracking::Trace>(read);
        ASSERT_EQ(trace.samples.size(), 1u);
        ASSERT_EQ(trace.orbits.size(), 2u);
        EXPECT_EQ(std::memcmp(trace.orbits.data(), orbits.data(), 2 * sizeof(OrbitSample)), 0);
    }
}

}  // namespace
}  // namespace zephra::testing
