#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string output;
};

// Runs zephra-batch with the arguments, in a fresh folder that receives its drift file.
Outcome runBatch(const std::string& arguments) {
    const char* program = std::getenv("ZEPHRA_BATCH");
    if (program == nullptr || *program == '\0') {
        ADD_FAILURE() << "ZEPHRA_BATCH is not set";
        return {-1, {}};
    }
    const std::string command = std::string(program) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// The number after "key": in the summary, or NaN when it is missing or null.
double summaryNumber(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) return NAN;
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

class BadOptions : public ::testing::TestWithParam<const char*> {};

TEST_P(BadOptions, GiveUsageAndStatusTwoWithoutOutput) {
    const Outcome outcome = runBatch(GetParam());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.output, "");
}

INSTANTIATE_TEST_SUITE_P(Rows, BadOptions,
                         ::testing::Values("", "--scenario", "--scenario 0", "--scenario 34",
                                           "--scenario 2.5", "--scenario x", "--scenario 10 --orbits 0",
                                           "--scenario 10 --frobnicate", "--scenario 10 --time-scale 18",
                                           "--scenario 10 --orbits 1 --iterations 5"));

TEST(BatchRun, EarthOrbitTakesAboutAYear) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zephra-batch-test";
    std::filesystem::create_directories(folder);
    const Outcome outcome = runBatch("--scenario 10 --orbits 1 --json --out " + folder.string());
    ASSERT_EQ(outcome.status, 0);
    EXPECT_EQ(summaryNumber(outcome.output, "orbits"), 1) << outcome.output;
    EXPECT_NEAR(summaryNumber(outcome.output, "last_period_days"), 365.256, 10) << outcome.output;
    EXPECT_NEAR(summaryNumber(outcome.output, "avg_period_years"), 1, 0.03) << outcome.output;
    EXPECT_TRUE(std::filesystem::exists(folder / "data-drift.txt"));
    std::filesystem::remove_all(folder);
}

TEST(BatchRun, IterationCountIsObeyed) {
    const Outcome outcome =
        runBatch("--scenario 10 --iterations 250 --out " + std::filesystem::temp_directory_path().string());
    ASSERT_EQ(outcome.status, 0);
    EXPECT_EQ(summaryNumber(outcome.output, "iterations"), 250) << outcome.output;
}

}  // namespace
