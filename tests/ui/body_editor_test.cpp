#include <gtest/gtest.h>

#include <cmath>

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
    void leave(TextBox& box, const char* text) {
        box.setText(text);
        form.TXTp_LostFocus(0);
    }
    static double number(const TextBox& box) { return toolkit::leadingNumber(box.text()); }
};

TEST_F(BodyEditor, PauseShowsTheChosenBody) {
    EXPECT_EQ(form.TXTOden.text(), "1");
    EXPECT_EQ(form.TXTp[0].text(), toolkit::numberText(form.st.ScrX[1]));
    EXPECT_EQ(form.TXTp[3].text(), toolkit::numberText(form.st.VelY[1]));
    EXPECT_EQ(form.TXTp[4].text(), toolkit::numberText(form.st.Mass[1]));
    EXPECT_EQ(form.Hsp[0].value(), static_cast<int>(form.st.ScrX[1]));
    EXPECT_EQ(form.TxTyp.text(), "1");
    EXPECT_EQ(form.Chon.value(), CheckBox::kUnticked);
    EXPECT_NEAR(form.Shark.left() + form.Shark.width() / 2.0, form.st.ScrX[1], 1.0);  // whole twips
}

TEST_F(BodyEditor, TypedValuesApplyWhenTheBoxIsLeft) {
    form.TXTp[3].setText("0.5");
    leave(form.TXTp[0], "1000");
    EXPECT_EQ(form.st.VelY[1], 0.5);
    EXPECT_EQ(form.st.ScrX[1], 1000);
    EXPECT_EQ(form.st.PosX[1], (1000 - form.st.OrgX) * form.st.KmPerTwip);
}

TEST_F(BodyEditor, PositionsOutsideTheWindowArePulledInWithoutApplyingTheRest) {
    const double velocity = form.st.VelX[1];
    form.TXTp[2].setText("9");
    leave(form.TXTp[1], "-5");
    EXPECT_EQ(form.TXTp[1].text(), "0");
    EXPECT_EQ(form.st.VelX[1], velocity);
    leave(form.TXTp[0], "99999");
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
    EXPECT_EQ(form.Opadd[1].foreColor(), toolkit::kWhite);
    EXPECT_EQ(form.Opadd[1].backColor(), toolkit::rgb(128, 64, 32));
    EXPECT_EQ(form.Opadd[0].foreColor(), toolkit::rgb(96, 96, 96));
    EXPECT_EQ(form.Opadd[0].backColor(), toolkit::rgb(16, 8, 0));
}

TEST_F(BodyEditor, BodyNumbersOutsideTheScreenArraysAreRefused) {
    for (const char* typed : {"7", "144", "-3"}) {
        form.TXTOden.setText(typed);
        form.Asgard();
        const int kept = toolkit::leadingNumber(typed) < 0 ? 0 : 2;
        EXPECT_EQ(form.TXTOden.text(), toolkit::numberText(kept)) << typed;
        EXPECT_NE(form.LaChirp[1].caption().find("cannot be edited"), std::string::npos);
    }
    form.SetBody(9);
    form.Ocean(-1);
}

TEST_F(BodyEditor, AMassThatIsNoNumberIsRefusedWithTheWholeEdit) {
    const double mass = form.st.Mass[1], x = form.st.PosX[1];
    form.TXTp[0].setText("200");
    leave(form.TXTp[4], "heavy");
    EXPECT_EQ(form.st.Mass[1], mass);
    EXPECT_EQ(form.st.PosX[1], x);
    EXPECT_EQ(number(form.TXTp[4]), mass);
    EXPECT_EQ(form.LaChirp[1].caption(), "Mass refused: it must be a number.");
}

TEST_F(BodyEditor, PlanetCountStaysWithinItsLimitsAndTheArrays) {
    struct Row {
        const char* typed;
        const char* kept;
    };
    for (const Row& r : {Row{"0", "1"}, Row{"200", "144"}, Row{"-4", "1"}, Row{"7", "7"}}) {
        form.TXn.setText(r.typed);
        form.TXn_LostFocus();
        EXPECT_EQ(form.TXn.text(), r.kept) << r.typed;
    }
    form.TXn.setText("144");
    form.TXn_DblClick();
    EXPECT_EQ(form.TXn.text(), "144");
    form.TXn.setText("3");
    form.TXn_DblClick();
    EXPECT_EQ(form.TXn.text(), "4");

    // More planets than the arrays hold are cut to the arrays.
    form.TXn.setText("50");
    form.Command2_Click();
    EXPECT_EQ(form.st.NBodies, kBodySlots - 1);
    form.TXn.setText("2");
    form.Command2_Click();
    EXPECT_EQ(form.st.NBodies, 2);

    // The tagged planet stays among the planets.
    form.TXn.setText("4");
    for (const Row& r : {Row{"9", "4"}, Row{"-1", "0"}, Row{"3", "3"}}) {
        form.Text7.setText(r.typed);
        form.Text7_LostFocus();
        EXPECT_EQ(form.Text7.text(), r.kept) << r.typed;
    }
}

TEST_F(BodyEditor, SettingBoxesKeepTheirRanges) {
    for (int i = 0; i < 6; ++i) form.Text6_DblClick();
    EXPECT_EQ(form.Text6.text(), "1");
    form.Text6_DblClick();
    EXPECT_EQ(form.Text6.text(), "2");

    form.TXran.setText("40000");
    form.TXran_LostFocus();
    EXPECT_EQ(form.TXran.text(), "32767");
    form.TXran.setText("-40000");
    form.TXran_LostFocus();
    EXPECT_EQ(form.TXran.text(), "-32767");

    form.Text3.setText("1");
    EXPECT_EQ(form.Text3.text(), "3");
    form.CHran.setValue(CheckBox::kTicked);
    EXPECT_FALSE(form.Tr.enabled());

    form.Text4.setText("0.5");
    form.Text4_DblClick();
    EXPECT_EQ(form.Text4.text(), "0");
    form.Text4.setText("3");
    form.Text4_DblClick();
    EXPECT_EQ(form.Text4.text(), "2");
}

TEST_F(BodyEditor, GoConvertsThePairsVelocitiesToTheTimeScale) {
    form.st.VelY[1] = 2;
    form.st.VelX[2] = -3;
    form.st.VelY[3] = 7;
    form.Command2_Click();
    EXPECT_EQ(form.st.VelY[1], 2 * form.st.TimeFac);
    EXPECT_EQ(form.st.VelX[2], -3 * form.st.TimeFac);
    EXPECT_EQ(form.st.VelY[3], 7);
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_FALSE(form.TXn.enabled());
    EXPECT_EQ(form.Command5.left(), form.Command1.left() + form.Command1.width());
}

}  // namespace
}  // namespace zephra
