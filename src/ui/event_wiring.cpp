// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_orbit.h"

namespace zephra {

namespace {
template <typename Array, typename Fn>
void eachIndex(Array& array, std::initializer_list<int> indices, Fn fn) {
    for (int i : indices) fn(array[i], i);
}
}  // namespace

// Connects every control event to the window's handler of the same name.
void FormOrbit::wireEvents() {
    for (int i = 0; i < CDp.kSize; ++i) CDp[i].onClick = [this, i] { CDp_Click(i); };
    Command5.onClick = [this] { Command5_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    CDrepair.onClick = [this] { CDrepair_Click(); };
    CDsr.onClick = [this] { CDsr_Click(); };
    for (int i = 0; i < CDwww.kSize; ++i) CDwww[i].onClick = [this, i] { CDwww_Click(i); };
    ImMoon.onClick = [this] { ImMoon_Click(); };

    for (int i = 0; i < Optime.kSize; ++i) Optime[i].onClick = [this, i] { Optime_Click(i); };
    for (int i = 0; i < Optim.kSize; ++i) Optim[i].onClick = [this, i] { Optim_Click(i); };
    for (int i = 0; i < OpDist.kSize; ++i) OpDist[i].onClick = [this, i] { OpDist_Click(i); };
    for (int i = 0; i < OpAnnual.kSize; ++i) OpAnnual[i].onClick = [this, i] { OpAnnual_Click(i); };
    for (int i = 0; i < OpGD.kSize; ++i) OpGD[i].onClick = [this, i] { OpGD_Click(i); };
    for (int i = 0; i < Opadd.kSize; ++i) Opadd[i].onClick = [this, i] { Opadd_Click(i); };

    for (int i = 0; i < Cosmos.kSize; ++i) Cosmos[i].onClick = [this, i] { Cosmos_Click(i); };
    Chend.onClick = [this] { Chend_Click(); };
    Chauto.onClick = [this] { Chauto_Click(); };
    Chboo.onClick = [this] { Chboo_Click(); };
    ChHit.onClick = [this] { ChHit_Click(); };
    Chon.onClick = [this] { Chon_Click(); };
    Chdetails.onClick = [this] { Chdetails_Click(); };
    ChMinMax.onClick = [this] { ChMinMax_Click(); };
    ChReset.onClick = [this] { ChReset_Click(); };
    Chuser.onClick = [this] { Chuser_Click(); };
    ChspinD.onClick = [this] { ChspinD_Click(); };
    CHran.onClick = [this] { CHran_Click(); };
    ChOrbit.onClick = [this] { ChOrbit_Click(); };

    TXt.onLostFocus = [this] { TXt_LostFocus(); };
    Text1.onLostFocus = [this] { Text1_LostFocus(); };
    Text4.onLostFocus = [this] { Text4_LostFocus(); };
    Text5.onLostFocus = [this] { Text5_LostFocus(); };
    TXGspeed.onLostFocus = [this] { TXGspeed_LostFocus(); };
    TXdark.onLostFocus = [this] { TXdark_LostFocus(); };
    for (int i = 0; i < TXg.kSize; ++i) TXg[i].onLostFocus = [this, i] { TXg_LostFocus(i); };
    TXn.onLostFocus = [this] { TXn_LostFocus(); };
    TXn.onDblClick = [this] { TXn_DblClick(); };
    for (int i = 0; i < TXTp.kSize; ++i) TXTp[i].onLostFocus = [this, i] { TXTp_LostFocus(i); };
    TXran.onLostFocus = [this] { TXran_LostFocus(); };
    Text3.onChange = [this] { Text3_Change(); };
    Text3.onDblClick = [this] { Text3_DblClick(); };
    Text4.onDblClick = [this] { Text4_DblClick(); };
    Text6.onDblClick = [this] { Text6_DblClick(); };
    Text7.onLostFocus = [this] { Text7_LostFocus(); };

    HSgrav.onChange = [this] { HSgrav_Change(); };
    for (int i = 0; i < Hsp.kSize; ++i) Hsp[i].onChange = [this, i] { Hsp_Change(i); };
    Qui.onChange = [this] { Qui_Change(); };

    eachIndex(La, {0, 1, 2, 3, 4, 6, 8, 15, 16, 17},
              [this](Label& l, int i) { l.onClick = [this, i] { La_Click(i); }; });
    for (int i = 0; i < LaChirp.kSize; ++i) LaChirp[i].onClick = [this, i] { LaChirp_Click(i); };
    LaTime.onClick = [this] { LaTime_Click(); };

    Ti.onTimer = [this] { Ti_Timer(); };
    TiF.onTimer = [this] { TiF_Timer(); };
    Tr.onTimer = [this] { Tr_Timer(); };
}

}  // namespace zephra
