#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::TikTok() {}
void FormOrbit::ChReset_Click() {}
void FormOrbit::Chuser_Click() {}

}  // namespace zephra
