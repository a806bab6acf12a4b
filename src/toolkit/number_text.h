// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the window reads and writes them. Every panel, text box and the drift file go through these,
// so that a number looks the same wherever it appears.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zephra::toolkit {

// The lenient parse: the leading number of the text (blanks before it allowed, "1.5e3", ".5", "-2abc"),
// 0 when the text does not begin with one. Never fails: a number too large for a double reads as the
// largest finite value of its sign ("1e400", a thousand nines), one too small as 0.
double leadingNumber(std::string_view text);

// The strict conversion: the whole text (blanks around it allowed) must be one finite number.
std::optional<double> strictNumber(std::string_view text);

// Plain number text: up to 15 significant digits (halves away from zero), no trailing zeros or point, "-"
// for negatives, no blank; fixed notation from 1E-15 up to below 1E+15, exponent notation ("1.5E+20",
// "2E-18") outside.
std::string numberText(double x);

// The plain number text with one leading blank when x is not negative.
std::string signedNumberText(double x);

// x rendered with a digit pattern: "0" a mandatory digit, "." the decimal point, other characters (blanks)
// copied. The decimals after the point fix the rounding (halves away from zero); the zeros before it the
// minimum count of integer digits. Non-finite values give their plain text.
std::string formatNumber(double x, std::string_view pattern);

// The way a number is shown: its style, the pattern of a patterned number or the suffix of a plain or signed
// one, or the plain function that writes a composed text; whole formats show the number's whole part.
struct NumberFormat {
    enum class Style : std::uint8_t { Plain, Signed, Pattern, Composed, Fixed };
    Style style = Style::Plain;
    std::string_view literal;
    std::string (*compose)(double) = nullptr;
    bool whole = false;
};

// A string literal as a template argument, so that each literal names one format object for the whole
// program.
template <std::size_t N>
struct Literal {
    char text[N];
    consteval Literal(const char (&s)[N]) { std::copy_n(s, N, text); }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <NumberFormat::Style S, Literal L, bool Whole = false>
inline constexpr NumberFormat kLiteralFormat{S, L.view(), nullptr, Whole};
template <std::string (*Compose)(double)>
inline constexpr NumberFormat kComposedFormat{NumberFormat::Style::Composed, {}, Compose};

// A number and the way to show it, for texts converted only when they are read. Two of them show the same
// text when their values have the same bits and they share one format: the tick compares them in two words.
struct NumberShown {
    double value = 0;
    const NumberFormat* format = &kLiteralFormat<NumberFormat::Style::Plain, "">;
};
template <Literal Suffix = "">
NumberShown asNumber(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Plain, Suffix>};
}
template <Literal Suffix = "">
NumberShown asSignedNumber(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Signed, Suffix>};
}
template <Literal Pattern>
NumberShown asPattern(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Pattern, Pattern>};
}
// The same for the whole part of x (intPart), taken only when the text is read.
template <Literal Suffix = "">
NumberShown asWholeNumber(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Plain, Suffix, true>};
}
template <Literal Suffix = "">
NumberShown asWholeSignedNumber(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Signed, Suffix, true>};
}
template <Literal Pattern>
NumberShown asWholePattern(double x) {
    return {x, &kLiteralFormat<NumberFormat::Style::Pattern, Pattern, true>};
}
template <std::string (*Compose)(double)>
NumberShown asComposed(double x) {
    return {x, &kComposedFormat<Compose>};
}
// A text that is no number at all, held the same cheap way: rewriting it costs a compare of two words.
template <Literal Text>
NumberShown asFixedText() {
    return {0, &kLiteralFormat<NumberFormat::Style::Fixed, Text>};
}
// The text numberText, signedNumberText, formatNumber or the composer gives, followed by the suffix; or the
// fixed text itself.
std::string shownText(const NumberShown& number);

// A number in full for files that programs read back: the shortest text that reads back as x (the nearest
// to x of those), in fixed notation unless exponent notation ("1e+22", "5e-324") is shorter; "inf", "nan".
std::string roundTripText(double x);
// The whole text as one number of that form (sign, "inf" and "nan" included); empty when it is none.
std::optional<double> readRoundTripText(std::string_view text);

// The greatest whole number not above x (the window's Int).
inline double intPart(double x) {
    return std::floor(x);
}

// The 16-bit conversion, halves to the even neighbour; empty when the result would not fit.
std::optional<std::int16_t> toInt16(double x);
// The same, clamped into -32768..32767 (NaN gives 0).
std::int16_t clampToInt16(double x);

}  // namespace zephra::toolkit
