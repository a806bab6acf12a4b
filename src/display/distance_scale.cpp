#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::OpDist_Click(int) {}
void FormOrbit::Chend_Click() {}

}  // namespace zephra
