#include "ui/form_orbit.h"

// Placeholder definitions, replaced by the subsystem's implementation.
namespace zephra {

void FormOrbit::layOutControls() {}

}  // namespace zephra
