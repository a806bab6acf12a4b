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
