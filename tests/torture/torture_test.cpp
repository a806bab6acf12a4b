// Long random sessions on the window: no crash, no sanitizer report, no broken state, a readable drift file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// Every line of the drift file is printable text of a sane length.
std::string driftFileProblem(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.size() > 400)
            return "line " + std::to_string(n) + " is " + std::to_string(line.size()) + " long";
        for (unsigned char c : line)
            if (c < 32 && c != '\t' && c != '\r')
                return "line " + std::to_string(n) + " has control characters";
    }
    return {};
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
    EXPECT_EQ(driftFileProblem(folder / "data-drift.txt"), "");
    std::filesystem::remove_all(folder);
    RecordProperty("ticks", std::to_string(driver.ticks()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, Torture, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace zephra::testing
