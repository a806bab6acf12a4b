#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::CDsr_Click() {}
void FormOrbit::CDwww_Click(int) {}
void FormOrbit::Command3_Click() {}
void FormOrbit::ImMoon_Click() {}
void FormOrbit::WebBit() {}

}  // namespace zephra
