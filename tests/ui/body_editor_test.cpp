// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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
    EXPECT_EQ(form.TXTp[3].text(), toolkit::numberText(form.st.VelY[1]));
    EXPECT_EQ(form.TXTp[4].text(), toolkit::numberText(form.st.Mass[1]));
    EXPECT_EQ(form.TxTyp.text(), "1");
    EXPECT_EQ(form.Chon.value(), CheckBox::kUnticked);
    EXPECT_NEAR(form.Shark.left() + form.Shark.width() / 2.0, form.st.ScrX[1], 1.0);  // whole twips

    form.TXTp[3].setText("0.5");
    leaveEditor(form.TXTp[0], "1000");
    EXPECT_EQ(form.st.VelY[1], 0.5);
    EXPECT_EQ(form.st.ScrX[1], 1000);
    EXPECT_EQ(form.st.PosX[1], (1000 - form.st.OrgX) * form.st.KmPerTwip);
}

TEST_F(BodyEditor, PositionsOutsideTheWindowArePulledInWithoutApplyingTheRest) {
    const double velocity = form.st.VelX[1];
    form.TXTp[2].setText("9");
    leaveEditor(form.TXTp[1], "-5");
    EXPECT_EQ(form.TXTp[1].text(), "0");
    leaveEditor(form.TXTp[0], "99999");
    EXPECT_EQ(form.TXTp[0].text(), "15360");
    EXPECT_EQ(form.st.VelX[1], velocity);
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
    EXPECT_EQ(form.TXTp[0].text(), toolkit::numberText(x + 15));
    EXPECT_NEAR(form.st.PosX[1] - km, 15 * form.st.KmPerTwip, 1e-6 * form.st.KmPerTwip);
    EXPECT_EQ(form.Opadd[1].backColor(), toolkit::rgb(128, 64, 32));
    EXPECT_EQ(form.Opadd[0].backColor(), toolkit::rgb(16, 8, 0));
}

TEST_F(BodyEditor, BodiesOutsideTheArraysAndMassesThatAreNoNumbersAreRefused) {
    for (const char* typed : {"7", "144", "-3"}) {
        form.TXTOden.setText(typed);
        form.Asgard();
        EXPECT_EQ(form.TXTOden.text(), typed[0] == '-' ? "0" : "2") << typed;
        EXPECT_NE(form.LaChirp[1].caption().find("cannot be edited"), std::string::npos);
    }
    form.SetBody(9);
    form.Ocean(-1);

    form.TXTOden.setText("1");
    const double mass = form.st.Mass[1], x = form.st.PosX[1];
    form.TXTp[0].setText("200");
    leaveEditor(form.TXTp[4], "heavy");
    EXPECT_EQ(form.st.Mass[1], mass);
    EXPECT_EQ(form.st.PosX[1], x);
    EXPECT_EQ(form.TXTp[4].text(), toolkit::numberText(mass));
    EXPECT_EQ(form.LaChirp[1].caption(), "Mass refused: it must be a number.");
}

TEST_F(BodyEditor, CountBoxesStayWithinTheirLimitsAndTheArrays) {
    for (auto [typed, kept] : {std::pair{"0", "1"}, {"200", "144"}, {"-4", "1"}, {"7", "7"}})
        EXPECT_EQ(leave(form.TXn, typed, &FormOrbit::TXn_LostFocus), kept) << typed;
    EXPECT_EQ(leave(form.TXn, "144", &FormOrbit::TXn_DblClick), "144");
    EXPECT_EQ(leave(form.TXn, "3", &FormOrbit::TXn_DblClick), "4");

    // More planets than the arrays hold are cut to the arrays.
    form.TXn.setText("50");
    form.Command2_Click();
    EXPECT_EQ(form.st.NBodies, kBodySlots - 1);
    form.TXn.setText("2");
    form.Command2_Click();
    EXPECT_EQ(form.st.NBodies, 2);

    // The tagged planet stays among the planets.
    form.TXn.setText("4");
    for (auto [typed, kept] : {std::pair{"9", "4"}, {"-1", "0"}, {"3", "3"}})
        EXPECT_EQ(leave(form.Text7, typed, &FormOrbit::Text7_LostFocus), kept) << typed;

    for (int i = 0; i < 6; ++i) form.Text6_DblClick();
    EXPECT_EQ(form.Text6.text(), "1");
    EXPECT_EQ(leave(form.Text6, "1", &FormOrbit::Text6_DblClick), "2");
    EXPECT_EQ(leave(form.TXran, "40000", &FormOrbit::TXran_LostFocus), "32767");
    EXPECT_EQ(leave(form.TXran, "-40000", &FormOrbit::TXran_LostFocus), "-32767");
    EXPECT_EQ(leave(form.Text4, "0.5", &FormOrbit::Text4_DblClick), "0");
    EXPECT_EQ(leave(form.Text4, "3", &FormOrbit::Text4_DblClick), "2");
    form.Text3.setText("1");
    EXPECT_EQ(form.Text3.text(), "3");
    form.CHran.setValue(CheckBox::kTicked);
    EXPECT_FALSE(form.Tr.enabled());
}

}  // namespace
}  // namespace zephra
