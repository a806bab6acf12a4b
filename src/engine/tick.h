// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tick: one iteration of the simulation, position first. Bodies move with last tick's velocities, the
// pull is taken at the new positions, then the velocities receive it and the speed limit of the chosen
// physics applies. A window holds one Tick for the life of its run state.

#include "engine/pair_pull.h"
#include "engine/sim_state.h"
#include "engine/spin_pattern.h"
#include "engine/tick_io.h"
#include "toolkit/surface.h"

namespace zephra::engine {

// How a tick ended.
enum class TickEnd {
    Completed,
    BodiesOnOnePoint,  // bodies 1 and 2 at distance 0: no direction between them; the velocities are
                       // untouched
    NotFinite,         // a position or velocity is no longer a finite number
};

class Tick {
  public:
    // Steps the state by one iteration. The orbit statistics of the tick's start and end, the clock and the
    // trace are the window's: it runs them before and after.
    TickEnd advance(SimState& st, TickSettings& settings, TickWindow& window, toolkit::Surface& surface);
    // Turns body i's surface pattern (1 or 2) by its spin and draws it, as every tick does with the pattern
    // on.
    void turnPattern(int i, SimState& st, TickSettings& settings, TickWindow& window,
                     toolkit::Surface& surface);
    // The panel numbers as this tick left them.
    const TickPanels& panels() const { return panels_; }

  private:
    friend class TickRun;
    // Working values of one tick; Ax, Ay and the radii carry over from pair to pair.
    struct Work {
        Bodies<double> AccX{}, AccY{};  // km per iteration, this tick's velocity change
        Bodies<double> OldV{};          // speed / c before the velocity update
        double SumAx = 0, SumAy = 0;    // km per iteration, the pull summed over the pulling bodies
        double Ax = 0, Ay = 0;          // km per iteration, pull of the current pair
        double RadI = 0, RadJ = 0;      // km, radii of the pulled and the pulling body
        float PairTag = 0;              // 1 or 2 once the main pair touches
        double GravSpeed = 0;           // km/s
        bool OddLap = false;            // an odd orbit count: the orbit line in its other shade
        PullMemo Memo;                  // the instant pull of the last pair, for the same pair reversed
        // A tick keeps no pull, radius or memo of the last one. The per-body arrays, the speed of gravity and
        // the orbit's shade are left as they are: every tick writes them before reading them.
        void startTick() {
            SumAx = SumAy = Ax = Ay = RadI = RadJ = 0;
            PairTag = 0;
            Memo = PullMemo{};
        }
    };
    Work work_{};
    PairSlots<PatternPlacer> patternPlacers_{};  // where each body's surface pattern falls, remembered
    TickPanels panels_{};
};

// Whether the tick draws the main pair's turning surface pattern (else the orbit line only).
inline bool drawsSurfacePattern(const SimState& st) {
    return st.BodyDraw == 8;
}

// How far a body's edge passes c as the decay sees it; with the Vessor theory on, body i (1..9) sheds its
// share of mass to body 0 (none once the pair has touched this tick).
double decayBody(SimState& st, bool vessor, int i, double orbitalSpeed, double spinSpeed);

// Marks body 2's start on the drawing in the origin colour.
void markBody2Start(SimState& st, toolkit::Surface& surface, toolkit::Color colour);

}  // namespace zephra::engine
