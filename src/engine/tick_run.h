// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One tick in progress: the state, the settings, the window and the drawing it works on, and its steps,
// each physics model's in the file of the model (tick.cpp, gravity_delay.cpp, contact.cpp, relativity.cpp,
// spin_decay.cpp). Only the engine's own files see this.

#include "engine/tick.h"

namespace zephra::engine {

class TickRun {
  public:
    TickRun(Tick& tick, SimState& st, TickSettings& settings, TickWindow& window, toolkit::Surface& surface)
        : st(st),
          settings(settings),
          window(window),
          surface(surface),
          work(tick.work_),
          panels(tick.panels_),
          patternPlacers(tick.patternPlacers_) {}

    TickEnd advance();
    void turnPattern(int i);  // spin_decay.cpp

  private:
    void readTickParameters();
    void recordHistory();
    void moveBodies();
    void showBodyPanel(int i);
    void gravityLoop();
    void pullOnPair(int i, int j);
    void contactStep(int i, int j, double r, double contactDist, double dx);  // contact.cpp
    double delayedPull(int i, int j, double r, double dx, double dy);  // gravity_delay.cpp; the dy that
                                                                       // signs Ay
    void plotBody(int i);
    void rememberSpeeds();
    void applyAccelerations();
    void keepOnScreen(int b);
    void lightSpeedLimit(int k);                // relativity.cpp
    void verifyVelocityMessage(double deltaV);  // relativity.cpp
    bool stateIsFinite() const;

    SimState& st;
    TickSettings& settings;
    TickWindow& window;
    toolkit::Surface& surface;
    Tick::Work& work;
    TickPanels& panels;
    PairSlots<PatternPlacer>& patternPlacers;
};

}  // namespace zephra::engine
