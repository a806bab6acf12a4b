// SPDX-License-Identifier: GPL-3.0-or-later
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

// Length of the UTF-8 sequence at text[at], or 0 when the bytes there are not one (overlong forms,
// surrogates and values above U+10FFFF included).
std::size_t utf8Length(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    std::size_t length;
    unsigned char least = 0x80, most = 0xBF;  // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) least = 0xA0;
        if (lead == 0xED) most = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) least = 0x90;
        if (lead == 0xF4) most = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < least || byte(at + 1) > most) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(at + k) < 0x80 || byte(at + k) > 0xBF) return 0;
    return length;
}

// A JSON string. Bytes that are not UTF-8 (a path may hold any) are written as \u00XX with their value, so
// the summary stays valid UTF-8 and the byte can still be told.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t k = 0; k < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c >= 0x80) {
            if (const std::size_t length = utf8Length(text, k); length > 0) {
                out.append(text, k, length);
                k += length;
                continue;
            }
        }
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
                if (c < 0x20 || c >= 0x80) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++k;
    }
    return out + "\"";
}

// The overrides as given, by the names of their options: what the run was asked to change.
std::string overridesJson(const BatchOptions& options) {
    std::string out = "{";
    const auto add = [&out](const std::string& key, const std::string& text) {
        out += (out.size() > 1 ? ", " : "") + jsonString(key) + ": " + jsonString(text);
    };
    if (options.timeScale) add("time-scale", std::to_string(*options.timeScale));
    for (const Override& o : options.overrides) add(o.key(), o.text);
    return out + "}";
}

// The same JSON on one line: the layout's line breaks are its only raw ones (strings escape theirs).
std::string oneLine(const std::string& json) {
    std::string out;
    for (std::size_t k = 0; k < json.size(); ++k) {
        if (json[k] != '\n') {
            out += json[k];
            continue;
        }
        while (k + 1 < json.size() && json[k + 1] == ' ') ++k;
        if (!out.empty() && out.back() == ',') out += ' ';
    }
    return out + "\n";
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
    out += field("scenario", jsonNumber(st.ScenarioNo));
    out += field("overrides", overridesJson(options));
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
    out += field("iteration_cap_reached", record.capReached ? "true" : "false");
    out += field("max_iterations",
                 jsonNumber(options.iterations ? std::nullopt : std::optional(options.maxIterations)));
    out += field("end_code", jsonNumber(st.EndCode));
    out += field("notice", jsonString(form.LaChirp[1].caption()));
    out += field(
        "iterations_per_second",
        jsonNumber(record.wallSeconds > 0 ? std::optional(record.ticks / record.wallSeconds) : std::nullopt));
    const tracking::DriftWriter::Count& drift = record.drift;
    out +=
        field("drift_file", "{\"path\": " + jsonString(st.DriftFile) + ", \"records_written\": " +
                                jsonNumber(drift.kept) + ", \"records_lost\": " + jsonNumber(drift.lost) +
                                ", \"error\": " + (drift.reason ? jsonString(*drift.reason) : "null") + "}");
    out += "  \"bodies\": [\n";
    for (int i = 0; i < kPairSlots; ++i) {
        out += "    {\"PosX\": " + jsonNumber(st.PosX[i]) + ", \"PosY\": " + jsonNumber(st.PosY[i]) +
               ", \"VelX\": " + jsonNumber(st.VelX[i]) + ", \"VelY\": " + jsonNumber(st.VelY[i]) +
               ", \"Mass\": " + jsonNumber(st.Mass[i]) + ", \"Spin\": " + jsonNumber(st.Spin[i]) + "}" +
               (i + 1 < kPairSlots ? ",\n" : "\n");
    }
    out += "  ]\n}\n";
    return options.jsonLines ? oneLine(out) : out;
}

}  // namespace zephra::batch
