#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::Cosmos_Click(int) {}
void FormOrbit::ChspinD_Click() {}
void FormOrbit::OpGD_Click(int) {}
void FormOrbit::HSgrav_Change() {}
void FormOrbit::TXGspeed_LostFocus() {}
void FormOrbit::TXdark_LostFocus() {}
void FormOrbit::TXg_LostFocus(int) {}

}  // namespace zephra
