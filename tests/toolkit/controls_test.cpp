#include "toolkit/controls.h"

#include <gtest/gtest.h>

#include <limits>

#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace zephra::toolkit {
namespace {

struct TestForm : Form {
    TestForm() : Form(15360, 11520) {
        add(frameA, "FrameA");
        add(frameB, "FrameB");
        addArray(opts, "Opt", {0, 1, 2, 3});
        opts[0].setContainer(&frameA);
        opts[1].setContainer(&frameA);
        opts[2].setContainer(&frameB);
        opts[3].setContainer(&frameB);
        add(check, "Check");
        add(boxA, "BoxA");
        add(boxB, "BoxB");
        add(bar, "Bar");
        for (int i = 0; i < 4; ++i) opts[i].onClick = [this, i] { ++optClicks[i]; };
        check.onClick = [this] { ++checkClicks; };
        boxA.onLostFocus = [this] { ++lostA; };
        boxB.onLostFocus = [this] { ++lostB; };
        boxA.onChange = [this] { ++changesA; };
        bar.onChange = [this] { ++barChanges; };
        takeDirty();
    }
    Frame frameA, frameB;
    ControlArray<OptionButton, 4> opts;
    CheckBox check;
    TextBox boxA, boxB;
    HScrollBar bar;
    int optClicks[4] = {};
    int checkClicks = 0, lostA = 0, lostB = 0, changesA = 0, barChanges = 0;
};

TEST(Controls, CheckBoxRunsClickOnlyOnRealChangeFromCode) {
    TestForm f;
    f.check.setValue(0);
    EXPECT_EQ(f.checkClicks, 0);
    f.check.setValue(1);
    f.check.setValue(1);
    EXPECT_EQ(f.checkClicks, 1);
    f.check.setValue(2);
    EXPECT_EQ(f.checkClicks, 2);
    EXPECT_EQ(f.check.value(), 2);
}

TEST(Controls, UserClickTicksGreyedAndUnticksTicked) {
    TestForm f;
    f.check.initValue(2);
    f.check.click();
    EXPECT_EQ(f.check.value(), 1);
    f.check.click();
    EXPECT_EQ(f.check.value(), 0);
    f.check.click();
    EXPECT_EQ(f.check.value(), 1);
    EXPECT_EQ(f.checkClicks, 3);
}

TEST(Controls, OptionGroupsAreTheirContainers) {
    TestForm f;
    f.opts[0].select();
    f.opts[2].select();
    EXPECT_TRUE(f.opts[0].value());
    EXPECT_TRUE(f.opts[2].value());
    f.opts[1].select();
    EXPECT_FALSE(f.opts[0].value());
    EXPECT_TRUE(f.opts[1].value());
    EXPECT_TRUE(f.opts[2].value()) << "another container's group is untouched";
    f.opts[1].select();  // already selected: no event
    EXPECT_EQ(f.optClicks[0], 1);
    EXPECT_EQ(f.optClicks[1], 1);
    EXPECT_EQ(f.optClicks[2], 1);
    f.opts[1].deselect();
    EXPECT_FALSE(f.opts[1].value());
    EXPECT_EQ(f.optClicks[1], 1) << "deselecting from code raises no event";
}

TEST(Controls, TextChangeAndFocusEvents) {
    TestForm f;
    f.boxA.setText("12");
    f.boxA.setText("12");
    EXPECT_EQ(f.changesA, 1);
    f.boxA.initText("5");
    EXPECT_EQ(f.changesA, 1) << "start state raises no event";

    f.boxA.setFocus();
    EXPECT_EQ(f.lostA, 0);
    f.boxB.setFocus();
    EXPECT_EQ(f.lostA, 1);
    f.boxB.setFocus();
    EXPECT_EQ(f.lostB, 0) << "focusing the focused box changes nothing";
    f.setFocus(f.check);
    EXPECT_EQ(f.lostB, 1);
    EXPECT_EQ(f.focused(), &f.check);
}

TEST(Controls, NumbersShownReadAsTheirTextAndRunChangeLikeText) {
    TestForm f;
    // boxB has no Change handler: the number waits, but whoever reads sees its text.
    f.boxB.setText(asPattern(2.0 / 3, "0.000"));
    EXPECT_EQ(f.takeDirty().size(), 1u);
    EXPECT_EQ(f.boxB.text(), "0.667");
    f.boxB.setText(asPattern(2.0 / 3, "0.000"));
    EXPECT_TRUE(f.takeDirty().empty());  // the same number again is no change
    f.boxB.setToolTip(asSignedNumber(5e20, " kg"));
    f.boxB.setCaption(asNumber(-0.0));
    EXPECT_EQ(f.boxB.toolTip(), " 5E+20 kg");
    EXPECT_EQ(f.boxB.caption(), "0");
    f.boxB.setText(asNumber(1.5));
    EXPECT_EQ(f.boxB.leadingValue(), 1.5);
    f.boxB.setText("12abc");
    EXPECT_EQ(f.boxB.leadingValue(), 12);  // the number read follows every change of the text
    EXPECT_FALSE(f.boxB.strictValue().has_value());
    f.boxB.setText(asPattern(7.25, "0.0"));
    EXPECT_EQ(f.boxB.strictValue(), 7.3);
    f.boxB.setText("typed");
    EXPECT_EQ(f.boxB.leadingValue(), 0);

    // boxA has one: its Change runs once for a new text and not for a number that shows the same text.
    f.boxA.setText(asNumber(12));
    f.boxA.setText(asPattern(12.0001, "0"));
    EXPECT_EQ(f.changesA, 1);
    EXPECT_EQ(f.boxA.text(), "12");
}

TEST(Controls, LostFocusHandlerMayTakeTheFocusBack) {
    TestForm f;
    f.boxA.onLostFocus = [&f] { f.boxA.setFocus(); };
    f.boxA.setFocus();
    f.boxB.setFocus();
    EXPECT_EQ(f.focused(), &f.boxA);
    EXPECT_EQ(f.lostB, 1);
}

TEST(Controls, ScrollBarClampsAndReportsChanges) {
    TestForm f;
    f.bar.initRange(0, 10, 0);
    f.bar.setValue(25);
    EXPECT_EQ(f.bar.value(), 10);
    f.bar.setValue(40);
    EXPECT_EQ(f.barChanges, 1);
    f.bar.setMax(4);
    EXPECT_EQ(f.bar.value(), 4);
    EXPECT_EQ(f.barChanges, 2);
    f.bar.setValue(-3);
    EXPECT_EQ(f.bar.value(), 0);
}

TEST(Controls, DirtyControlsAreReportedOnceAndFramesHideTheirMembers) {
    TestForm f;
    f.opts[0].setCaption("a");
    f.opts[0].setForeColor(rgb(1, 2, 3));
    f.boxA.setText("x");
    auto dirty = f.takeDirty();
    ASSERT_EQ(dirty.size(), 2u);
    EXPECT_TRUE(f.takeDirty().empty());
    f.opts[0].setCaption("a");
    EXPECT_FALSE(f.anyDirty()) << "an unchanged value is not a change";

    EXPECT_TRUE(f.opts[0].shown());
    f.frameA.setVisible(false);
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
    s.setPoint(-1, 5, kWhite);
    s.setPoint(15360, 5, kWhite);
    s.setPoint(std::numeric_limits<double>::quiet_NaN(), 5, kWhite);
    s.setPoint(1e300, 5, kWhite);
    EXPECT_EQ(s.generation(), g);
    EXPECT_EQ(s.point(-1, 0), -1);
    EXPECT_EQ(s.point(0, 11520), -1);
    s.clear();
    EXPECT_EQ(s.point(150, 300), kBlack);
}

}  // namespace
}  // namespace zephra::toolkit
