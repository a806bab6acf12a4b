#pragma once

// A small direct-mapped memory of recently converted numbers. The window's panels show the same values tick
// after tick (masses, radii, spins, unchanged errors), and turning a double into its decimal digits is the
// slowest step of a tick; a hit returns the very text the conversion gave before.

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace zephra::toolkit {

class TextCache {
  public:
    // The remembered text of (x, pattern), or null.
    const std::string* find(double x, std::string_view pattern) const {
        const Entry& e = entries_[slot(x, pattern)];
        return e.used && e.bits == std::bit_cast<std::uint64_t>(x) && e.pattern == pattern ? &e.text
                                                                                           : nullptr;
    }
    const std::string& remember(double x, std::string_view pattern, std::string text) {
        Entry& e = entries_[slot(x, pattern)];
        e.used = true;
        e.bits = std::bit_cast<std::uint64_t>(x);
        e.pattern.assign(pattern);
        e.text = std::move(text);
        return e.text;
    }

  private:
    static constexpr std::size_t kSlots = 256;
    struct Entry {
        bool used = false;
        std::uint64_t bits = 0;
        std::string pattern;
        std::string text;
    };
    static std::size_t slot(double x, std::string_view pattern) {
        std::uint64_t h = std::bit_cast<std::uint64_t>(x) ^ (pattern.size() * 0x9E3779B97F4A7C15ull);
        for (char c : pattern) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        h *= 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h >> 56) % kSlots;
    }
    std::array<Entry, kSlots> entries_{};
};

}  // namespace zephra::toolkit
