// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the window reads and writes them. Every panel, text box and the drift file go through these,
// so that a number looks the same wherever it appears.

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

// A number in full for files that programs read back: the shortest text that reads back as x (the nearest
// to x of those), in fixed notation unless exponent notation ("1e+22", "5e-324") is shorter; "inf", "nan".
std::string roundTripText(double x);
// The whole text as one number of that form (sign, "inf" and "nan" included); empty when it is none.
std::optional<double> readRoundTripText(std::string_view text);

// The 16-bit conversion, halves to the even neighbour; empty when the result would not fit.
std::optional<std::int16_t> toInt16(double x);
// The same, clamped into -32768..32767 (NaN gives 0).
std::int16_t clampToInt16(double x);

}  // namespace zephra::toolkit
