// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The trace as a CSV file: one header line, then one row per tick sample ("tick") and one per orbit
// ("orbit"), the columns of the other kind left empty. Numbers are written in their shortest form that
// reads back to the same double, so a trace read back is the trace written. A table for people may add a
// last column, drift_from, that says what each orbit's drift is taken from: "start" for the first orbit,
// which has no orbit before it and is measured against the start distance, "previous" for the others.

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "tracking/trace_recorder.h"

namespace zephra::tracking {

struct Trace {
    std::vector<TraceSample> samples;
    std::vector<OrbitSample> orbits;
};

// The header line, without its line end.
std::string traceCsvHeader();

enum class DriftFrom { unsaid, said };

void writeTraceCsv(std::ostream& out, const std::vector<TraceSample>& samples,
                   const std::vector<OrbitSample>& orbits, DriftFrom driftFrom = DriftFrom::unsaid);

// The trace, or the first line that is not a trace row and why. Lines may end in CR LF, and the file in
// one blank line.
std::variant<Trace, std::string> readTraceCsv(std::istream& in);

}  // namespace zephra::tracking
