// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/drift_file_check.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace zephra::testing {

namespace {

const std::string kRule(79, '_');
const std::string kOrbitStart = std::string(29, ' ') + "  Orbit #";

// "min km  a|b  km max ": the two columns around one bar.
bool pairLine(const std::string& line, const char* left, const char* right) {
    return line.starts_with(left) && line.ends_with(right) && line.find('|') != std::string::npos;
}

}  // namespace

std::string DriftFileCheck::check(const std::string& path, bool fromStart) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return {};  // no file yet
    if (fromStart || size < checkedUpTo_) {
        checkedUpTo_ = 0;
        lastOrbit_ = 0;
    }
    // Only what was added since the last check is read: a long session writes thousands of records.
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(checkedUpTo_));
    const std::string added((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (added.empty()) return {};
    if (!added.ends_with("\r\n")) return "the last line is cut short";

    std::vector<std::string> lines;
    for (std::size_t at = 0; at < added.size();) {
        const std::size_t end = added.find("\r\n", at);
        lines.push_back(added.substr(at, end - at));
        at = end + 2;
    }
    std::size_t k = 0;
    const auto where = [&] {
        return "line " + std::to_string(k + 1) + " after byte " + std::to_string(checkedUpTo_);
    };
    if (checkedUpTo_ == 0) {
        if (lines.size() < 4 || !lines[1].starts_with("[") ||
            lines[1].find(" ]  Start Difference =") == std::string::npos || !lines[1].ends_with(" km") ||
            lines[3] != kRule)
            return "no header at the start";
        k = 4;
    }
    while (k < lines.size()) {
        if (!lines[k].starts_with(kOrbitStart) || !lines[k].ends_with(" drift "))
            return where() + ": no orbit line";
        const double orbit = std::strtod(lines[k].c_str() + kOrbitStart.size(), nullptr);
        if (!(orbit > lastOrbit_)) return where() + ": orbit " + std::to_string(orbit) + " out of order";
        lastOrbit_ = orbit;
        ++k;
        if (k < lines.size() && lines[k].starts_with("Time Rate: ")) ++k;
        if (k + 3 > lines.size()) return where() + ": record cut short";
        if (!pairLine(lines[k], "min km  ", "  km max ")) return where() + ": no distance line";
        if (!pairLine(lines[k + 1], "min dif ", " dif max")) return where() + ": no drift line";
        if (lines[k + 2] != kRule) return where() + ": no closing rule";
        k += 3;
    }
    checkedUpTo_ = size;
    return {};
}

}  // namespace zephra::testing
