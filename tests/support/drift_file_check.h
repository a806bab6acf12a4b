// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads data-drift.txt record by record as a program reading the file would, and says what is wrong with
// it: a header out of place, a line cut short, a record out of order.

#include <cstdint>
#include <string>

namespace zephra::testing {

class DriftFileCheck {
  public:
    // Checks what the file gained since the last call (all of it when fromStart, or when it shrank). Empty
    // when the file is sound (a missing or empty file is), else the first fault found.
    std::string check(const std::string& path, bool fromStart);

  private:
    std::uintmax_t checkedUpTo_ = 0;  // bytes known sound, ending with a whole record
    double lastOrbit_ = 0;
};

}  // namespace zephra::testing
