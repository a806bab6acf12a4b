#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::SetBody(int) {}
void FormOrbit::Asgard() {}
void FormOrbit::Bifrost() {}
void FormOrbit::Ocean(int) {}
void FormOrbit::TXn_LostFocus() {}
void FormOrbit::TXn_DblClick() {}
void FormOrbit::Qui_Change() {}
void FormOrbit::TXran_LostFocus() {}
void FormOrbit::CHran_Click() {}
void FormOrbit::Command2_Click() {}
void FormOrbit::Text3_Change() {}
void FormOrbit::Text3_DblClick() {}
void FormOrbit::Text4_DblClick() {}
void FormOrbit::Text6_DblClick() {}
void FormOrbit::Text7_LostFocus() {}
void FormOrbit::Hsp_Change(int) {}
void FormOrbit::Opadd_Click(int) {}
void FormOrbit::TXTp_LostFocus(int) {}

}  // namespace zephra
