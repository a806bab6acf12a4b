// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_farewell.h"

#include "toolkit/color.h"
#include "ui/web_site.h"

namespace zephra {

FormFarewell::FormFarewell(toolkit::Platform& platform)
    : toolkit::Form(kClientWidth, kClientHeight), platform_(platform) {
    // The picture first, so the buttons lie on top of it.
    add(Picture1, "Picture1");
    add(Command2[0], "Command2", 0);
    add(Command2[1], "Command2", 1);
    add(Command1, "Command1");

    Picture1.setBounds(0, 0, 6735, 9375);
    Picture1.setToolTip("See the starship that will take us to Alpha Centauri");
    Picture1.onClick = [this] { Picture1_Click(); };
    for (int i : {0, 1}) {
        Command2[i].setBounds(i == 0 ? 0 : 6300, 0, 375, 495);
        Command2[i].setCaption("x");
        Command2[i].setBackColor(toolkit::rgb(255, 255, 128));
        Command2[i].setFont(toolkit::FontKind::Verdana);
        Command2[i].onClick = [this, i] { Command2_Click(i); };
    }
    Command1.setBounds(0, 9345, 6675, 495);
    Command1.setCaption("visit " + std::string(kWebSiteHost));
    Command1.setToolTip("Visit the Website");
    Command1.setBackColor(toolkit::rgb(128, 160, 255));
    Command1.setFont(toolkit::FontKind::Verdana);
    Command1.onClick = [this] { Command1_Click(); };
    setVisible(false);
}

void FormFarewell::Command1_Click() {
    platform_.openUrl(webAddress("/"));
}

// Either "x" ends the program, though the hidden main window still exists.
void FormFarewell::Command2_Click(int) {
    platform_.quit();
}

void FormFarewell::Picture1_Click() {
    platform_.openUrl(webAddress("/orvane/faster-than-light-drive.htm"));
}

}  // namespace zephra
