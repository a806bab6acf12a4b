// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the tick touches besides the simulation state and the drawing: the settings it reads, the few
// effects it asks of the window while it runs, and the panel numbers it leaves for the window to show.

#include <optional>
#include <string_view>

#include "engine/sim_state.h"
#include "toolkit/color.h"

namespace zephra::engine {

// The window's settings as the tick reads them, taken from the controls when the tick starts. The tick
// changes a few of them itself as it goes (marked "changed by the tick") and tells the window through
// TickWindow, so that what it reads later in the same tick is what the window then shows. A setting that only
// matters under an option (the friction, the delay's kind, the error limit, the dark shade, the pattern) may
// be left 0 while that option is off.
struct TickSettings {
    // Physics options.
    bool specialRelativity =
        false;                   // "Special Relativity"; changed by the tick: ticked by the Einstein check
    bool vessor = false;         // "Tor Varn's Vessor Theory": spin carries speed beyond c
    bool gravityDelay = false;   // "General Relativity"; changed by the tick: off at a gravity speed of 0
    bool darkCloud = false;      // "Dark Cloud"
    bool bounce = false;         // "Bounce": bodies in contact as solids
    double gravitySpeed = 0;     // multiples of c
    double darkFriction = 0;     // fraction of every velocity removed per iteration (with the cloud)
    double gravityExponent = 0;  // distance exponent of the gravity law
    std::optional<double> pullingBodies{};  // highest body number that pulls; none: every body pulls
    PairSlots<double> radius{};             // km, bodies 1 and 2
    double yieldSpin = 0;  // radians per iteration: below this spin of the pair, bodies yield
    // Gravity delay.
    bool temporalDelay = false;  // the origin from the history (else from the velocity); changed by the tick
    bool delaySwitch = false;    // the tick chooses the kind of delay by its error
    double switchErrorPct = 0;   // percent: temporal while the delay error stays below it
    // Ends of the run.
    bool impactContinues = false;  // a run goes on after the main pair impacts
    bool endOnError = false;       // a movement error above errorLimitPct ends the run
    double errorLimitPct = 0;      // percent
    bool endAtEdge = false;        // a body leaving the drawing ends the run (else the scale widens)
    bool verifyEinstein = false;   // show the Einstein check for body 2 once; changed by the tick: unticked
    // Drawing.
    bool alternateShade = false;                // odd orbits drawn in the dark shade
    PairSlots<toolkit::Color> orbitLight{};     // orbit line of bodies 1 and 2, light shade
    PairSlots<toolkit::Color> orbitDark{};      // the same, dark shade
    toolkit::Color originColour = 0;            // gravity origins and body 2's start mark
    PairSlots<toolkit::Color> patternColour{};  // surface pattern of bodies 1 and 2
    bool hideSmallPatterns = false;             // "Auto": no pattern on a disc under 60 twips
    double patternRings = 0;   // rings of the surface pattern, as typed; changed by the tick (contact, limit)
    double patternPoints = 0;  // points per ring, as typed; changed by the tick (limit)
};

// The options the tick itself ticks or unticks.
enum class TickOption {
    SpecialRelativity,  // Cosmos(1)
    GravityDelay,       // Cosmos(3)
    VerifyEinstein,     // LVLV
};

// The window's two notice lines.
enum class NoticeLine { Run, GravityDelay };  // LaChirp(1), LaChirp(2)

// What the tick asks of the window while it runs, in the order it asks. Each call is carried out at once:
// selecting or ticking a control runs its Click handler, which may change the state before the tick goes on.
class TickWindow {
  public:
    virtual ~TickWindow() = default;
    // Dist now holds this tick's distance of the main pair: the orbit statistics take it.
    virtual void pairDistanceKnown() = 0;
    virtual void setOption(TickOption option, bool ticked) = 0;
    // Selects the temporal (true) or spatial gravity-delay option.
    virtual void selectDelayKind(bool temporal) = 0;
    // DistIdx now names a wider scale, option k: the window selects it and says so in the run's notice.
    virtual void widenDistanceScale(int k) = 0;
    virtual void messageBox(std::string_view text, std::string_view title) = 0;
    // A notice in the alert colours (the fore colour of TXGspeed on the back colour of FraSpin).
    virtual void alert(NoticeLine line, std::string_view text) = 0;
    // The gravity history's note: restarted at slot 0, filled past its start (the restart note goes, if it
    // still shows), and the delayed pull waiting for the history to fill (shown) or using it (hidden).
    virtual void historyRestarted() = 0;
    virtual void historyFilled() = 0;
    virtual void delayBuffering(bool waiting) = 0;
    // The tick has set the rings or the points of the surface pattern (Text6, Text3).
    virtual void setPatternRings(int rings) = 0;
    virtual void setPatternPoints(int points) = 0;
};

// How the main pair's last speed change went, as the limit labels show it.
enum class SpeedTrend { AtRest, Faster, Slower, Same };
// What the gravity-delay time panel shows.
enum class DelayShown { Untouched, Instant, Seconds };

// The numbers of the panels, as plain values, the way the tick last wrote them. Each group says whether this
// tick wrote it: the window shows only those, so a panel the tick passed by keeps what it showed.
struct TickPanels {
    struct Body {  // the body panel of bodies 1 and 2
        bool written = false;
        double orbitalSpeed = 0;  // speed / c
        double mass = 0;          // solar masses, before this tick's decay
        double spin = 0;          // radians per iteration, before this tick's decay
        double surfaceSpeed = 0;  // speed / c of the turning edge, of the spin left after decay
    };
    struct Movement {  // the movement errors of bodies 1 and 2
        bool written = false;
        double error = 0;    // percent, this tick
        double largest = 0;  // percent, since the scenario start
    };
    struct Trend {  // the limit label of bodies 1 and 2
        bool written = false;
        SpeedTrend trend = SpeedTrend::AtRest;
    };
    PairSlots<Body> body{};
    PairSlots<Movement> movement{};
    PairSlots<Trend> trend{};
    // Gravity delay of the last pair that computed one.
    DelayShown delay = DelayShown::Untouched;
    double delaySeconds = 0;  // s, may be infinite or not a number
    bool delayIterationsWritten = false;
    double delayIterations = 0;  // iterations, may be infinite or not a number
    bool delayErrorWritten = false;
    double delayErrorPct = 0;  // percent
    // The Special Relativity button: its colour for body 2's difference, and whether it shows.
    bool srReadoutWritten = false;
    SrReadout srReadout = SrReadout::Slowing;
    bool srButtonWritten = false;
    bool srButtonShown = false;

    void startTick() {
        for (int b = 0; b < kPairSlots; ++b) body[b].written = movement[b].written = trend[b].written = false;
        delay = DelayShown::Untouched;
        delayIterationsWritten = delayErrorWritten = srReadoutWritten = srButtonWritten = false;
    }
};

}  // namespace zephra::engine
