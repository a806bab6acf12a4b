// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/number_tidier.h"

#include "toolkit/number_text.h"

namespace zephra::tracking {

namespace {

struct Split {
    std::size_t leading;    // "-", "0" and blanks before the first significant character
    std::string_view kept;  // from the first significant character to the last significant one
    std::size_t trailing;   // "0" and blanks after the last significant character
};

Split split(std::string_view s) {
    const std::size_t lead = s.find_first_not_of("-0 ");
    if (lead == std::string_view::npos) return {s.size(), {}, 0};
    std::string_view rest = s.substr(lead);
    const std::size_t last = rest.find_last_not_of("0 ");
    return {lead, rest.substr(0, last + 1), rest.size() - (last + 1)};
}

std::string assemble(const Split& parts, std::string_view sign) {
    std::string out(parts.leading, ' ');
    out += sign;
    out += parts.kept;
    out.append(parts.trailing, ' ');
    return out;
}

}  // namespace

std::string tidyUnsigned(std::string_view fixedWidth) {
    return assemble(split(fixedWidth), "");
}

std::string tidySigned(std::string_view fixedWidth) {
    std::string_view sign = (!fixedWidth.empty() && fixedWidth.front() == '-') ? "-" : "+";
    if (toolkit::leadingNumber(fixedWidth) == 0) sign = "0";
    return assemble(split(fixedWidth), sign);
}

}  // namespace zephra::tracking
