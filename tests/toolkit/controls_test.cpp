// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/controls.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace zephra::toolkit {
namespace {

// Two frames of two options each, a check box, two text boxes and a scroll bar;
// every handler writes its event to a log.
struct TestForm : Form {
    TestForm() : Form(15360, 11520) {
        add(frameA, "FrameA");
        add(frameB, "FrameB");
        addArray(opts, "Opt", {0, 1, 2, 3});
        for (int i = 0; i < 4; ++i) {
            opts[i].setContainer(i < 2 ? &frameA : &frameB);
            opts[i].onClick = [this, i] { log += "opt" + std::to_string(i) + " "; };
        }
        add(check, "Check");
        add(boxA, "BoxA");
        add(boxB, "BoxB");
        add(bar, "Bar");
        check.onClick = [this] { log += "check "; };
        boxA.onLostFocus = [this] { log += "lostA "; };
        boxB.onLostFocus = [this] { log += "lostB "; };
        boxA.onChange = [this] { log += "changeA "; };
        bar.onChange = [this] { log += "bar "; };
        takeDirty();
    }
    // The events since the last call.
    std::string events() { return std::exchange(log, {}); }

    Frame frameA, frameB;
    ControlArray<OptionButton, 4> opts;
    CheckBox check;
    TextBox boxA, boxB;
    HScrollBar bar;
    std::string log;
};

TEST(Controls, CheckBoxRunsClickOnRealChangesAndUserClicksTickOrUntick) {
    TestForm f;
    for (int v : {0, 1, 1, 2}) f.check.setValue(v);
    EXPECT_EQ(f.events(), "check check ");
    // From greyed a click ticks, then unticks, then ticks.
    for (int expected : {1, 0, 1}) {
        f.check.click();
        EXPECT_EQ(f.check.value(), expected);
    }
    EXPECT_EQ(f.events(), "check check check ");
}

TEST(Controls, OptionGroupsAreTheirContainers) {
    TestForm f;
    for (int i : {0, 2, 1, 1}) f.opts[i].select();
    EXPECT_EQ(f.events(), "opt0 opt2 opt1 ");
    EXPECT_FALSE(f.opts[0].value());
    EXPECT_TRUE(f.opts[2].value()) << "another container's group is untouched";
    f.opts[1].deselect();
    EXPECT_FALSE(f.opts[1].value());
    EXPECT_EQ(f.events(), "") << "deselecting from code raises no event";
}

TEST(Controls, TextChangeAndFocusEvents) {
    TestForm f;
    f.boxA.setText("12");
    f.boxA.setText("12");
    f.boxA.initText("5");  // the start state raises no event
    f.boxA.setFocus();
    f.boxB.setFocus();
    f.boxB.setFocus();  // focusing the focused box changes nothing
    f.setFocus(f.check);
    EXPECT_EQ(f.events(), "changeA lostA lostB ");
    EXPECT_EQ(f.focused(), &f.check);

    // A lost-focus handler may take the focus back.
    f.boxA.onLostFocus = [&f] { f.boxA.setFocus(); };
    f.boxA.setFocus();
    f.boxB.setFocus();
    EXPECT_EQ(f.focused(), &f.boxA);
    EXPECT_EQ(f.events(), "lostB ");
}

TEST(Controls, TextsChangeOnlyWhenDifferentAndTheirNumbersFollow) {
    TestForm f;
    f.boxB.setText("0.667");
    EXPECT_EQ(f.takeDirty().size(), 1u);
    f.boxB.setText("0.667");
    f.boxB.setCaption("");
    EXPECT_TRUE(f.takeDirty().empty());  // the same text again is no change
    f.boxB.setText("12abc");
    EXPECT_EQ(f.boxB.leadingValue(), 12);
    EXPECT_FALSE(f.boxB.strictValue().has_value());
    f.boxB.setText("7.3");  // the numbers read follow every change of the text
    EXPECT_EQ(f.boxB.leadingValue(), 7.3);
    EXPECT_EQ(f.boxB.strictValue(), 7.3);
    f.boxB.initText(" x");
    EXPECT_EQ(f.boxB.leadingValue(), 0);
    EXPECT_FALSE(f.boxB.strictValue().has_value());

    // boxA has a Change handler: it runs once for a new text and not for the same text again.
    f.boxA.setText("12");
    f.boxA.setText("12");
    EXPECT_EQ(f.events(), "changeA ");
}

TEST(Controls, ScrollBarClampsAndReportsChanges) {
    TestForm f;
    f.bar.initRange(0, 10, 0);
    f.bar.setValue(25);
    EXPECT_EQ(f.bar.value(), 10);
    f.bar.setValue(40);
    f.bar.setMax(4);
    EXPECT_EQ(f.bar.value(), 4);
    EXPECT_EQ(f.events(), "bar bar ");
    f.bar.setValue(-3);
    EXPECT_EQ(f.bar.value(), 0);
}

TEST(Controls, DirtyControlsAreReportedOnceAndFramesHideTheirMembers) {
    TestForm f;
    f.opts[0].setCaption("a");
    f.opts[0].setForeColor(rgb(1, 2, 3));
    f.boxA.setText("x");
    EXPECT_EQ(f.takeDirty().size(), 2u);
    f.opts[0].setCaption("a");
    EXPECT_FALSE(f.anyDirty()) << "an unchanged value is not a change";

    f.frameA.setVisible(false);
    EXPECT_EQ(f.takeDirty(), std::vector<Control*>{&f.frameA});
    EXPECT_FALSE(f.opts[0].shown());
    EXPECT_TRUE(f.opts[0].visible());
    EXPECT_EQ(f.find("Opt", 3), &f.opts[3]);
    EXPECT_EQ(f.find("Opt", 4), nullptr);
}

TEST(Surface, PointsInTwipsOutsideAreIgnored) {
    Surface s;
    s.setPoint(15 * 10 + 14, 15 * 20, rgb(9, 8, 7));
    EXPECT_EQ(s.point(150, 300), rgb(9, 8, 7));
    EXPECT_EQ(s.point(165, 300), kBlack);
    const auto g = s.generation();
    for (double x : {-1.0, 15360.0, std::numeric_limits<double>::quiet_NaN(), 1e300})
        s.setPoint(x, 5, kWhite);
    EXPECT_EQ(s.generation(), g);
    EXPECT_EQ(s.point(0, 11520), -1);
    s.clear();
    EXPECT_EQ(s.point(150, 300), kBlack);
}

// A clear blackens every pixel drawn since the last one, whether a few were drawn or more than it keeps a
// list of, and a pixel drawn again after a clear is cleared by the next.
TEST(Surface, ClearBlackensEveryDrawnPixel) {
    for (int drawn : {3, 70000, 786432}) {
        Surface s;
        for (int k = 0; k < drawn; ++k) s.setPixel(k, rgb(1, 2, 3));
        s.setPixel(5, kWhite);
        s.clear();
        s.setPixel(7, kWhite);
        s.clear();
        for (int k = 0; k < Surface::kWidthPixels * Surface::kHeightPixels; ++k)
            ASSERT_EQ(s.pixels()[k], kBlack) << drawn << " drawn, pixel " << k;
    }
}

}  // namespace
}  // namespace zephra::toolkit
