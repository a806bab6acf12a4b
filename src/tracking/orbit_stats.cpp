#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::ChMinMax_Click() {}
void FormOrbit::OpAnnual_Click(int) {}
void FormOrbit::DisCalc() {}
bool FormOrbit::OrbitTickStart() { return true; }
void FormOrbit::OrbitPairStep() {}

}  // namespace zephra
