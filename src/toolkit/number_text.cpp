// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/number_text.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zephra::toolkit {
namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the number at the start of text (sign, digits, point, exponent), 0 when there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t p = 0;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    std::size_t digits = 0;
    while (p < text.size() && isDigit(text[p])) ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && isDigit(text[p])) ++p, ++digits;
    }
    if (digits == 0) return 0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
        if (q < text.size() && isDigit(text[q])) {
            while (q < text.size() && isDigit(text[q])) ++q;
            p = q;
        }
    }
    return p;
}

// The value of a number numberLength accepted; empty when a double cannot hold it.
std::optional<double> parseNumber(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    // fast_float reads every decimal correctly rounded on every compiler (the standard library's
    // floating-point from_chars is missing from some), but without a range error: a number too large reads
    // as infinity, which is what says so here.
    double value = 0;
    const auto [end, error] = fast_float::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || std::isinf(value))
        return std::nullopt;
    return negative ? -value : value;
}

// What a number that a double cannot hold comes closest to: the largest finite value of its sign when it is
// too large, a zero of its sign when too small. Judged by the decimal exponent of its first significant
// digit, which is above 0 for every number too large and below 0 for every number too small.
double nearestHeld(std::string_view number) {
    const bool negative = !number.empty() && number[0] == '-';
    std::size_t p = (!number.empty() && (number[0] == '+' || number[0] == '-')) ? 1 : 0;
    long long exponent = -1;  // of the first significant digit, before the written exponent
    bool significant = false;
    for (; p < number.size() && isDigit(number[p]); ++p) {
        significant = significant || number[p] != '0';
        if (significant) ++exponent;
    }
    if (p < number.size() && number[p] == '.') {
        // Without a significant whole digit, the first significant decimal sets the exponent.
        for (long long place = -1; ++p < number.size() && isDigit(number[p]); --place) {
            if (!significant && number[p] != '0') {
                significant = true;
                exponent = place;
            }
        }
    }
    long long written = 0;
    if (p < number.size() && (number[p] == 'e' || number[p] == 'E')) {
        const bool down = ++p < number.size() && number[p] == '-';
        if (p < number.size() && (number[p] == '+' || number[p] == '-')) ++p;
        for (; p < number.size() && isDigit(number[p]); ++p)
            written = std::min(written * 10 + (number[p] - '0'), 1000000000000LL);  // far beyond any double
        if (down) written = -written;
    }
    const double held = exponent + written > 0 ? std::numeric_limits<double>::max() : 0.0;
    return negative ? -held : held;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The digits of |x| (finite, non-zero) and the decimal exponent of the first one. Fixed buffers: the panels
// convert a few dozen numbers a tick, and the heap is the slowest part of a conversion.
struct Decimal {
    char digits[kSignificantDigits + 2];  // room for the 17 digits of a shortest form
    int count = 0;
    int exponent = 0;
};

// The digits and exponent of a text in scientific form, as printf's %e and to_chars write it.
Decimal decimalOf(const char* text, const char* end) {
    Decimal d;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (isDigit(*p)) d.digits[d.count++] = *p;
    ++p;  // the 'e'
    std::from_chars(p + (*p == '+' ? 1 : 0), end, d.exponent);
    return d;
}

// The correctly rounded form of ax with the given count of digits.
Decimal nearestDigits(double ax, int digits) {
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, ax);
    return decimalOf(buffer, buffer + length);
}

#if defined(__cpp_lib_to_chars)
// The shortest digits that read back as ax (finite, above 0), the nearest to ax of those: what the program
// writes for a number in full. Where the standard library has this form it is used: several times faster
// than the printf tries below, and a run with many orbits writes numbers in full several times an orbit.
Decimal roundTripDigits(double ax) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, ax, std::chars_format::scientific);
    return decimalOf(buffer, result.ptr);
}
#else
bool readsBackAs(const Decimal& d, double ax) {
    char text[48];
    std::copy_n(d.digits, d.count, text);
    const int length =
        d.count + std::snprintf(text + d.count, sizeof text - d.count, "e%d", d.exponent - d.count + 1);
    double back = 0;
    fast_float::from_chars(text, text + length, back);
    return back == ax;
}

// The same digits one unit of the last digit up.
Decimal oneUp(Decimal d) {
    int i = d.count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits[0] = '1';
        ++d.exponent;
    }
    return d;
}

// The shortest digits that read back as ax (finite, above 0), the nearest to ax of those: what the program
// writes for a number in full. printf rounds correctly with every C library the program builds with, where
// the standard library's floating-point to_chars is missing from some. For a normal value 17 digits always
// read back, and where 15 digits read back so do their shortest; just above a power of two the doubles below
// lie twice as close, so that the nearest 16 digits below can miss where the 16 above still read back.
// Subnormal values are so coarse that even 1 digit may do.
Decimal roundTripDigits(double ax) {
    Decimal d;
    if (ax < std::numeric_limits<double>::min()) {
        for (int digits = 1; digits <= 17; ++digits)
            if (d = nearestDigits(ax, digits); readsBackAs(d, ax)) break;
    } else {
        for (int digits = kSignificantDigits; digits <= 17; ++digits) {
            d = nearestDigits(ax, digits);
            if (digits == 17 || readsBackAs(d, ax)) break;
            int binaryExponent = 0;
            if (digits == 16 && std::frexp(ax, &binaryExponent) == 0.5) {
                if (const Decimal up = oneUp(d); readsBackAs(up, ax)) {
                    d = up;
                    break;
                }
            }
        }
    }
    // A shorter form shows as a longer one with zeros after it; they are no digits of the value.
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    return d;
}
#endif

// The digits every rounding of a number's text is decided on, once, halves going away from zero: the
// round-trip digits, the value as the program would write it in full. A double's exact binary value rounds
// the same way except where these digits end on a half (1.005, 12345678901234.25): the half is what was
// typed or computed, and it goes up. Subnormal values are so coarse that their shortest digits say less
// than 15 digits could: those take the correctly rounded 15 digits of their binary value, which never lies
// on a half.
Decimal shortestDigits(double ax) {
    if (ax < std::numeric_limits<double>::min()) return nearestDigits(ax, kSignificantDigits);
    return roundTripDigits(ax);
}

// Rounds d half up to its first keep digits (0 <= keep < d.count); the digits after them become zeros, which
// are left out of count. A carry out of the first digit moves the exponent up.
void keepDigits(Decimal& d, int keep) {
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') --i;
    if (i < 0) {
        // All nines (or nothing kept): one unit of the next higher power.
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
    } else {
        ++d.digits[i];
        d.count = i + 1;
    }
}

// The 15 significant digits every text shows at most, zeros filling a shorter form.
Decimal significantDigits(double ax) {
    Decimal d = shortestDigits(ax);
    if (d.count > kSignificantDigits) keepDigits(d, kSignificantDigits);
    while (d.count < kSignificantDigits) d.digits[d.count++] = '0';
    return d;
}

std::string nonFiniteText(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Infinity" : "Infinity";
}

// |x| rounded to a number of decimals: digits from the first significant one, all further digits zero. No
// digits at all when it rounds to zero. Where the decimals reach the 15th significant digit or beyond, the
// digits are the 15-digit form's; a rounding before it is taken from the value's own digits, not from the
// 15-digit form, which would round a second time (0.12344999999999989 to four decimals is 0.1234).
struct Rounded {
    Decimal d;
    // The digit worth 10^power.
    char digitAt(int power) const {
        const int i = d.exponent - power;
        return i >= 0 && i < d.count ? d.digits[i] : '0';
    }
    // How many digits the whole part has (0 when it is zero).
    int wholeDigits() const { return d.count > 0 && d.exponent >= 0 ? d.exponent + 1 : 0; }
};

Rounded roundToDecimals(double ax, int decimals) {
    Rounded r;
    if (ax == 0) return r;
    r.d = shortestDigits(ax);
    const int keep = r.d.exponent + decimals + 1;  // digits down to the one worth 10^-decimals
    if (keep < 0)
        r.d.count = 0;
    else if (const int kept = std::min(keep, kSignificantDigits); kept < r.d.count)
        keepDigits(r.d, kept);
    return r;
}

}  // namespace

double leadingNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    const std::size_t length = numberLength(text);
    if (length == 0) return 0;
    const std::string_view number = text.substr(0, length);
    if (const std::optional<double> value = parseNumber(number)) return *value;
    return nearestHeld(number);
}

std::optional<double> strictNumber(std::string_view text) {
    text = trimBlanks(text);
    const std::size_t length = numberLength(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    const auto value = parseNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::string numberText(double x) {
    if (!std::isfinite(x)) return nonFiniteText(x);
    if (x == 0) return "0";
    Decimal d = significantDigits(std::fabs(x));
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    const int sig = d.count;
    const int e = d.exponent;
    char out[48];
    int n = 0;
    if (x < 0) out[n++] = '-';
    auto put = [&](const char* from, int count) {
        for (int k = 0; k < count; ++k) out[n++] = from[k];
    };
    auto zeros = [&](int count) {
        for (int k = 0; k < count; ++k) out[n++] = '0';
    };
    // Fixed notation for the magnitudes whose first digit stands within 15 places of the point, 1E-15 up to
    // below 1E+15; exponent notation beyond them, whatever the count of digits.
    if (e >= kSignificantDigits || e < -kSignificantDigits) {
        out[n++] = d.digits[0];
        if (sig > 1) {
            out[n++] = '.';
            put(d.digits + 1, sig - 1);
        }
        out[n++] = 'E';
        out[n++] = e < 0 ? '-' : '+';  // two digits or more: 15 and beyond either way
        n = static_cast<int>(std::to_chars(out + n, out + sizeof out, std::abs(e)).ptr - out);
    } else if (e < 0) {
        out[n++] = '0';
        out[n++] = '.';
        zeros(-e - 1);
        put(d.digits, sig);
    } else if (sig <= e + 1) {
        put(d.digits, sig);
        zeros(e + 1 - sig);
    } else {
        put(d.digits, e + 1);
        out[n++] = '.';
        put(d.digits + e + 1, sig - e - 1);
    }
    return std::string(out, static_cast<std::size_t>(n));
}

std::string signedNumberText(double x) {
    return x < 0 ? numberText(x) : ' ' + numberText(x);
}

std::string formatNumber(double x, std::string_view pattern) {
    if (!std::isfinite(x)) return numberText(x);
    const std::size_t point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int decimals = 0;
    for (char c : fractionPattern) decimals += c == '0';
    int zeros = 0;
    for (char c : integerPattern) zeros += c == '0';

    const Rounded r = roundToDecimals(std::fabs(x), decimals);
    // Whole digits fill the pattern's zeros from the right; any more go before the first zero (or at the
    // end of a pattern without one). A zero whole part shows only where the pattern asks for zeros.
    const int whole = r.wholeDigits();
    const int extra = whole > zeros ? whole - zeros : 0;
    std::string out;
    out.reserve(pattern.size() + static_cast<std::size_t>(extra) + 1);
    if (x < 0) out += '-';
    int power = (extra > 0 ? whole : zeros) - 1;
    auto putExtra = [&] {
        for (int k = 0; k < extra; ++k) out += r.digitAt(power--);
    };
    bool extraDone = false;
    for (char c : integerPattern) {
        if (c == '0') {
            if (!extraDone) putExtra(), extraDone = true;
            out += r.digitAt(power--);
        } else {
            out += c;
        }
    }
    if (!extraDone) putExtra();
    if (point != std::string_view::npos) {
        out += '.';
        power = -1;
        for (char c : fractionPattern) out += c == '0' ? r.digitAt(power--) : c;
    }
    return out;
}

std::string roundTripText(double x) {
    if (std::isnan(x)) return std::signbit(x) ? "-nan" : "nan";
    std::string out = std::signbit(x) ? "-" : "";
    if (std::isinf(x)) return out + "inf";
    if (x == 0) return out + "0";
    const Decimal d = roundTripDigits(std::fabs(x));
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));
    std::string scientific(digits.substr(0, 1));
    if (d.count > 1) (scientific += '.') += digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    scientific += exponent;
    std::string fixed;
    if (d.exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + std::string(digits);
    } else if (d.count <= d.exponent + 1) {
        // A whole number is written with all its digits, exact, where the shortest form would pad zeros.
        if (d.exponent + 1 > static_cast<int>(scientific.size())) return out + scientific;
        char whole[32];
        fixed.assign(whole,
                     static_cast<std::size_t>(std::snprintf(whole, sizeof whole, "%.0f", std::fabs(x))));
    } else {
        const std::size_t whole = static_cast<std::size_t>(d.exponent) + 1;
        fixed = std::string(digits.substr(0, whole)) + '.' + std::string(digits.substr(whole));
    }
    return out + (fixed.size() <= scientific.size() ? fixed : scientific);
}

std::optional<double> readRoundTripText(std::string_view text) {
    double value = 0;
    const auto [end, error] = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInt16(double x) {
    // The numbers that round into range, halves to the even neighbour (-32768.5 to -32768, 32767.5 to
    // 32768); NaN is none of them.
    if (!(x >= -32768.5 && x < 32767.5)) return std::nullopt;
    // Rounding to nearest with halves to even is the processor's default mode, which this program keeps.
    return static_cast<std::int16_t>(std::lrint(x));
}

std::int16_t clampToInt16(double x) {
    if (std::isnan(x)) return 0;
    const double lo = std::numeric_limits<std::int16_t>::min();
    const double hi = std::numeric_limits<std::int16_t>::max();
    return *toInt16(x < lo ? lo : (x > hi ? hi : x));
}

}  // namespace zephra::toolkit
