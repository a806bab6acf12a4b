#include "toolkit/number_text.h"

#include <charconv>
#include <cmath>
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
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// |x| (finite, non-zero) as 15 significant digits and the decimal exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal significantDigits(double ax) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, ax, std::chars_format::scientific,
                                      kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    d.digits.reserve(kSignificantDigits);
    for (char c : text.substr(0, e))
        if (isDigit(c)) d.digits.push_back(c);
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    d.exponent = exponent;
    return d;
}

std::string nonFiniteText(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Infinity" : "Infinity";
}

// round(|x| * 10^decimals) as decimal digits, halves away from zero on the 15-digit decimal form of x.
std::string scaledDigits(double ax, int decimals) {
    if (ax == 0) return "0";
    const Decimal d = significantDigits(ax);
    const int last = d.exponent + decimals;  // index of the digit worth 10^-decimals
    const int kept = static_cast<int>(d.digits.size()) - 1;
    if (last >= kept) return d.digits + std::string(static_cast<std::size_t>(last - kept), '0');
    if (last < -1) return "0";
    std::string s = d.digits.substr(0, static_cast<std::size_t>(last + 1));
    if (d.digits[static_cast<std::size_t>(last + 1)] >= '5') {
        int i = static_cast<int>(s.size()) - 1;
        while (i >= 0 && s[static_cast<std::size_t>(i)] == '9') s[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            s.insert(s.begin(), '1');
        else
            ++s[static_cast<std::size_t>(i)];
    }
    return s.empty() ? "0" : s;
}

}  // namespace

double leadingNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    const std::size_t length = numberLength(text);
    if (length == 0) return 0;
    return parseNumber(text.substr(0, length)).value_or(0);
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
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    const int sig = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    std::string out = x < 0 ? "-" : "";
    if (e >= kSignificantDigits || (e < 0 && -e - 1 + sig > kSignificantDigits)) {
        out += d.digits[0];
        if (sig > 1) out += '.' + d.digits.substr(1);
        out += e < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(e));
        if (magnitude.size() < 2) out += '0';
        out += magnitude;
    } else if (e < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    } else if (sig <= e + 1) {
        out += d.digits + std::string(static_cast<std::size_t>(e + 1 - sig), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(e + 1)) + '.' +
               d.digits.substr(static_cast<std::size_t>(e + 1));
    }
    return out;
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

    std::string digits = scaledDigits(std::fabs(x), decimals);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string integerDigits = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    const std::string fractionDigits = digits.substr(integerDigits.size());
    if (integerDigits == "0") integerDigits.clear();  // the pattern's zeros decide whether "0" is shown

    // Integer part: digits fill the pattern's zeros from the right; extra digits go before the first one.
    std::string integerText;
    int next = static_cast<int>(integerDigits.size()) - 1;
    int firstZero = -1;
    for (int p = static_cast<int>(integerPattern.size()) - 1; p >= 0; --p) {
        const char c = integerPattern[static_cast<std::size_t>(p)];
        if (c == '0') {
            integerText.insert(integerText.begin(),
                               next >= 0 ? integerDigits[static_cast<std::size_t>(next--)] : '0');
            firstZero = p;
        } else {
            integerText.insert(integerText.begin(), c);
        }
    }
    if (next >= 0) {
        const std::string extra = integerDigits.substr(0, static_cast<std::size_t>(next + 1));
        const std::size_t at = firstZero < 0 ? integerText.size() : static_cast<std::size_t>(firstZero);
        integerText.insert(at, extra);
    }

    std::string out = x < 0 ? "-" : "";
    out += integerText;
    if (point != std::string_view::npos) {
        out += '.';
        std::size_t used = 0;
        for (char c : fractionPattern) out += c == '0' ? fractionDigits[used++] : c;
    }
    return out;
}

double intPart(double x) {
    return std::floor(x);
}

std::optional<std::int16_t> toInt16(double x) {
    if (std::isnan(x)) return std::nullopt;
    double r = std::floor(x);
    const double rest = x - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::int16_t clampToInt16(double x) {
    if (std::isnan(x)) return 0;
    const double lo = std::numeric_limits<std::int16_t>::min();
    const double hi = std::numeric_limits<std::int16_t>::max();
    return *toInt16(x < lo ? lo : (x > hi ? hi : x));
}

}  // namespace zephra::toolkit
