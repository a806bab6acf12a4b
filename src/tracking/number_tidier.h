// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number tidier of the drift file: fixed-width renderings such as "  00000000384400.00000000000000" keep
// their column positions, but the zeros before the number and after its last significant decimal become
// blanks, so a column of distances reads like a table.

#include <string>
#include <string_view>

namespace zephra::tracking {

// Unsigned form: the result has the length of the input ("." alone for zero).
std::string tidyUnsigned(std::string_view fixedWidth);

// Signed form: "+", "-" or "0" (for a value of zero) stands right before the first digit; the result is one
// character longer than the input.
std::string tidySigned(std::string_view fixedWidth);

}  // namespace zephra::tracking
