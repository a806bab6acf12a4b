// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/run_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <variant>

#include "support/temp_folder.h"
#include "toolkit/headless_platform.h"

// Run files read back: every refusal is one line naming the file and the field, and leaves the window's run
// as it was; a version newer than this program's is refused as such.
namespace zephra {
namespace {

namespace fs = std::filesystem;

// Replaces the first occurrence of from, which must be there.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A saved run of the white dwarfs after a few hundred ticks, and preset 1 as a scenario file.
struct Samples {
    std::string run, scenario;
    Samples() {
        toolkit::HeadlessPlatform platform(fs::temp_directory_path().string());
        FormOrbit form(platform);
        form.showPanels(false);
        scenario = runfile::scenarioText(form, *scenarios::findScenario(1));
        form.CDp[1].press();
        for (int k = 0; k < 300; ++k) form.Ti.fire();
        run = std::get<0>(runfile::runText(form));
    }
};
const Samples& samples() {
    static const Samples s;
    return s;
}

struct BadFile {
    const char* name;
    std::function<std::string()> text;
    const char* said;  // what the message must contain, after the file's name
};

std::string withScenario(const std::string& from, const std::string& to) {
    return replaced(samples().scenario, from, to);
}
std::string withRun(const std::string& from, const std::string& to) {
    return replaced(samples().run, from, to);
}

const BadFile kBadFiles[] = {
    {"truncated", [] { return samples().run.substr(0, samples().run.size() / 2); },
     "not a complete JSON document (in continuation.state"},
    {"wrong_format", [] { return withScenario("\"zephra\"", "\"zephyr\""); }, "format: must be \"zephra\""},
    {"newer_version", [] { return withScenario("\"version\": 1", "\"version\": 2"); },
     "version: is 2: the file was written by a newer Zephra"},
    {"version_zero", [] { return withScenario("\"version\": 1", "\"version\": 0"); },
     "version: must be a whole number from 1 to 1"},
    {"missing_field", [] { return withScenario("\"gm_sun\": 2986.1419014,", ""); },
     "scenario: the field \"gm_sun\" is missing"},
    {"extra_field", [] { return withScenario("\"radius\": 600.0,", "\"radius\": 600.0, \"colour\": 1,"); },
     "scenario.bodies[0]: has a field \"colour\""},
    {"repeated_field", [] { return withScenario("\"radius\": 600.0,", "\"radius\": 600.0, \"radius\": 6,"); },
     "(in scenario.bodies[0].radius): the field \"radius\" is given twice"},
    {"negative_mass", [] { return withScenario("\"mass\": 2.0", "\"mass\": -2.0"); },
     "scenario.bodies[0].mass: must not be negative"},
    {"three_bodies",
     [] {
         const std::string body =
             "{\"mass\": 1, \"radius\": 1, \"x\": 0, \"y\": 0, \"vx\": 0, \"vy\": 0, \"spin\": 0}";
         return withScenario("\"bodies\": [", "\"bodies\": [" + body + ", ");
     },
     "scenario.bodies: must hold the 2 bodies of the pair, not 3"},
    {"time_scale_beyond", [] { return withScenario("\"time_scale\": 1", "\"time_scale\": 18"); },
     "scenario.time_scale: must be a whole number from 0 to 17"},
    {"unknown_box", [] { return withScenario("\"ChHit\": 0", "\"ChHot\": 0"); },
     "scenario.boxes_after_options: has a field \"ChHot\""},
    {"short_array", [] { return withRun("\"PosX\": [", "\"PosX\": [1, "); },
     "continuation.state.PosX: must hold 10 elements, not 11"},
    {"more_bodies_than_arrays", [] { return withRun("\"NBodies\": 2", "\"NBodies\": 10"); },
     "continuation.state.NBodies: must be a whole number from 0 to 9"},
    {"no_inflate",
     [] {
         const std::string& run = samples().run;
         const std::size_t data = run.find("\"deflate\": \"", run.find("\"BufX\"")) + 12;
         std::string text = run;
         text[data + 10] = text[data + 10] == 'A' ? 'B' : 'A';
         text[data + 11] = text[data + 11] == 'A' ? 'B' : 'A';
         return text;
     },
     "continuation.state.BufX.deflate: does not inflate"},
    {"wrong_count", [] { return withRun("\"count\": 3000003", "\"count\": 3000000"); },
     "continuation.state.BufX.count: must be 3000003"},
    {"unknown_control", [] { return withRun("\"controls\": {", "\"controls\": {\"Cosmos(9)\": {}, "); },
     "continuation.controls: has a field \"Cosmos(9)\" that names no control"},
};

void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.name;
}

class RunFileRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(RunFileRefusal, SaysFileAndFieldAndLeavesTheRunAsItWas) {
    testing::TempFolder folder;
    const fs::path file = folder / "pair.zephra";
    std::ofstream(file, std::ios::binary) << GetParam().text();
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    form.CDp[13].press();
    for (int k = 0; k < 50; ++k) form.Ti.fire();
    const double iters = form.st.Iters, x = form.st.PosX[2];
    const std::string description = form.LaChirp[0].caption();

    const std::optional<std::string> refused = runfile::openRunFile(form, file);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->find('\n'), std::string::npos) << *refused;
    EXPECT_EQ(refused->rfind(file.string() + ": ", 0), 0u) << *refused;
    EXPECT_NE(refused->find(GetParam().said), std::string::npos) << *refused;
    EXPECT_EQ(form.st.Iters, iters);
    EXPECT_EQ(form.st.PosX[2], x);
    EXPECT_EQ(form.LaChirp[0].caption(), description);
    EXPECT_TRUE(form.Ti.enabled());
}

INSTANTIATE_TEST_SUITE_P(BadFiles, RunFileRefusal, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunFile, TheFilesThisVersionWritesAreReadAndAnEditedScenarioStartsWithItsValues) {
    EXPECT_TRUE(std::holds_alternative<runfile::Opened>(runfile::readRunText(samples().run)));
    auto read = runfile::readRunText(withScenario("\"mass\": 2.0", "\"mass\": 3.5"));
    ASSERT_TRUE(std::holds_alternative<runfile::Opened>(read)) << std::get<std::string>(read);
    toolkit::HeadlessPlatform platform(fs::temp_directory_path().string());
    FormOrbit form(platform);
    runfile::openInWindow(form, std::get<runfile::Opened>(read));
    EXPECT_EQ(form.st.Mass[1], 3.5);
    EXPECT_EQ(form.st.Mass[2], 2);
    EXPECT_TRUE(form.Ti.enabled());
    // A zero mass is at the limit and kept.
    EXPECT_TRUE(std::holds_alternative<runfile::Opened>(
        runfile::readRunText(withScenario("\"mass\": 2.0", "\"mass\": 0"))));
}

TEST(RunFile, AFailedSaveSaysWhyAndLeavesNoTemporaryFile) {
    testing::TempFolder folder;
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    const fs::path taken = folder / "taken.zephra";
    fs::create_directory(taken);
    EXPECT_EQ(runfile::saveRun(form, taken), taken.string() + ": no run has started yet");
    form.CDp[10].press();
    form.Ti.fire();
    const std::optional<std::string> failed = runfile::saveRun(form, taken);
    ASSERT_TRUE(failed);
    EXPECT_NE(failed->find("could not take the place of the old file"), std::string::npos) << *failed;
    // A disk that fills, stood in for by a file size limit: the save says so and leaves nothing behind.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &tight);
    const std::optional<std::string> cut = runfile::saveRun(form, folder / "cut.zephra");
    setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_TRUE(cut);
    EXPECT_NE(cut->find("was not written in full"), std::string::npos) << *cut;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_directory(taken));
}

}  // namespace
}  // namespace zephra
