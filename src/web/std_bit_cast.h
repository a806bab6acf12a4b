// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// std::bit_cast for a C++ library that lacks it, from the compiler's own built-in (included before every
// file of the browser build).
#include <version>

#ifndef __cpp_lib_bit_cast
#include <type_traits>

namespace std {
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
