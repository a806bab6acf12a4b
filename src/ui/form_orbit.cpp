#include "ui/form_orbit.h"

namespace zephra {

FormOrbit::FormOrbit(toolkit::Platform& platform)
    : toolkit::Form(kClientWidth, kClientHeight), Farewell(platform), platform_(platform) {
    layOutControls();
    wireEvents();
    Form_Load();
}

}  // namespace zephra
