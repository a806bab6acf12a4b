#include <cmath>

#include "engine/pair_pull.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// Bodies that overlap push apart instead of attracting, unless enough spin lets them bounce.
namespace zephra {

void FormOrbit::contactStep(int i, int j, double r, double contactDist, double dx) {
    if (j == 1 && i == 2) work_.PairTag = 1;
    if (j == 2 && i == 1) work_.PairTag = 2;
    const double spinI = i < kPairSlots ? std::abs(st.Spin[i]) : 0.0;
    const double spinJ = j < kPairSlots ? std::abs(st.Spin[j]) : 0.0;
    const bool fluid = TXyield.leadingValue() > spinI + spinJ;
    if (work_.PairTag == 0) return;  // the main pair is not touching yet: the previous pull stands
    if (fluid || !Cosmos[5].ticked()) {
        const PullParts push = pullComponents(contactPushStrength(r, contactDist, st.Mass[j]), dx, r);
        work_.Ax = push.x;
        work_.Ay = push.y;
        st.ImpactFlag = 6;
        Text6.setText("2");
        if (!ChHit.ticked()) st.EndCode = 77;
        LaChirp[1].setCaption("Bodies have impacted.");
        LaChirp[1].setForeColor(TXGspeed.foreColor());
        LaChirp[1].setBackColor(FraSpin.backColor());
        st.Spin[1] = 0;
        st.Spin[2] = 0;
    } else {
        Text6.setText("1");
    }
}

}  // namespace zephra
