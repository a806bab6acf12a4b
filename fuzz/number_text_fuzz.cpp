// SPDX-License-Identifier: GPL-3.0-or-later
// Any text through the parsers, and any double through the writers: no crash, and the written text of a
// number reads back as the same number to the 15 digits it keeps.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "toolkit/number_text.h"

using namespace zephra::toolkit;

namespace {

bool sameTo15Digits(double a, double b) {
    if (a == b) return true;
    return std::fabs(a - b) <= 1e-14 * std::fmax(std::fabs(a), std::fabs(b));
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double lenient = leadingNumber(text);
    check(std::isfinite(lenient));
    if (const auto strict = strictNumber(text)) check(*strict == lenient);

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        const std::string plain = numberText(x);
        // The 15-digit text of the very largest doubles rounds beyond the range and cannot be read back.
        if (std::isfinite(x) && std::fabs(x) < 1.79769313486231e308) {
            check(sameTo15Digits(*strictNumber(plain), x));
            check(leadingNumber(signedNumberText(x)) == *strictNumber(plain));
        }
        const std::string_view pattern = text.substr(sizeof(double), 40);
        formatNumber(x, pattern);
        toInt16(x);
        clampToInt16(x);
    }
    return 0;
}
