#include "batch/summary_json.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "toolkit/number_text.h"

namespace zephra::batch {

namespace {

std::string jsonNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", *value);
    return text;
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// The first half orbit is only kept as the text shown when it was reached.
std::optional<double> shownNumber(const std::string& text) {
    return text.empty() ? std::nullopt : toolkit::strictNumber(text);
}

}  // namespace

std::string summaryJson(const FormOrbit& form, const BatchOptions& options, const RunRecord& record) {
    const SimState& st = form.st;
    const bool orbited = st.Laps > 0;
    const auto perOrbit = [&](double sum) { return orbited ? std::optional(sum / st.Laps) : std::nullopt; };
    const auto field = [](const char* key, const std::string& value) {
        return std::string("  \"") + key + "\": " + value + ",\n";
    };

    std::string out = "{\n";
    out += field("scenario", jsonNumber(options.scenario));
    out += field("iterations", jsonNumber(st.Iters));
    out += field("orbits", jsonNumber(st.Laps));
    out += field("elapsed_seconds", jsonNumber(st.ElapsedFrac / 100000 + st.ElapsedSec));
    out += field("elapsed_days", jsonNumber(st.ElapsedDays));
    out += field("elapsed_years", jsonNumber(st.ElapsedYears));
    out += field("last_period_days", jsonNumber(record.lastPeriodDays));
    out += field("last_period_years", jsonNumber(record.lastPeriodYears));
    out += field("avg_period_days", jsonNumber(perOrbit(st.LapDaysSum)));
    out += field("avg_period_years", jsonNumber(perOrbit(st.LapYearsSum)));
    out += field("half_orbit_days", jsonNumber(shownNumber(st.HalfDaysText)));
    out += field("min_distance_km", jsonNumber(st.AllMin));
    out += field("max_distance_km", jsonNumber(st.AllMax));
    out += field("eccentricity_run_pct", jsonNumber(st.AllEcc));
    out += field("eccentricity_orbit_pct", jsonNumber(st.LapEcc));
    out += field("max_movement_error_pct", jsonNumber(std::max(st.MoveErrMax[1], st.MoveErrMax[2])));
    out += field("end_code", jsonNumber(st.EndCode));
    out += field("notice", jsonString(form.LaChirp[1].caption()));
    out += field(
        "iterations_per_second",
        jsonNumber(record.wallSeconds > 0 ? std::optional(record.ticks / record.wallSeconds) : std::nullopt));
    out += "  \"bodies\": [\n";
    for (int i = 0; i < kPairSlots; ++i) {
        out += "    {\"PosX\": " + jsonNumber(st.PosX[i]) + ", \"PosY\": " + jsonNumber(st.PosY[i]) +
               ", \"VelX\": " + jsonNumber(st.VelX[i]) + ", \"VelY\": " + jsonNumber(st.VelY[i]) +
               ", \"Mass\": " + jsonNumber(st.Mass[i]) + ", \"Spin\": " + jsonNumber(st.Spin[i]) + "}" +
               (i + 1 < kPairSlots ? ",\n" : "\n");
    }
    return out + "  ]\n}\n";
}

}  // namespace zephra::batch
