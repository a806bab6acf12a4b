#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::TiF_Timer() {}
void FormOrbit::Tr_Timer() {}
void FormOrbit::Command1_Click() {}
void FormOrbit::ChOrbit_Click() {}
void FormOrbit::LaTime_Click() {}
void FormOrbit::La_Click(int) {}
void FormOrbit::LaChirp_Click(int) {}

}  // namespace zephra
