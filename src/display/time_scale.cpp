#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::Optime_Click(int) {}
void FormOrbit::Optim_Click(int) {}
void FormOrbit::TXt_LostFocus() {}

}  // namespace zephra
