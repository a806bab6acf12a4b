// SPDX-License-Identifier: GPL-3.0-or-later
// Event sequences chosen by the fuzzer's bytes, played on a fresh window: no crash, no broken state.

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "support/event_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t used = 0;
    auto choose = [&](std::uint32_t bound) -> std::uint32_t {
        std::uint32_t v = 0;
        for (int i = 0; i < 2 && used < size; ++i) v = (v << 8) | data[used++];
        return bound == 0 ? 0 : v % bound;
    };
    static const std::string folder = [] {
        const auto dir = std::filesystem::temp_directory_path() / "zephra-event-fuzz";
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    zephra::testing::EventDriver driver(folder, choose);
    while (used < size) {
        driver.step();
        if (!driver.brokenInvariant().empty()) std::abort();
    }
    return 0;
}
