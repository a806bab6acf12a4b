#include "ui/form_farewell.h"

namespace zephra {

FormFarewell::FormFarewell(toolkit::Platform& platform)
    : toolkit::Form(kClientWidth, kClientHeight), platform_(platform) {
    setVisible(false);
}

void FormFarewell::Command1_Click() {}
void FormFarewell::Command2_Click(int) {}
void FormFarewell::Picture1_Click() {}

}  // namespace zephra
