// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole simulation lives in one set of variables, kept for the life of the window and reset (never
// reallocated) by a scenario load. Names follow the window's handlers; each field says its unit.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <type_traits>

namespace zephra {

inline constexpr int kBodySlots = 10;  // bodies 0..9 of the physical arrays
inline constexpr int kPairSlots = 3;   // slot 0 and the main pair, for screen, spin and bookkeeping arrays
inline constexpr int kHistorySlots = 1000001;  // history slots 0..1000000
inline constexpr int kHistoryWrap = 1000000;   // the slot counter returns to 0 here
inline constexpr int kSurfPoints = 33;         // points 0..32 of the surface pattern
inline constexpr int kSurfRings = 7;           // rings 0..6 of the surface pattern

inline constexpr double kLightC = 299792.458;          // km/s
inline constexpr double kGMsunDefault = 2986.1419014;  // km^3 per base iteration^2
inline constexpr double kSolarMassKg = 1.98855;        // x 10^30 kg
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kHalfPi = 1.5707963267949;
inline constexpr double kMoveErrFactor = 125.68;

// Position history of the main pair, one slot per tick, for the finite speed of gravity and the repair of
// the orbit line. Allocated once and zero-filled by the system as each page is first touched, so the slots
// no run has reached cost no memory.
template <typename T>
class History {
    static_assert(std::is_trivial_v<T>, "the history is zero-filled as raw memory");

  public:
    History()
        : data_(
              static_cast<T*>(std::calloc(static_cast<std::size_t>(kHistorySlots) * kPairSlots, sizeof(T)))) {
        if (!data_) throw std::bad_alloc();
    }
    T& operator()(int slot, int body) { return data_[static_cast<std::size_t>(slot) * kPairSlots + body]; }
    T operator()(int slot, int body) const {
        return data_[static_cast<std::size_t>(slot) * kPairSlots + body];
    }
    static constexpr std::size_t kSize = static_cast<std::size_t>(kHistorySlots) * kPairSlots;

  private:
    struct Release {
        void operator()(T* p) const { std::free(p); }
    };
    std::unique_ptr<T[], Release> data_;
};

template <typename T>
using Bodies = std::array<T, kBodySlots>;

// The pixels of one body's surface pattern (point, ring), as indices of the drawing, or kOffDrawing.
inline constexpr std::int32_t kOffDrawing = -1;
using SurfPixelGrid = std::array<std::array<std::int32_t, kSurfRings>, kSurfPoints>;
template <typename T>
using PairSlots = std::array<T, kPairSlots>;

constexpr PairSlots<SurfPixelGrid> noSurfPixels() {
    PairSlots<SurfPixelGrid> grids{};
    for (SurfPixelGrid& grid : grids)
        for (auto& point : grid) point.fill(kOffDrawing);
    return grids;
}

// What the Special Relativity readout says of body 2's Newton-Einstein difference.
enum class SrReadout { Slowing, CloseToZero, Difference };

struct SimState {
    // Physical state per body 0..9. Body 0 is fixed: it attracts, never moves, and collects shed mass.
    Bodies<double> PosX{};           // km; screen x grows with it
    Bodies<double> PosY{};           // km; screen y grows with it (downwards)
    Bodies<double> VelX{};           // km per iteration
    Bodies<double> VelY{};           // km per iteration
    Bodies<double> Mass{};           // solar masses
    Bodies<std::int16_t> BodyOff{};  // 0 takes part; any other value: not moved or drawn; 1 also no gravity
    Bodies<double> BodyType{};       // 1 body 1, 2 body 2, 3 minor bodies

    // Per slot 0..2.
    PairSlots<double> Spin{};        // radians per iteration
    PairSlots<double> RotAngle{};    // radians, in [0, 2 pi)
    PairSlots<double> ScrX{};        // twips
    PairSlots<double> ScrY{};        // twips
    PairSlots<double> PrevScrX{};    // twips, whole part where the body was last drawn
    PairSlots<double> PrevScrY{};    // twips
    PairSlots<double> OriginX{};     // km, where the gravity acting now was emitted
    PairSlots<double> OriginY{};     // km
    PairSlots<double> OriginScrX{};  // twips, whole part
    PairSlots<double> OriginScrY{};  // twips, whole part
    PairSlots<double> StepLen{};     // km per iteration, velocity change of the last tick
    PairSlots<double> MoveErr{};     // percent
    PairSlots<double> MoveErrMax{};  // percent, largest since the scenario start

    // Gravity-delay history (bodies 1 and 2 written).
    History<double> BufX;     // km
    History<double> BufY;     // km
    History<double> BufMass;  // solar masses
    History<float> BufShade;  // 2 written in an even orbit, 3 in an odd one

    // Surface pattern points (body, point, ring): the pixel each was drawn in, kept for the next erase.
    PairSlots<SurfPixelGrid> SurfPixel = noSurfPixels();
    double SurfPoints = 0;  // points per ring in use
    double RadTwips = 0;    // radius of the drawn body, twips

    // Counters and distances.
    std::int16_t NBodies = 0;  // highest body number in use
    double Iters = 0;          // iterations since the scenario start
    double Laps = 0;           // orbits of body 2 about body 1
    float Quart = 0;           // quadrant 1..4 of body 2 around body 1; 0 before the first tick
    float PrevQuart = 0;
    double StopLap = 0;                     // lap count at which "pause after each orbit" pauses next
    double Dist = 0;                        // km between bodies 1 and 2
    double LapMin = 0, LapMax = 0;          // km, this orbit
    double AllMin = 0, AllMax = 0;          // km, whole run
    double PrevLapMin = 0, PrevLapMax = 0;  // km, previous orbit
    double AllDif = 0;                      // km
    double AllEcc = 0, LapEcc = 0;          // percent
    double StartDist = 0;                   // km
    std::string StartDistText;              // signed number text of StartDist
    double FirstLaps[4][9]{};               // rows 0 (min) and 1 (max) of orbits 1..8, km

    // Scales.
    double KmPerTwip = 0;       // km per twip
    double OrgX = 0, OrgY = 0;  // twips, screen position of the km origin
    float DistIdx = 0;          // distance option in force, 0..16
    double TimeFac = 0;         // 10^k of the time scale
    double TimeFac2 = 0;        // TimeFac squared
    double StepUnits = 0;       // 15 x TimeFac: iteration length in 10^-5 s
    double ItersPerSec = 0;     // iterations per virtual second
    double PrevTimeFac = 0;     // TimeFac before the last time-scale change
    float TimeScaleIdx = 0;     // time option in force, 0..17
    std::string TimeRateLog;    // time-scale changes not yet written to the drift file

    // Status.
    float EndCode = 0;  // 66 left screen, 67 left range, 77 impact, 99 error limit, 88 bodies on one point,
                        // 98 not a finite number; 55 and 11 passing
    float ScenarioNo = 0;    // index of the scenario button last pressed
    std::string TickStatus;  // "ok" after every completed tick

    // Physics parameters and results.
    double LightC = 0;          // km/s
    double GMsun = 0;           // km^3 per base iteration^2
    double GMstep = 0;          // km^3 per iteration^2
    double GExp = 0;            // distance exponent of the gravity law
    double DarkFric = 0;        // fraction of every velocity removed per iteration
    std::int16_t MinorRad = 0;  // km, radius of every minor body
    double TwoPi = 0;
    double PiVal = 0;
    double BufPos = 0;       // history slot written this tick
    double DelayIters = 0;   // gravity delay between the pair, iterations
    double DelayErrPct = 0;  // percent
    float ImpactFlag = 0;    // 6 once the main pair touches in this tick's gravity loop
    double EinsteinV = 0;    // speed / c after the Einstein addition
    std::array<std::string, 5> VerifyText;
    // Body 2's last Newton-minus-Einstein speed difference (speed / c) and how the readout says it; none
    // before the first comparison. The Special Relativity button's message is written from them.
    std::optional<SrReadout> SrDiffReadout;
    double SrDiff = 0;
    float BodyDraw = 0;  // 8 draw the surface pattern, 7 orbit line only

    // Virtual clock.
    double ElapsedSec = 0;   // whole seconds (fractions when a step is 1 s or longer)
    double ElapsedFrac = 0;  // rest below one second, 10^-5 s units
    double ElapsedDays = 0;
    double ElapsedYears = 0;  // years of 365.256 days

    // Orbit periods.
    double LapStartDays = 0, LapStartYears = 0;
    double LapDaysSum = 0, LapYearsSum = 0;
    std::string LastDaysText, LastYearsText, AvgDaysText, AvgYearsText, HalfDaysText, HalfYearsText;

    // Drift file.
    std::string DriftFile;  // full path of data-drift.txt
    std::string LapMinRaw, LapMaxRaw, MinDriftRaw, MaxDriftRaw;
    std::string LapMinText, LapMaxText, MinDriftText, MaxDriftText;

    // Window start-up values.
    float MaxScenarioBtn = 0;     // highest scenario-button index
    double KgFactor = 0;          // one kilogram is KgFactor x 10^-31 solar masses
    double ScreenWidthTw = 0;     // twips
    std::int16_t IntroTicks = 0;  // start-up timer ticks, shown as the seed
};

// A velocity in km per iteration as a fraction of c.
inline double speedAsC(const SimState& st, double vx, double vy) {
    return std::sqrt(vx * vx + vy * vy) * st.ItersPerSec / st.LightC;
}

}  // namespace zephra
