#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

double FormOrbit::DecayBod(int, double OrbV, double SpinV) { return OrbV + SpinV - 1; }
void FormOrbit::RotaP(int) {}
void FormOrbit::Mitsu() {}

}  // namespace zephra
