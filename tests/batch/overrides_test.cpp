#include "batch/overrides.h"

#include <gtest/gtest.h>

#include <variant>

#include "batch/batch_options.h"
#include "toolkit/headless_platform.h"

namespace zephra::batch {
namespace {

// Scenario 10 (the Earth under Newton alone) loaded in a window, then the command line's overrides set.
struct Overridden {
    toolkit::HeadlessPlatform platform{"/tmp"};
    FormOrbit form{platform};
    std::string refused;

    explicit Overridden(std::vector<std::string> args) {
        args.insert(args.begin(), {"--scenario", "10"});
        const auto parsed = parseOptions(args);
        EXPECT_TRUE(std::holds_alternative<BatchOptions>(parsed)) << std::get<std::string>(parsed);
        form.CDp[10].press();
        refused = applyOverrides(form, std::get<BatchOptions>(parsed).overrides);
    }
};

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
        EXPECT_EQ(run.refused, "") << row.option;
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(run.form.Cosmos[i].value(), i == row.box ? row.shown
                                                  : i == 0     ? 1
                                                               : 0)
                << row.option << ", box " << i;
    }
}

// Ticking Special Relativity while General Relativity is off resets the speed of gravity: the ticks go first
// whatever the order given, so the typed speed stands.
TEST(Overrides, TicksComeBeforeTheBoxesThatTheyReset) {
    Overridden run({"--gravity-speed", "2.5", "--special-relativity", "1", "--general-relativity", "1"});
    EXPECT_EQ(run.refused, "");
    EXPECT_EQ(run.form.TXGspeed.text(), "2.5");
    EXPECT_TRUE(run.form.Cosmos[1].ticked() && run.form.Cosmos[3].ticked());
}

}  // namespace
}  // namespace zephra::batch
