// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "toolkit/headless_platform.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {
namespace {

// A run of the Earth and the Moon, paused so that the editor shows body 1.
class BodyEditor : public ::testing::Test {
  protected:
    toolkit::HeadlessPlatform platform{"/tmp/zephra-editor"};
    FormOrbit form{platform};

    void SetUp() override {
        form.CDp[6].press();
        form.TXTOden.setText("1");
        form.Command5_Click();
    }
    // Types into a box and leaves it with the box's own handler; returns what the box then shows.
    std::string leave(TextBox& box, const char* text, void (FormOrbit::*handler)()) {
        box.setText(text);
        (form.*handler)();
        return box.text();
    }
    void leaveEditor(TextBox& box, const char* text) {
        box.setText(text);
        form.TXTp_LostFocus(0);
    }
};

TEST_F(BodyEditor, PauseShowsTheChosenBodyWhoseTypedValuesApplyWhenTheBoxIsLeft) {
    // The Earth's speed in km per iteration of its time scale and its mass in suns, in full.
    EXPECT_EQ(form.TXTp[3].text(), "1.75422");
    EXPECT_EQ(form.TXTp[4].text(), "0.000003003344");
    EXPECT_EQ(form.TxTyp.text(), "1");
    EXPECT_EQ(form.Chon.value(), CheckBox::kUnticked);
    EXPECT_NEAR(form.Shark.left() + form.Shark.width() / 2.0, form.st.ScrX[1], 1.0);  // whole twips

    form.TXTp[3].setText("0.5");
    leaveEditor(form.TXTp[0], "1000");
    EXPECT_EQ(form.st.VelY[1], 0.5);
    EXPECT_EQ(form.st.ScrX[1], 1000);
    EXPECT_EQ(form.st.PosX[1], (1000 - form.st.OrgX) * form.st.KmPerTwip);
}

// Positions are pulled into the 15360 x 11520 twip window one box at a time, and the rest waits; a position
// on the window's edge is inside and applies the whole edit.
TEST_F(BodyEditor, PositionsOutsideTheWindowArePulledInWithoutApplyingTheRest) {
    const struct {
        int box;
        const char *typed, *shown;
        bool applied;
    } rows[] = {{1, "-1", "0", false},        {1, "0", "0", true},         {0, "-1", "0", false},
                {0, "15361", "15360", false}, {0, "15360", "15360", true}, {1, "11521", "11520", false},
                {1, "12000", "11520", false}, {1, "11520", "11520", true}};
    for (const auto& row : rows) {
        form.st.VelX[1] = 0.5;
        form.TXTp[0].setText("100");
        form.TXTp[1].setText("100");
        form.TXTp[2].setText("9");
        leaveEditor(form.TXTp[row.box], row.typed);
        EXPECT_EQ(form.TXTp[row.box].text(), row.shown) << row.typed;
        EXPECT_EQ(form.st.VelX[1], row.applied ? 9 : 0.5) << row.typed;
        if (!row.applied) continue;
        // The km of the screen position, each by its own axis's origin.
        const auto& st = form.st;
        EXPECT_EQ(st.PosX[1], (toolkit::leadingNumber(form.TXTp[0].text()) - st.OrgX) * st.KmPerTwip);
        EXPECT_EQ(st.PosY[1], (toolkit::leadingNumber(form.TXTp[1].text()) - st.OrgY) * st.KmPerTwip);
    }
    // The position bars follow a body inside the window only.
    for (const auto& [y, inside] : {std::pair{11000.0, true}, {12000.0, false}}) {
        form.Hsp[1].setValue(5);
        form.st.ScrX[1] = 100;
        form.st.ScrY[1] = y;
        form.SetBody(1);
        EXPECT_EQ(form.Hsp[1].value(), inside ? 11000 : 5) << y;
    }
}

TEST_F(BodyEditor, DraggingABarMovesTheBodyByOnePixel) {
    form.Opadd[1].select();
    EXPECT_TRUE(form.Hsp[0].visible());
    EXPECT_TRUE(form.TXTp[0].locked());
    // The first drag puts the body on whole twips; the next one is a clean pixel.
    form.Hsp[0].setValue(form.Hsp[0].value() + 15);
    const int x = form.Hsp[0].value();
    const double km = form.st.PosX[1];
    form.Hsp[0].setValue(x + 15);
    EXPECT_EQ(form.st.ScrX[1], x + 15);
    EXPECT_EQ(form.TXTp[0].text(), std::to_string(x + 15));
    EXPECT_NEAR(form.st.PosX[1] - km, 15 * form.st.KmPerTwip, 1e-6 * form.st.KmPerTwip);
    EXPECT_EQ(form.Opadd[1].backColor(), toolkit::rgb(128, 64, 32));
    EXPECT_EQ(form.Opadd[0].backColor(), toolkit::rgb(16, 8, 0));
}

TEST_F(BodyEditor, BodiesOutsideTheArraysAndMassesThatAreNoNumbersAreRefused) {
    for (const char* typed : {"3", "7", "144", "-1", "-3"}) {
        form.TXTOden.setText(typed);
        form.Asgard();
        EXPECT_EQ(form.TXTOden.text(), typed[0] == '-' ? "0" : "2") << typed;
        EXPECT_NE(form.LaChirp[1].caption().find("cannot be edited"), std::string::npos);
    }
    for (const char* typed : {"0", "2"}) {
        form.LaChirp[1].setCaption("");
        form.TXTOden.setText(typed);
        form.Asgard();
        EXPECT_EQ(form.TXTOden.text(), typed);
        EXPECT_EQ(form.LaChirp[1].caption(), "");
    }
    form.SetBody(9);
    form.Ocean(-1);

    form.TXTOden.setText("1");
    const double mass = form.st.Mass[1], x = form.st.PosX[1];
    form.TXTp[0].setText("200");
    leaveEditor(form.TXTp[4], "heavy");
    EXPECT_EQ(form.st.Mass[1], mass);
    EXPECT_EQ(form.st.PosX[1], x);
    EXPECT_EQ(form.TXTp[4].text(), "0.000003003344");
    EXPECT_EQ(form.LaChirp[1].caption(), "Mass refused: it must be a number.");
}

// Each box at its limits and one step beyond either: the planets 1..144, the bodies that take part 1..9, the
// tagged planet 0..planets, the seed within +-32767, the surface points from 3, the pattern depth 1..6.
TEST_F(BodyEditor, CountBoxesStayWithinTheirLimitsAndTheArrays) {
    const auto expectKept = [this](TextBox& box, void (FormOrbit::*handler)(),
                                   std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (auto [typed, kept] : rows)
            EXPECT_EQ(leave(box, typed, handler), kept) << box.name() << " " << typed;
    };
    expectKept(form.TXn, &FormOrbit::TXn_LostFocus,
               {{"0", "1"}, {"1", "1"}, {"-4", "1"}, {"7", "7"}, {"144", "144"}, {"145", "144"}});
    expectKept(form.TXn, &FormOrbit::TXn_DblClick, {{"143", "144"}, {"144", "144"}, {"3", "4"}});
    for (auto [planets, taking] : {std::pair{"9", 9}, {"10", 9}, {"50", 9}, {"2", 2}}) {
        form.LaChirp[1].setCaption("");
        form.TXn.setText(planets);
        form.Command2_Click();
        EXPECT_EQ(form.st.NBodies, taking) << planets;
        EXPECT_EQ(form.LaChirp[1].caption() == "Only bodies 1 to 9 take part: the simulation holds no more.",
                  std::string(planets).size() > 1)
            << planets;
    }
    form.TXn.setText("4");
    expectKept(form.Text7, &FormOrbit::Text7_LostFocus, {{"5", "4"}, {"4", "4"}, {"0", "0"}, {"-1", "0"}});
    expectKept(form.TXran, &FormOrbit::TXran_LostFocus,
               {{"32767", "32767"}, {"32768", "32767"}, {"-32767", "-32767"}, {"-32768", "-32767"}});
    expectKept(form.Text6, &FormOrbit::Text6_DblClick, {{"1", "2"}, {"5", "6"}, {"6", "1"}});
    expectKept(form.Text4, &FormOrbit::Text4_DblClick,
               {{"0.5", "0"}, {"1", "0"}, {"1.5", "0.5"}, {"3", "2"}});
    for (auto [typed, kept] : {std::pair{"2", "3"}, {"3", "3"}, {"4", "4"}}) {
        form.Text3.setText(typed);
        EXPECT_EQ(form.Text3.text(), kept) << typed;
    }
    // Double-clicked, the surface points take a random whole 3..32, both ends included.
    double least = 100, most = 0;
    for (int k = 0; k < 300; ++k) {
        form.Text3_DblClick();
        const double points = toolkit::leadingNumber(form.Text3.text());
        EXPECT_EQ(points, std::floor(points));
        least = std::min(least, points);
        most = std::max(most, points);
    }
    EXPECT_EQ(least, 3);
    EXPECT_EQ(most, 32);
    form.CHran.setValue(CheckBox::kTicked);
    EXPECT_FALSE(form.Tr.enabled());
}

}  // namespace
}  // namespace zephra
