// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions on the window: no crash, no sanitizer report, no broken state, and after every orbit a
// drift file that reads record by record.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/event_driver.h"

namespace zephra::testing {
namespace {

#ifndef ZEPHRA_TORTURE_DEFAULT_EVENTS
#define ZEPHRA_TORTURE_DEFAULT_EVENTS 20000
#endif

std::uint64_t eventsWanted() {
    const char* text = std::getenv("ZEPHRA_TORTURE_EVENTS");
    return text ? std::strtoull(text, nullptr, 10) : ZEPHRA_TORTURE_DEFAULT_EVENTS;
}

class Torture : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(Torture, RandomSessionsLeaveTheWindowSound) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("zephra-torture-" + std::to_string(GetParam()) + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    EventDriver driver(folder.string(), seededChoice(GetParam()));
    const std::uint64_t events = eventsWanted();
    for (std::uint64_t e = 0; e < events; ++e) {
        driver.step();
        const std::string broken = driver.brokenInvariant();
        ASSERT_TRUE(broken.empty()) << "after event " << e << " (" << driver.lastAction() << "): " << broken;
    }
    std::filesystem::remove_all(folder);
    RecordProperty("ticks", std::to_string(driver.ticks()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, Torture, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace zephra::testing
