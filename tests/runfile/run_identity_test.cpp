// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "batch/summary_json.h"
#include "runfile/run_file.h"
#include "support/batch_process.h"
#include "support/identity_stride.h"
#include "toolkit/headless_platform.h"

// What a run file promises: a preset exported and opened runs as its button does, and a run saved and opened
// goes on as if it had never stopped, bit for bit.
namespace zephra {
namespace {

namespace fs = std::filesystem;

using testing::readAll;

// What a headless run leaves: its summary (without the wall-clock speed), its drift file and its drawing.
struct Outcome {
    std::string summary, drift;
    std::vector<toolkit::Color> drawing;
};

Outcome runBatch(std::vector<std::string> args, const fs::path& folder) {
    fs::remove(folder / "data-drift.txt");
    args.insert(args.end(), {"--out", folder.string()});
    const auto parsed = batch::parseOptions(args);
    const auto* options = std::get_if<batch::BatchOptions>(&parsed);
    if (options == nullptr) return {"refused: " + std::get<std::string>(parsed), {}, {}};
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    form.showPanels(false);
    const batch::RunRecord record = batch::runScenario(form, *options);
    if (record.refused) return {"refused: " + *record.refused, {}, {}};
    std::istringstream lines(batch::summaryJson(form, *options, record));
    Outcome out;
    for (std::string line; std::getline(lines, line);)
        if (line.find("\"iterations_per_second\"") == std::string::npos) out.summary += line + "\n";
    out.drift = readAll(folder / "data-drift.txt");
    const toolkit::Color* pixels = form.surface().pixels();
    out.drawing.assign(pixels, pixels + toolkit::Surface::kWidthPixels * toolkit::Surface::kHeightPixels);
    return out;
}

TEST(RunFileIdentity, EveryPresetExportedAndOpenedRunsAsItsButton) {
    const testing::TempFolder folder;
    for (int n = scenarios::kFirstScenario; n <= scenarios::kLastScenario; n += kIdentityStride) {
        const fs::path file = folder / ("preset" + std::to_string(n) + ".zephra");
        ASSERT_EQ(runfile::exportScenario(n, file), std::nullopt);
        const Outcome button = runBatch({"--scenario", std::to_string(n), "--iterations", "100000"}, folder);
        const Outcome opened = runBatch({"--load", file.string(), "--iterations", "100000"}, folder);
        EXPECT_EQ(button.summary, opened.summary) << "preset " << n;
        EXPECT_EQ(button.drift, opened.drift) << "preset " << n;
        EXPECT_TRUE(button.drawing == opened.drawing) << "preset " << n;
    }
}

// The white dwarfs with every physics option ticked, body 1 made heavier in the body editor, a change of time
// scale, and the history wrapped once past its million slots: saved at the 1,050,000th tick, opened in a new
// window and run on, the run ends exactly where the one that never stopped does.
TEST(RunFileIdentity, ASavedRunGoesOnBitForBit) {
    const testing::TempFolder folder;
    const auto ticks = [](FormOrbit& f, int n) {
        for (int k = 0; k < n && f.Ti.enabled(); ++k) f.Ti.fire();
    };
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit straight(platform);
    straight.showPanels(false);
    straight.CDp[1].press();
    for (int option : {1, 2, 4, 5}) straight.Cosmos[option].click();
    ticks(straight, 300000);
    straight.Command5.press();
    for (auto [box, text] : {std::pair{&straight.TXTOden, "1"}, {&straight.TXTp[4], "2.25"}}) {
        box->setFocus();
        box->setText(text);
        straight.setFocus(straight.Command5);
        if (box == &straight.TXTOden) straight.La[0].click();
    }
    ASSERT_EQ(straight.st.Mass[1], 2.25) << "the editor took the mass";
    straight.Command5.press();
    ticks(straight, 300000);
    straight.Optime[2].click();
    ticks(straight, 450000);
    ASSERT_EQ(straight.st.Iters, 1050000);
    ASSERT_LT(straight.st.BufPos, 100000) << "the history has wrapped";

    // Saved as the window saves: paused first, and resumed by the same button.
    straight.Command5.press();
    const std::string saved = std::get<0>(runfile::runText(straight));
    const std::string driftAtSave = readAll(folder / "data-drift.txt");
    straight.Command5.press();
    ticks(straight, 150000);
    const std::string straightEnd = std::get<0>(runfile::runText(straight));
    const std::string straightDrift = readAll(folder / "data-drift.txt");

    std::ofstream(folder / "data-drift.txt", std::ios::binary) << driftAtSave;
    FormOrbit resumed(platform);
    resumed.showPanels(false);
    auto opened = runfile::readRunText(saved);
    ASSERT_TRUE(std::holds_alternative<runfile::Opened>(opened)) << std::get<std::string>(opened);
    runfile::openInWindow(resumed, std::get<runfile::Opened>(opened));
    EXPECT_FALSE(resumed.Ti.enabled()) << "a saved run opens paused";
    resumed.Command5.press();
    ticks(resumed, 150000);
    EXPECT_EQ(resumed.st.Iters, 1200000);
    EXPECT_TRUE(std::get<0>(runfile::runText(resumed)) == straightEnd) << "the runs part";
    EXPECT_EQ(readAll(folder / "data-drift.txt"), straightDrift);
}

}  // namespace
}  // namespace zephra
