// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Large arrays in a run file. Each element (4 or 8 bytes, little-endian) is replaced by its difference from
// the one before as an unsigned whole number, which leaves mostly zero high bytes in a smooth history or a
// black drawing; the bytes are regrouped by position (every element's first byte, then every second byte,
// ...), deflated by zlib with run-length matching only (fast, and nearly as small here as full matching) and
// written as base64.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra::runfile {

// count elements of elementSize bytes each, little-endian, from data.
std::string packBytes(const void* data, std::size_t count, std::size_t elementSize);

// Unpacks text into exactly count elements at out; why it could not, if it could not.
std::optional<std::string> unpackBytes(std::string_view text, void* out, std::size_t count,
                                       std::size_t elementSize);

}  // namespace zephra::runfile
