// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra {
namespace {

class DisplayOptions : public ::testing::Test {
  protected:
    DisplayOptions() {
        form.LaLim[1].setForeColor(toolkit::rgb(255, 64, 0));
        form.LaDark[1].setForeColor(toolkit::rgb(128, 0, 32));
        form.LaLim[2].setForeColor(toolkit::rgb(0, 255, 176));
        form.LaDark[2].setForeColor(toolkit::rgb(0, 128, 255));
        form.st.KmPerTwip = 1;
        // A recorded path of ten ticks: body 1 along a row, body 2 one row below; slot 4 of body 2 never
        // written (y exactly 0), slots 6.. written in an odd orbit.
        form.st.Iters = 10;
        for (int s = 0; s <= 10; ++s) {
            form.st.BufX(s, 1) = 3000 + 30 * s;
            form.st.BufY(s, 1) = 3000;
            form.st.BufX(s, 2) = 3000 + 30 * s;
            form.st.BufY(s, 2) = s == 4 ? 0 : 3030;
            form.st.BufShade(s, 1) = form.st.BufShade(s, 2) = s >= 6 ? 3 : 2;
        }
    }
    long pixel(double x, double y) { return form.surface().point(x, y); }

    toolkit::HeadlessPlatform platform;
    FormOrbit form{platform};
};

TEST_F(DisplayOptions, RepairRepaintsTheRecordedPathInItsShades) {
    form.Chalt.initValue(CheckBox::kTicked);
    form.CDrepair.press();
    EXPECT_EQ(pixel(3000, 3000), toolkit::rgb(255, 64, 0));
    EXPECT_EQ(pixel(3000 + 30 * 7, 3000), toolkit::rgb(128, 0, 32));
    EXPECT_EQ(pixel(3000 + 30 * 10, 3030), toolkit::rgb(0, 128, 255));
    EXPECT_EQ(pixel(3000 + 30 * 3, 3030), toolkit::rgb(0, 255, 176));
    EXPECT_EQ(pixel(3000 + 30 * 4, 0), toolkit::kBlack);      // never written
    EXPECT_EQ(pixel(3000 + 30 * 11, 3000), toolkit::kBlack);  // beyond the run

    form.Command4.press();
    EXPECT_EQ(pixel(3000, 3000), toolkit::kBlack);
    form.Chalt.initValue(CheckBox::kUnticked);
    form.CDrepair.press();
    EXPECT_EQ(pixel(3000 + 30 * 7, 3000), toolkit::rgb(255, 64, 0));

    form.Command4.press();
    form.st.KmPerTwip = 0;  // no scale yet: nothing to do
    form.CDrepair.press();
    EXPECT_EQ(pixel(3000, 3000), toolkit::kBlack);
}

TEST_F(DisplayOptions, HeavyBodiesTakeTheirEventHorizonRadius) {
    form.TXschwarz.setText("2.94");
    form.TXrad[1].setText("700000");
    form.TXrad[2].setText("12");
    form.st.Mass[1] = 3;
    form.st.Mass[2] = 2.6;
    form.Horizon();
    EXPECT_EQ(form.TXrad[1].text(), "8.82");
    EXPECT_EQ(form.TXrad[2].text(), "12");
    // Every tick puts the radius back: after an edit of the box, and after a change of the mass or factor.
    form.TXrad[1].setText("5");
    form.Horizon();
    EXPECT_EQ(form.TXrad[1].text(), "8.82");
    form.st.Mass[1] = 4;
    form.Horizon();
    EXPECT_EQ(form.TXrad[1].text(), "11.76");
    form.TXschwarz.setText("0");
    form.Horizon();
    EXPECT_EQ(form.TXrad[1].text(), "0.00");
}

TEST_F(DisplayOptions, BodyDisplayModes) {
    form.Chauto.setValue(CheckBox::kTicked);
    EXPECT_EQ(form.st.BodyDraw, 8);
    form.surface().setPoint(100, 100, toolkit::kWhite);
    form.Chboo.setValue(CheckBox::kTicked);
    form.Chboo.setValue(CheckBox::kUnticked);
    EXPECT_EQ(form.st.BodyDraw, 7);
    EXPECT_EQ(form.La[3].toolTip(), "Orbit line only, no body");
    EXPECT_EQ(form.Chauto.value(), CheckBox::kUnticked);
    EXPECT_EQ(pixel(100, 100), toolkit::kBlack);
}

TEST_F(DisplayOptions, BodySizeBoxesHoldWholeSizesOfAtLeastOne) {
    struct Row {
        const char* typed;
        const char* shown;
    };
    for (const Row& row : {Row{"0", "1"}, Row{"-5", "1"}, Row{"abc", "1"}, Row{"75", "75"}, Row{"2.5", "2"},
                           Row{"1e9", "32767"}}) {
        form.Text1.setText(row.typed);
        form.Text1_LostFocus();
        EXPECT_EQ(form.Text1.text(), row.shown) << row.typed;
        form.Text5.setText(row.typed);
        form.Text5_LostFocus();
        EXPECT_EQ(form.Text5.text(), row.shown) << row.typed;
    }
    form.Text1.setText("12");
    form.Text1_LostFocus();
    EXPECT_EQ(form.st.MinorRad, 12);
}

TEST_F(DisplayOptions, ObjectSwitchKeepsItsBodyNumberInsideTheArrays) {
    form.TXTOden.setText("2");
    form.Chon.setValue(CheckBox::kTicked);
    EXPECT_EQ(form.st.BodyOff[2], 1);
    EXPECT_EQ(form.Chon.caption(), "Object OFF");
    form.Chon.setValue(CheckBox::kUnticked);
    EXPECT_EQ(form.st.BodyOff[2], 0);
    EXPECT_EQ(form.Chon.caption(), "Object ON");
    form.TXTOden.setText("40000");
    form.Chon.setValue(CheckBox::kTicked);
    EXPECT_EQ(form.st.BodyOff[9], 1);
}

}  // namespace
}  // namespace zephra
