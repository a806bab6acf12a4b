// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"

namespace zephra {

// The window shown when the user leaves the simulator: two close buttons that end the program, a link to
// the web site and a picture linking to an article.
class FormFarewell : public toolkit::Form {
  public:
    static constexpr int kClientWidth = 445 * toolkit::kTwipsPerPixel;   // twips
    static constexpr int kClientHeight = 656 * toolkit::kTwipsPerPixel;  // twips

    explicit FormFarewell(toolkit::Platform& platform);

    toolkit::ControlArray<toolkit::CommandButton, 2> Command2;
    toolkit::CommandButton Command1;
    toolkit::Image Picture1;

    void Command1_Click();
    void Command2_Click(int Index);
    void Picture1_Click();

  private:
    toolkit::Platform& platform_;
};

}  // namespace zephra
