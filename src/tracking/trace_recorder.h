// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The trace of a run for the charts and the trace file: a sample of the main pair every few ticks and a
// record of every completed orbit, each kept within a fixed bound however long the run.

#include <cstdint>
#include <limits>

#include "engine/sim_state.h"
#include "tracking/thinned_series.h"

namespace zephra::tracking {

struct TraceSample {
    double days = 0;         // elapsed virtual time
    double distanceKm = 0;   // between bodies 1 and 2
    double speed1 = 0;       // body 1, fraction of c
    double speed2 = 0;       // body 2, fraction of c
    double energyError = 0;  // (E - E at the run's first tick) / |that E|, see pairEnergy
    double moveErr1Pct = 0;  // movement error of body 1, percent
    double moveErr2Pct = 0;  // movement error of body 2, percent
};

struct OrbitSample {
    double orbit = 0;       // orbit number, 1 for the first
    double days = 0;        // elapsed virtual time when it completed
    double lapMinKm = 0;    // least pair distance of the orbit
    double lapMaxKm = 0;    // greatest pair distance of the orbit
    double minDriftKm = 0;  // lapMinKm minus that of the previous orbit (the start distance for orbit 1)
    double maxDriftKm = 0;  // likewise for lapMaxKm
    double periodDays = 0;  // length of the orbit
};

// Energy of the main pair alone: the kinetic energy of bodies 1 and 2 plus their mutual Newtonian
// potential -G m1 m2 / r. Body 0, minor bodies, spin and relativistic terms are left out, so with those in
// play the error also measures them. Unit: solar masses x km^2 per base iteration^2 (velocities scaled to
// the base iteration), so a change of time scale in the middle of a run does not move it.
double pairEnergy(const SimState& st);

class TraceRecorder {
  public:
    static constexpr std::size_t kMostSamples = 100000;
    static constexpr std::size_t kMostOrbits = 100000;

    TraceRecorder() : samples_(kMostSamples), orbits_(kMostOrbits) {}

    // Off, the recorder keeps what it has and ignores the ticks; switched on, it starts afresh.
    void setEnabled(bool on) {
        if (on && !enabled_) itersSeen_ = kNoTickSeen;
        enabled_ = on;
    }
    bool enabled() const { return enabled_; }

    // Once at the end of every tick that ran to its end. The first tick seen, and a tick whose iteration
    // count did not advance, belong to a new run (a scenario load resets the count); an orbit completed in a
    // tick that ended early (pause after each orbit) is taken from the next one, the state still holding it.
    void afterTick(const SimState& st) {
        if (!enabled_) return;
        if (st.Iters <= itersSeen_) startRun(st);
        itersSeen_ = st.Iters;
        if (st.Laps != lapsSeen_) recordOrbit(st);
        if (samples_.due()) samples_.keep(sampleOf(st));
    }

    const ThinnedSeries<TraceSample>& samples() const { return samples_; }
    const ThinnedSeries<OrbitSample>& orbits() const { return orbits_; }

  private:
    void startRun(const SimState& st);
    void recordOrbit(const SimState& st);
    TraceSample sampleOf(const SimState& st) const;

    static constexpr double kNoTickSeen = std::numeric_limits<double>::infinity();
    bool enabled_ = true;
    double itersSeen_ = kNoTickSeen;  // iteration count of the last tick seen
    double lapsSeen_ = 0;
    double startEnergy_ = 0;
    double prevLapMin_ = 0, prevLapMax_ = 0;  // km, of the orbit before the last recorded
    double lapStartDays_ = 0;
    ThinnedSeries<TraceSample> samples_;
    ThinnedSeries<OrbitSample> orbits_;
};

}  // namespace zephra::tracking
