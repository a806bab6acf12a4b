// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/drift_file.h"

#include <vector>

#include "toolkit/number_text.h"
#include "tracking/number_tidier.h"

namespace zephra::tracking {

using toolkit::formatNumber;
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

}  // namespace

std::string driftRecord(SimState& st, const std::optional<DriftFileHead>& head) {
    std::vector<std::string> lines;
    if (head) {
        lines.push_back(head->title);
        std::string startLine = "[";
        startLine += signedNumberText(st.ScenarioNo);
        startLine += " ]  Start Difference =";
        startLine += st.StartDistText;
        startLine += " km";
        lines.push_back(std::move(startLine));
        lines.push_back(st.TimeRateLog.empty() ? head->scaleCaption : st.TimeRateLog);
        st.TimeRateLog.clear();
        lines.push_back(kRule);
    }

    st.LapMinRaw = formatNumber(st.LapMin, kDistancePattern);
    st.LapMaxRaw = formatNumber(st.LapMax, kDistancePattern);
    ZeroZapMikm(st);
    ZeroZapMakm(st);
    st.MinDriftRaw = driftRaw(st.LapMin - st.PrevLapMin);
    st.MaxDriftRaw = driftRaw(st.LapMax - st.PrevLapMax);
    ZeroZapMiDi(st);
    ZeroZapMaDi(st);

    lines.push_back(std::string(29, ' ') + "  Orbit #" + signedNumberText(st.Laps) + " drift ");
    if (!st.TimeRateLog.empty()) lines.push_back(st.TimeRateLog);
    lines.push_back("min km  " + st.LapMinText + "|" + st.LapMaxText + "  km max ");
    lines.push_back("min dif " + st.MinDriftText + "|" + st.MaxDriftText + " dif max");
    lines.push_back(kRule);
    st.TimeRateLog.clear();
    return joinLines(lines);
}

void closeDriftOrbit(SimState& st) {
    st.PrevLapMax = st.LapMax;
    st.PrevLapMin = st.LapMin;
    if (st.Laps >= 1 && st.Laps <= 8) {
        const int k = static_cast<int>(st.Laps);
        st.FirstLaps[1][k] = st.LapMax;
        st.FirstLaps[0][k] = st.LapMin;
    }
    st.LapMin = st.LapMax;
    st.LapMax = 0;
}

void ZeroZapMikm(SimState& st) {
    st.LapMinText = tidyUnsigned(st.LapMinRaw);
}
void ZeroZapMakm(SimState& st) {
    st.LapMaxText = tidyUnsigned(st.LapMaxRaw);
}
void ZeroZapMiDi(SimState& st) {
    st.MinDriftText = tidySigned(st.MinDriftRaw);
}
void ZeroZapMaDi(SimState& st) {
    st.MaxDriftText = tidySigned(st.MaxDriftRaw);
}

}  // namespace zephra::tracking
