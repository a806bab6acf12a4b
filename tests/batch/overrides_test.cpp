// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/overrides.h"

#include <gtest/gtest.h>

#include <optional>
#include <variant>

#include "batch/batch_options.h"
#include "toolkit/headless_platform.h"
#include "toolkit/number_text.h"

namespace zephra::batch {
namespace {

// Scenario 10 (the Earth under Newton alone) loaded in a window, then the command line's overrides set.
struct Overridden {
    toolkit::HeadlessPlatform platform{"/tmp"};
    FormOrbit form{platform};
    std::optional<std::string> refused;

    explicit Overridden(std::vector<std::string> args) {
        args.insert(args.begin(), {"--scenario", "10"});
        const auto parsed = parseOptions(args);
        const auto* options = std::get_if<BatchOptions>(&parsed);
        if (options == nullptr) {
            ADD_FAILURE() << "the command line is refused: " << std::get<std::string>(parsed);
            return;
        }
        form.CDp[10].press();
        refused = applyOverrides(form, options->overrides);
    }
};

// Every range of the command line holds at both its ends and refuses one step beyond either; a number holds
// the 15 significant digits a box shows, not 16.
TEST(BatchOptions, RangesHoldAtTheirEndsAndRefuseOneStepBeyond) {
    const auto parsed = [](std::vector<std::string> args) { return parseOptions(args); };
    const auto accepts = [&](std::vector<std::string> args) {
        return std::holds_alternative<BatchOptions>(parsed(std::move(args)));
    };
    using Args = std::vector<std::string>;
    for (const Args& args :
         {Args{"--scenario", "1"}, Args{"--scenario", "33"}, Args{"--scenario", "1", "--time-scale", "0"},
          Args{"--scenario", "1", "--time-scale", "17"}, Args{"--scenario", "1", "--orbits", "1"},
          Args{"--scenario", "1", "--iterations", "1"}, Args{"--scenario", "1", "--max-iterations", "1"},
          Args{"--scenario", "1", "--orbits", "1", "--max-iterations", "9"},
          Args{"--scenario", "1", "--body-mass", "0:1"}, Args{"--scenario", "1", "--body-mass", "2:1"},
          Args{"--scenario", "1", "--body-vx", "1:0.123456789012345"}})
        EXPECT_TRUE(accepts(args)) << args[args.size() - 2] << " " << args.back();
    for (const Args& args :
         {Args{"--scenario", "0"}, Args{"--scenario", "34"}, Args{"--scenario", "1", "--time-scale", "-1"},
          Args{"--scenario", "1", "--time-scale", "18"}, Args{"--scenario", "1", "--orbits", "0"},
          Args{"--scenario", "1", "--iterations", "0"}, Args{"--scenario", "1", "--max-iterations", "0"},
          Args{"--scenario", "1", "--orbits", "1", "--iterations", "5"},
          Args{"--scenario", "1", "--until-end", "--orbits", "1"},
          Args{"--scenario", "1", "--iterations", "5", "--max-iterations", "9"},
          Args{"--scenario", "1", "--body-mass", "3:1"}, Args{"--scenario", "1", "--body-mass", "-1:1"},
          Args{"--scenario", "1", "--body-vx", "1:0.1234567890123456"}})
        EXPECT_FALSE(accepts(args)) << args[args.size() - 2] << " " << args.back();
    EXPECT_TRUE(std::get<BatchOptions>(parsed({"--scenario", "1", "--jsonl"})).jsonLines);
    EXPECT_FALSE(std::get<BatchOptions>(parsed({"--scenario", "1", "--json"})).jsonLines);
}

TEST(Overrides, EachOptionClicksItsOwnTick) {
    const struct {
        const char* option;
        const char* value;
        int box;
        int shown;
    } rows[] = {{"--newton", "0", 0, CheckBox::kGreyed},
                {"--special-relativity", "1", 1, 1},
                {"--vessor", "1", 2, 1},
                {"--general-relativity", "1", 3, 1},
                {"--dark-cloud", "1", 4, 1},
                {"--bounce", "1", 5, 1}};
    for (const auto& row : rows) {
        Overridden run({row.option, row.value});
        EXPECT_EQ(run.refused, std::nullopt) << row.option;
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(run.form.Cosmos[i].value(), i == row.box ? row.shown
                                                  : i == 0     ? 1
                                                               : 0)
                << row.option << ", box " << i;
    }
}

// Each box option types into its own box: the number ends in that box, or in that body's state.
TEST(Overrides, EachOptionTypesIntoItsOwnBox) {
    const struct {
        std::vector<std::string> args;
        double (*held)(const FormOrbit&);
        double value;
    } rows[] = {
        {{"--general-relativity", "1", "--gravity-speed", "2.5"},
         [](const FormOrbit& f) { return toolkit::leadingNumber(f.TXGspeed.text()); },
         2.5},
        {{"--gravity-exponent", "2.1"},
         [](const FormOrbit& f) { return toolkit::leadingNumber(f.TXg[2].text()); },
         2.1},
        {{"--dark-cloud", "1", "--dark-friction", "0.0002"},
         [](const FormOrbit& f) { return toolkit::leadingNumber(f.TXdark.text()); },
         0.0002},
        {{"--body-x", "1:6000"}, [](const FormOrbit& f) { return f.st.ScrX[1]; }, 6000},
        {{"--body-y", "1:4000"}, [](const FormOrbit& f) { return f.st.ScrY[1]; }, 4000},
        {{"--body-vx", "1:0.25"}, [](const FormOrbit& f) { return f.st.VelX[1]; }, 0.25},
        {{"--body-vy", "1:-0.5"}, [](const FormOrbit& f) { return f.st.VelY[1]; }, -0.5},
        {{"--body-mass", "2:1.5"}, [](const FormOrbit& f) { return f.st.Mass[2]; }, 1.5},
    };
    for (const auto& row : rows) {
        Overridden run(row.args);
        EXPECT_EQ(run.refused, std::nullopt) << row.args[0];
        EXPECT_EQ(row.held(run.form), row.value) << row.args.back();
    }
}

// What a box keeps is the window's own rule, applied by its handlers, and an override the window changes is
// refused under its option: the exponent stays within 0.4..2.6, a negative speed of gravity becomes 1, and
// the body editor takes a body only inside the window, the horizontal position in single precision.
TEST(Overrides, TheWindowsLimitsRefuseWhatItDoesNotKeep) {
    const struct {
        std::vector<std::string> args;
        bool kept;
    } rows[] = {
        {{"--gravity-exponent", "0.4"}, true},
        {{"--gravity-exponent", "0.39999999999999"}, false},
        {{"--gravity-exponent", "2.6"}, true},
        {{"--gravity-exponent", "2.6000000000001"}, false},
        {{"--general-relativity", "1", "--gravity-speed", "0.00000000000001"}, true},
        {{"--general-relativity", "1", "--gravity-speed", "-0.00000000000001"}, false},
        {{"--body-x", "1:0"}, true},
        {{"--body-x", "1:-0.00000000000001"}, false},
        {{"--body-x", "1:15360.0004"}, true},  // 15360 in single precision
        {{"--body-x", "1:15360.0005"}, false},
        {{"--body-y", "1:0"}, true},
        {{"--body-y", "1:-0.00000000000001"}, false},
        {{"--body-y", "1:11520"}, true},
        {{"--body-y", "1:11520.0000000001"}, false},
    };
    for (const auto& row : rows) {
        const std::string given = row.args[row.args.size() - 2] + " " + row.args.back();
        Overridden run(row.args);
        EXPECT_EQ(run.refused.has_value(), !row.kept) << given << ": " << run.refused.value_or("kept");
        if (run.refused) {
            EXPECT_EQ(run.refused->find(given + " "), 0u) << *run.refused;
        }
    }
}

// Ticking Special Relativity while General Relativity is off resets the speed of gravity: the ticks go first
// whatever the order given, so the typed speed stands.
TEST(Overrides, TicksComeBeforeTheBoxesThatTheyReset) {
    Overridden run({"--gravity-speed", "2.5", "--special-relativity", "1", "--general-relativity", "1"});
    EXPECT_EQ(run.refused, std::nullopt);
    EXPECT_EQ(run.form.TXGspeed.text(), "2.5");
    EXPECT_TRUE(run.form.Cosmos[1].ticked() && run.form.Cosmos[3].ticked());
}

}  // namespace
}  // namespace zephra::batch
