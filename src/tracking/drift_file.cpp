#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::Form_Load() {}
void FormOrbit::Drifter() {}
void FormOrbit::ZeroZapMiDi() {}
void FormOrbit::ZeroZapMikm() {}
void FormOrbit::ZeroZapMakm() {}
void FormOrbit::ZeroZapMaDi() {}

}  // namespace zephra
