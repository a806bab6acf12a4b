#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::CDp_Click(int) {}
void FormOrbit::Command5_Click() {}
void FormOrbit::PawsOff() {}
void FormOrbit::KlikBut() {}

}  // namespace zephra
