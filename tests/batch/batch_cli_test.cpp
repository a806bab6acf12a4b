// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "support/batch_process.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace {

using Outcome = zephra::testing::BatchOutcome;
using zephra::testing::readAll;

Outcome runBatch(const std::string& arguments, const std::string& setup = "") {
    return zephra::testing::runBatchProgram(arguments, setup);
}

// The number after "key": in the summary, or NaN when it is missing or null.
double summaryNumber(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) return NAN;
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

class BatchFolder : public ::testing::Test {
  protected:
    zephra::testing::TempFolder folder;
};

class BadOptions : public ::testing::TestWithParam<const char*> {};

TEST_P(BadOptions, GiveUsageAndStatusTwoWithoutOutput) {
    const Outcome outcome = runBatch(GetParam());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.output, "");
    EXPECT_NE(outcome.errors.find("zephra-batch: "), std::string::npos);
}

// The ranges of the options are tried on the parser itself (overrides_test); here the program's own refusals.
INSTANTIATE_TEST_SUITE_P(Rows, BadOptions,
                         ::testing::Values("", "--scenario", "--scenario 2.5", "--scenario x",
                                           "--scenario 10 --frobnicate", "--scenario 10 --scenario 11",
                                           "--scenario 10 --out /tmp --folder /tmp",
                                           "--scenario 10 --out /no/such/zephra/folder",
                                           "--scenario 10 --trace /no/such/zephra/folder/t.csv"));

// Overrides the window would not keep as given, and those it undoes or ignores once they are set: a whole
// speed of gravity ticks General Relativity again, a friction acts only in the dark cloud, and a speed of 0
// is taken as given but unticks General Relativity in the first tick. The contact push has no option of its
// own: "Bounce" is the control.
INSTANTIATE_TEST_SUITE_P(
    Overrides, BadOptions,
    ::testing::Values("--scenario 1 --newton 2", "--scenario 1 --gravity-speed 0.1234567890123456",
                      "--scenario 1 --gravity-speed 2 --gravity-speed 3", "--scenario 1 --body-mass 1:x",
                      "--scenario 1 --body-mass 1:2 --body-mass 1:3", "--scenario 1 --json --jsonl",
                      "--scenario 1 --general-relativity 0 --gravity-speed 3",
                      "--scenario 10 --dark-friction 0.001", "--scenario 1 --iterations 1 --gravity-speed 0",
                      "--scenario 10 --iterations 5 --general-relativity 1 --gravity-speed 0.0",
                      "--scenario 13 --iterations 5 --contact 1"));

// The overrides are the user's own actions on the window: a run with them computes exactly what a window
// computes when a user clicks the ticks, types into the boxes and edits the paused bodies, whatever the order
// of the options on the command line.
TEST_F(BatchFolder, OverridesComputeWhatTheWindowComputesFromTheSameActions) {
    const Outcome outcome = runBatch(
        "--scenario 1 --iterations 400 --jsonl --body-vy 1:9.5 --body-mass 2:1.5 --body-x 1:6000 "
        "--dark-friction 0.0002 --gravity-exponent 2.1 --gravity-speed 2.5 --dark-cloud 1 "
        "--special-relativity 1 --bounce 1 --out " +
        folder.string());
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(outcome.output.find('\n'), outcome.output.size() - 1) << "not one line";
    EXPECT_NE(outcome.output.find("{\"scenario\": 1, \"overrides\": {"), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("\"overrides\": {\"body-vy:1\": \"9.5\", \"body-mass:2\": \"1.5\", "
                                  "\"body-x:1\": \"6000\", \"dark-friction\": \"0.0002\", "
                                  "\"gravity-exponent\": \"2.1\", \"gravity-speed\": \"2.5\", "
                                  "\"dark-cloud\": \"1\", \"special-relativity\": \"1\", \"bounce\": \"1\"}"),
              std::string::npos)
        << outcome.output;

    zephra::toolkit::HeadlessPlatform platform(folder.string());
    zephra::FormOrbit form(platform);
    const auto typeAndLeave = [&form](zephra::TextBox& box, const char* text) {
        box.setFocus();
        box.setText(text);
        form.setFocus(form.Command5);
    };
    form.CDp[1].press();
    form.Cosmos[1].click();
    form.Cosmos[4].click();
    form.Cosmos[5].click();
    typeAndLeave(form.TXGspeed, "2.5");
    typeAndLeave(form.TXg[2], "2.1");
    typeAndLeave(form.TXdark, "0.0002");
    form.Command5.press();
    for (const auto& [body, box, text] : {std::tuple{"1", 0, "6000"}, {"1", 3, "9.5"}, {"2", 4, "1.5"}}) {
        typeAndLeave(form.TXTOden, body);
        form.La[0].click();
        typeAndLeave(form.TXTp[box], text);
    }
    form.Command5.press();
    for (int k = 0; k < 400 && form.Ti.enabled(); ++k) form.Ti.fire();

    std::size_t at = outcome.output.find("\"bodies\"");
    for (int b = 0; b <= 2; ++b) {
        const auto& st = form.st;
        for (const auto& [key, value] : {std::pair{"PosX", st.PosX[b]},
                                         {"PosY", st.PosY[b]},
                                         {"VelX", st.VelX[b]},
                                         {"VelY", st.VelY[b]},
                                         {"Mass", st.Mass[b]}}) {
            at = outcome.output.find(std::string("\"") + key + "\": ", at);
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(std::strtod(outcome.output.c_str() + at + std::strlen(key) + 4, nullptr), value)
                << key << " of body " << b;
        }
    }
    const auto& st = form.st;
    ASSERT_NE(st.MoveErrMax[1], st.MoveErrMax[2]);
    for (const auto& [key, value] :
         {std::pair{"iterations", 400.0},
          {"elapsed_seconds", st.ElapsedFrac / 100000 + st.ElapsedSec},
          {"elapsed_days", st.ElapsedDays},
          {"min_distance_km", st.AllMin},
          {"max_distance_km", st.AllMax},
          {"eccentricity_run_pct", st.AllEcc},
          {"eccentricity_orbit_pct", st.LapEcc},
          {"max_movement_error_pct", std::max(st.MoveErrMax[1], st.MoveErrMax[2])}})
        EXPECT_EQ(summaryNumber(outcome.output, key), value) << key;
}

// On the finest time scale an iteration is 0.00015 s: seven of them are 0.00105 s, held in the clock's
// hundred-thousandths of a second until a whole second is full.
TEST_F(BatchFolder, SubSecondTimesAndAbsentFiguresAreShownInTheirUnits) {
    const Outcome outcome = runBatch("--scenario 13 --iterations 7 --out " + folder.string());
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_DOUBLE_EQ(summaryNumber(outcome.output, "elapsed_seconds"), 0.00105);
    EXPECT_DOUBLE_EQ(summaryNumber(outcome.output, "elapsed_days"), 0.00105 / 86400);
    EXPECT_DOUBLE_EQ(summaryNumber(outcome.output, "elapsed_years"), 0.00105 / 86400 / 365.256);
    for (const char* absent : {"last_period_days", "avg_period_years", "half_orbit_days", "max_iterations"})
        EXPECT_NE(outcome.output.find(std::string("\"") + absent + "\": null"), std::string::npos) << absent;
}

TEST(BatchHelp, PrintsTheUsageWithItsEndCodesAndExitStatuses) {
    for (const char* option : {"--help", "-h", "--scenario 10 --help"}) {
        const Outcome outcome = runBatch(option);
        EXPECT_EQ(outcome.status, 0) << option;
        EXPECT_EQ(outcome.output.find("usage: zephra-batch"), 0u) << option;
        for (const char* text :
             {"--max-iterations N", "--bounce 0|1", "never shows", "88 bodies 1 and 2 on one point, 98 a",
              "3 the run completed but drift records were lost"})
            EXPECT_NE(outcome.output.find(text), std::string::npos) << text;
        EXPECT_EQ(outcome.output.back(), '\n');
    }
}

TEST_F(BatchFolder, EarthOrbitTakesAboutAYearAndNamesItsFileInFull) {
    // A folder name that is not UTF-8 (byte 0xFF, and 0xC0 0x80, an overlong form of 0) next to one that is.
    const std::filesystem::path odd = folder / "odd\xff\xc0\x80-\xc3\xa9";
    std::filesystem::create_directories(odd);
    const Outcome outcome =
        runBatch("--scenario 10 --orbits 1 --json --out ./odd*", "cd '" + folder.string() + "';");
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(summaryNumber(outcome.output, "orbits"), 1) << outcome.output;
    EXPECT_NEAR(summaryNumber(outcome.output, "last_period_days"), 365.256, 10) << outcome.output;
    EXPECT_NEAR(summaryNumber(outcome.output, "avg_period_years"), 1, 0.03) << outcome.output;
    // Days and years of one period, both from the window's own clock: a year of 365.256 days.
    for (const char* period : {"last_period", "avg_period"})
        EXPECT_NEAR(summaryNumber(outcome.output, std::string(period) + "_days") /
                        summaryNumber(outcome.output, std::string(period) + "_years"),
                    365.256, 1e-9)
            << period;
    EXPECT_NE(outcome.output.find("\"iteration_cap_reached\": false"), std::string::npos);
    const std::string path =
        "\"path\": \"" + folder.string() + "/odd\\u00ff\\u00c0\\u0080-\xc3\xa9/data-drift.txt\"";
    EXPECT_NE(outcome.output.find(path + ", \"records_written\": 1, \"records_lost\": 0, \"error\": null"),
              std::string::npos)
        << outcome.output;
    EXPECT_EQ(outcome.output.find('\xff'), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(odd / "data-drift.txt"));
}

TEST_F(BatchFolder, StopRulesAndTheIterationCapAreReported) {
    const std::string out = " --out " + folder.string();
    Outcome outcome = runBatch("--scenario 10 --iterations 250" + out);
    ASSERT_EQ(outcome.status, 0);
    EXPECT_EQ(summaryNumber(outcome.output, "iterations"), 250) << outcome.output;
    EXPECT_NE(outcome.output.find("\"iteration_cap_reached\": false"), std::string::npos);

    // A run that ends in the cap's last tick, by its orbit or by itself (the bodies impact: end code 77), is
    // the run asked for, not a run cut short.
    const struct {
        std::string run, field;
        double ended, cut;
    } ends[] = {{"--scenario 10 --orbits 1", "orbits", 1, 0},
                {"--scenario 1 --body-vy 1:0 --body-vy 2:0 --until-end", "end_code", 77, 0}};
    for (const auto& end : ends) {
        const double ticks = summaryNumber(runBatch(end.run + " --jsonl" + out).output, "iterations");
        for (const auto& [cap, reached] : {std::pair{ticks, false}, {ticks - 1, true}}) {
            outcome = runBatch(end.run + " --max-iterations " + std::to_string(int(cap)) + out);
            EXPECT_EQ(summaryNumber(outcome.output, "iterations"), cap) << end.run;
            EXPECT_EQ(summaryNumber(outcome.output, end.field), reached ? end.cut : end.ended) << end.run;
            EXPECT_EQ(outcome.output.find(std::string("\"iteration_cap_reached\": ") +
                                          (reached ? "true" : "false")) != std::string::npos,
                      true)
                << end.run << " " << cap;
        }
    }

    outcome = runBatch("--scenario 10 --orbits 5 --max-iterations 1000" + out);
    ASSERT_EQ(outcome.status, 0);
    EXPECT_EQ(summaryNumber(outcome.output, "iterations"), 1000) << outcome.output;
    EXPECT_EQ(summaryNumber(outcome.output, "max_iterations"), 1000) << outcome.output;
    EXPECT_NE(outcome.output.find("\"iteration_cap_reached\": true"), std::string::npos);
}

TEST_F(BatchFolder, LostDriftRecordsAreReportedAndFailTheRun) {
    // A folder whose data-drift.txt is a folder is refused before the run.
    std::filesystem::create_directories(folder / "taken" / "data-drift.txt");
    Outcome outcome = runBatch("--scenario 10 --orbits 1 --out " + (folder / "taken").string());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.output, "");
    EXPECT_NE(outcome.errors.find("not a plain file"), std::string::npos) << outcome.errors;

    // A file-size limit of 1024 bytes (two blocks of 512) stands in for a disk that fills: two records fit,
    // the third is cut back off.
    outcome = runBatch("--scenario 10 --orbits 3 --out " + folder.string(), "ulimit -f 2;");
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(
        outcome.output.find("\"records_written\": 2, \"records_lost\": 1, \"error\": \"File too large\""),
        std::string::npos)
        << outcome.output;
    EXPECT_NE(outcome.errors.find("1 of 3 drift records missing from " + folder.string()), std::string::npos)
        << outcome.errors;
    const std::string text = readAll(folder / "data-drift.txt");
    EXPECT_EQ(text.substr(text.size() - 81), std::string(79, '_') + "\r\n");
    EXPECT_EQ(text.find("Orbit # 3"), std::string::npos);
}

// A trace that is the drift file, however it is named, and a drift file the recorder could not open for
// appending are refused before the run, and nothing is written.
TEST_F(BatchFolder, OutputsThatCannotBeWrittenAreRefusedBeforeTheRun) {
    const struct {
        const char* setup;
        const char* trace;
        const char* says;
    } rows[] = {
        {"mkdir sub", "sub/../data-drift.txt", "is the drift file"},
        {"echo old >data-drift.txt; ln data-drift.txt hard.csv", "hard.csv", "is the drift file"},
        {"ln -s data-drift.txt data-drift.txt", nullptr, "Too many levels of symbolic links"},
    };
    int k = 0;
    for (const auto& row : rows) {
        const std::filesystem::path dir = folder / std::to_string(++k);
        std::filesystem::create_directory(dir);
        std::string options = "--scenario 10 --orbits 1 --out .";
        if (row.trace != nullptr) options += std::string(" --trace ") + row.trace;
        const Outcome outcome = runBatch(options, "cd '" + dir.string() + "' && " + row.setup + ";");
        EXPECT_EQ(outcome.status, 2) << row.setup;
        EXPECT_EQ(outcome.output, "") << row.setup;
        EXPECT_NE(outcome.errors.find(row.says), std::string::npos) << outcome.errors;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (!std::filesystem::is_regular_file(entry.symlink_status())) continue;
            EXPECT_EQ(readAll(entry.path()), "old\n") << entry.path();
        }
    }
}

// The trace takes its own name only when complete, so a refused run leaves an existing trace as it was, and
// no temporary file beside it.
TEST_F(BatchFolder, AnExistingTraceOutlivesARefusedRun) {
    const std::filesystem::path csv = folder / "old.csv", drift = folder / "drift";
    std::filesystem::create_directory(drift);
    std::ofstream(csv) << "old";
    const auto onlyTheOldTrace = [&] {
        EXPECT_EQ(readAll(csv), "old");
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            EXPECT_TRUE(entry.path() == csv || entry.path() == drift) << entry.path() << " left behind";
    };
    for (const char* refused : {"--scenario 10 --iterations 5 --dark-friction 0.001",
                                "--scenario 1 --iterations 5 --gravity-speed 0"}) {
        EXPECT_EQ(
            runBatch(std::string(refused) + " --out " + drift.string() + " --trace " + csv.string()).status,
            2);
        onlyTheOldTrace();
    }
}

}  // namespace
