#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "toolkit/number_text.h"
#include "tracking/number_tidier.h"
#include "ui/form_orbit.h"

// The window's start-up constants and the orbit recorder: one record per orbit of the main pair in
// data-drift.txt, with 14 decimals so that drifts of metres per orbit show.
namespace zephra {

using toolkit::formatNumber;
using toolkit::numberText;
using toolkit::signedNumberText;

namespace {

constexpr const char* kDistancePattern = "  00000000000000.00000000000000";
constexpr const char* kDriftPattern = "00000000000000.00000000000000";
const std::string kRule(79, '_');

// A drift keeps the width of a negative one: the "-" of a negative value, a trailing blank otherwise.
std::string driftRaw(double drift) {
    return formatNumber(drift, kDriftPattern) + (drift < 0 ? "" : " ");
}

// The lines with CR LF ends, as one text: a record reaches the file in one write.
std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

constexpr const char* kNotWritten = "Drift file not written: ";

}  // namespace

void FormOrbit::Form_Load() {
    st.TwoPi = kTwoPi;
    st.PiVal = kPi;
    st.LightC = kLightC;
    FraMil.setLeft(105);
    FrameGD.setLeft(0);
    FrameGD.setTop(0);
    st.KgFactor = 10 / kSolarMassKg;
    st.PrevTimeFac = 1.0;
    st.ScreenWidthTw = 15360;
    st.DriftFile = (std::filesystem::path(platform_.dataFolder()) / "data-drift.txt").string();
    CHfile.setToolTip("Data for min/max drift can be found in file: " + st.DriftFile);
    st.MaxScenarioBtn = 37;
}

void FormOrbit::Drifter() {
    // A run starts the file afresh; so does a later orbit when the header never reached the file.
    const bool startAfresh = st.Laps == 1 || !driftWriter_.continues(st.DriftFile);
    std::vector<std::string> lines;
    if (startAfresh) {
        const int scale = std::clamp(static_cast<int>(st.TimeScaleIdx), 0, 18);
        lines.push_back(LaChirp[0].caption());
        std::string startLine = "[";
        startLine += signedNumberText(st.ScenarioNo);
        startLine += " ]  Start Difference =";
        startLine += st.StartDistText;
        startLine += " km";
        lines.push_back(std::move(startLine));
        lines.push_back(st.TimeRateLog.empty() ? Optime[scale].caption() : st.TimeRateLog);
        st.TimeRateLog.clear();
        lines.push_back(kRule);
    }

    st.LapMinRaw = formatNumber(st.LapMin, kDistancePattern);
    st.LapMaxRaw = formatNumber(st.LapMax, kDistancePattern);
    ZeroZapMikm();
    ZeroZapMakm();
    st.MinDriftRaw = driftRaw(st.LapMin - st.PrevLapMin);
    st.MaxDriftRaw = driftRaw(st.LapMax - st.PrevLapMax);
    ZeroZapMiDi();
    ZeroZapMaDi();

    lines.push_back(std::string(29, ' ') + "  Orbit #" + signedNumberText(st.Laps) + " drift ");
    if (!st.TimeRateLog.empty()) lines.push_back(st.TimeRateLog);
    lines.push_back("min km  " + st.LapMinText + "|" + st.LapMaxText + "  km max ");
    lines.push_back("min dif " + st.MinDriftText + "|" + st.MaxDriftText + " dif max");
    lines.push_back(kRule);

    // A file that cannot be written costs the record, not the run: the statistics below go on as usual.
    // The notice's tooltip keeps the reason, whatever later notices the label shows, until a record is
    // written again.
    const std::optional<std::string> failure =
        driftWriter_.write(st.DriftFile, startAfresh, joinLines(lines));
    if (failure) {
        LaChirp[1].setCaption(kNotWritten + st.DriftFile + " (" + *failure + ")");
        LaChirp[1].setToolTip(kNotWritten + *failure + ". Orbit #" + signedNumberText(st.Laps) +
                              " and the records lost before it are missing from the file.");
    } else if (LaChirp[1].toolTip().starts_with(kNotWritten)) {
        LaChirp[1].setToolTip("");
        if (LaChirp[1].caption().starts_with(kNotWritten))
            LaChirp[1].setCaption("Drift file written again from orbit #" + signedNumberText(st.Laps) + ": " +
                                  st.DriftFile);
    }

    st.PrevLapMax = st.LapMax;
    st.PrevLapMin = st.LapMin;
    st.TimeRateLog.clear();

    if (st.Laps >= 1 && st.Laps <= 8) {
        const int k = static_cast<int>(st.Laps);
        st.FirstLaps[1][k] = st.LapMax;
        st.FirstLaps[0][k] = st.LapMin;
        LaDrift[k].setCaption(numberText(st.FirstLaps[ChMinMax.ticked() ? 1 : 0][k]));
    }

    // The next orbit starts from the finished one's greatest distance; its first tick sets a new maximum.
    st.LapMin = st.LapMax;
    st.LapMax = 0;
}

void FormOrbit::ZeroZapMikm() {
    st.LapMinText = tracking::tidyUnsigned(st.LapMinRaw);
}
void FormOrbit::ZeroZapMakm() {
    st.LapMaxText = tracking::tidyUnsigned(st.LapMaxRaw);
}
void FormOrbit::ZeroZapMiDi() {
    st.MinDriftText = tracking::tidySigned(st.MinDriftRaw);
}
void FormOrbit::ZeroZapMaDi() {
    st.MaxDriftText = tracking::tidySigned(st.MaxDriftRaw);
}

}  // namespace zephra
