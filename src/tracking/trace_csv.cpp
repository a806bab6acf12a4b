// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/trace_csv.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "toolkit/number_text.h"

namespace zephra::tracking {

namespace {

template <typename Row>
struct Column {
    const char* name;
    double Row::*field;
};

// Both kinds start with the elapsed days; the columns after it, tick fields first.
constexpr std::array<Column<TraceSample>, 6> kTickColumns{{{"distance_km", &TraceSample::distanceKm},
                                                           {"speed1_c", &TraceSample::speed1},
                                                           {"speed2_c", &TraceSample::speed2},
                                                           {"energy_error", &TraceSample::energyError},
                                                           {"move_err1_pct", &TraceSample::moveErr1Pct},
                                                           {"move_err2_pct", &TraceSample::moveErr2Pct}}};
constexpr std::array<Column<OrbitSample>, 6> kOrbitColumns{{{"orbit", &OrbitSample::orbit},
                                                            {"lap_min_km", &OrbitSample::lapMinKm},
                                                            {"lap_max_km", &OrbitSample::lapMaxKm},
                                                            {"min_drift_km", &OrbitSample::minDriftKm},
                                                            {"max_drift_km", &OrbitSample::maxDriftKm},
                                                            {"period_days", &OrbitSample::periodDays}}};
constexpr std::size_t kFieldCount = 2 + kTickColumns.size() + kOrbitColumns.size();
constexpr std::string_view kDriftFromColumn = ",drift_from";

void putNumber(std::ostream& out, double value) {
    out << toolkit::roundTripText(value);
}

template <typename Row, std::size_t N>
void putFields(std::ostream& out, const Row& row, const std::array<Column<Row>, N>& columns) {
    for (const Column<Row>& c : columns) {
        out << ',';
        putNumber(out, row.*c.field);
    }
}

void putEmpty(std::ostream& out, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) out << ',';
}

// Fills the columns from fields[first...]; names the field that is not a number, if one is not.
template <typename Row, std::size_t N>
std::optional<std::string> getFields(Row& row, const std::array<Column<Row>, N>& columns,
                                     const std::vector<std::string_view>& fields, std::size_t first) {
    for (std::size_t k = 0; k < N; ++k) {
        const std::optional<double> value = toolkit::readRoundTripText(fields[first + k]);
        if (!value) return std::string(columns[k].name) + " is not a number";
        row.*columns[k].field = *value;
    }
    return std::nullopt;
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

}  // namespace

std::string traceCsvHeader() {
    std::string header = "row,days";
    for (const auto& c : kTickColumns) header += std::string(",") + c.name;
    for (const auto& c : kOrbitColumns) header += std::string(",") + c.name;
    return header;
}

void writeTraceCsv(std::ostream& out, const std::vector<TraceSample>& samples,
                   const std::vector<OrbitSample>& orbits, DriftFrom driftFrom) {
    const bool said = driftFrom == DriftFrom::said;
    out << traceCsvHeader() << (said ? kDriftFromColumn : "") << '\n';
    for (const TraceSample& s : samples) {
        out << "tick,";
        putNumber(out, s.days);
        putFields(out, s, kTickColumns);
        putEmpty(out, kOrbitColumns.size() + said);
        out << '\n';
    }
    for (const OrbitSample& o : orbits) {
        out << "orbit,";
        putNumber(out, o.days);
        putEmpty(out, kTickColumns.size());
        putFields(out, o, kOrbitColumns);
        if (said) out << (o.orbit > 1 ? ",previous" : ",start");
        out << '\n';
    }
}

namespace {

// The line without the CR of a CR LF line end.
std::string_view withoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::variant<Trace, std::string> readTraceCsv(std::istream& in) {
    std::string line;
    if (!std::getline(in, line)) return "line 1: not a Zephra trace header";
    const std::string_view header = withoutCr(line);
    const std::string traceHeader = traceCsvHeader();
    const bool driftFromSaid = header == traceHeader + std::string(kDriftFromColumn);
    if (header != traceHeader && !driftFromSaid) return "line 1: not a Zephra trace header";
    const std::size_t fieldCount = kFieldCount + driftFromSaid;
    Trace trace;
    for (int lineNo = 2; std::getline(in, line); ++lineNo) {
        const auto refuse = [lineNo](const std::string& why) {
            return "line " + std::to_string(lineNo) + ": " + why;
        };
        const std::string_view text = withoutCr(line);
        if (text.empty() && in.peek() == std::char_traits<char>::eof()) break;
        if (text.empty()) return refuse("a blank line before the end");
        const std::vector<std::string_view> fields = split(text);
        if (fields.size() != fieldCount) return refuse(std::to_string(fieldCount) + " fields expected");
        const std::optional<double> days = toolkit::readRoundTripText(fields[1]);
        if (!days) return refuse("days is not a number");
        std::optional<std::string> problem;
        if (fields[0] == "tick") {
            TraceSample& s = trace.samples.emplace_back();
            s.days = *days;
            problem = getFields(s, kTickColumns, fields, 2);
        } else if (fields[0] == "orbit") {
            OrbitSample& o = trace.orbits.emplace_back();
            o.days = *days;
            problem = getFields(o, kOrbitColumns, fields, 2 + kTickColumns.size());
        } else {
            problem = "a row is \"tick\" or \"orbit\"";
        }
        if (problem) return refuse(*problem);
    }
    return trace;
}

}  // namespace zephra::tracking
