// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/batch_process.h"

// zephra-batch with run files, as a shell runs it: what it refuses is one line and exit status 2, and a run
// from a file takes its overrides after loading, as after a button.
namespace {

namespace fs = std::filesystem;

using Outcome = zephra::testing::BatchOutcome;

class BatchWithFiles : public ::testing::Test {
  protected:
    zephra::testing::TempFolder folder;

    Outcome batch(const std::string& arguments) {
        return zephra::testing::runBatchProgram(arguments, "cd '" + folder.string() + "' &&");
    }
    // The summary without the machine's speed.
    static std::string steady(const std::string& summary) {
        std::istringstream lines(summary);
        std::string out;
        for (std::string line; std::getline(lines, line);)
            if (line.find("iterations_per_second") == std::string::npos) out += line + "\n";
        return out;
    }
};

TEST_F(BatchWithFiles, ABadFileIsOneLineNamingItWithStatus2) {
    std::ofstream(folder / "pair.zephra") << "{\"format\": \"zephra\", \"version\": 1, \"scenario\": {}}";
    const Outcome o = batch("--load pair.zephra --iterations 10");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.errors, "zephra-batch: pair.zephra: scenario: the field \"number\" is missing\n");
    EXPECT_EQ(o.output, "");
    EXPECT_EQ(batch("--load absent.zephra").status, 2);
    EXPECT_EQ(batch("--scenario 1 --load pair.zephra").status, 2);
    EXPECT_EQ(batch("--export-scenario 34 x.zephra").status, 2);
    EXPECT_EQ(batch("--export-scenario 3").status, 2);
    EXPECT_EQ(batch("--export-scenario 3 x.zephra --iterations 5").status, 2);
    EXPECT_FALSE(fs::exists(folder / "x.zephra"));
}

TEST_F(BatchWithFiles, OverridesApplyAfterLoadingAndASavedRunGoesOn) {
    ASSERT_EQ(batch("--export-scenario 33 clouds.zephra").status, 0);
    const Outcome button = batch("--scenario 33 --iterations 2000 --gravity-speed 3 --body-mass 2:0.5");
    const Outcome file = batch("--load clouds.zephra --iterations 2000 --gravity-speed 3 --body-mass 2:0.5");
    ASSERT_EQ(button.status, 0) << button.errors;
    EXPECT_EQ(steady(button.output), steady(file.output));
    EXPECT_NE(button.output.find("\"gravity-speed\": \"3\""), std::string::npos);

    // 1000 ticks, saved and loaded for 1000 more, end where 2000 straight ticks do.
    ASSERT_EQ(
        batch("--load clouds.zephra --iterations 1000 --gravity-speed 3 --body-mass 2:0.5 --save half.zephra")
            .status,
        0);
    const Outcome resumed = batch("--load half.zephra --iterations 1000");
    ASSERT_EQ(resumed.status, 0) << resumed.errors;
    const std::string straight = steady(button.output);
    const std::string after = steady(resumed.output);
    EXPECT_EQ(straight.substr(straight.find("\"iterations\"")), after.substr(after.find("\"iterations\"")));
    const Outcome scaled = batch("--load half.zephra --time-scale 3 --iterations 5");
    EXPECT_EQ(scaled.status, 2);
    EXPECT_NE(scaled.errors.find("half.zephra is a saved run"), std::string::npos) << scaled.errors;

    // A save that cannot take its file's place says why, with status 3, and leaves the place as it was.
    fs::create_directory(folder / "taken.zephra");
    const Outcome failed = batch("--scenario 33 --iterations 5 --save taken.zephra");
    EXPECT_EQ(failed.status, 3);
    EXPECT_NE(failed.errors.find("taken.zephra: could not take the place of the old file"), std::string::npos)
        << failed.errors;
    EXPECT_TRUE(fs::is_directory(folder / "taken.zephra"));
}

}  // namespace
