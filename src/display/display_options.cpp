#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::CDrepair_Click() {}
void FormOrbit::Chauto_Click() {}
void FormOrbit::Chboo_Click() {}
void FormOrbit::ChHit_Click() {}
void FormOrbit::Chon_Click() {}
void FormOrbit::Chdetails_Click() {}
void FormOrbit::Command4_Click() {}
void FormOrbit::Text1_LostFocus() {}
void FormOrbit::Text4_LostFocus() {}
void FormOrbit::Text5_LostFocus() {}
void FormOrbit::Horizon() {}

}  // namespace zephra
