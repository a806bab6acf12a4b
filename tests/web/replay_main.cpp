// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a session of the page (its log, in a file) on the window model built for this machine, and prints
// what the window then shows, as the page prints it. data-drift.txt goes to the current folder, named as the
// page names it.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"
#include "web/session_log.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: zephra_web_replay SESSION.log\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream log;
    log << in.rdbuf();
    zephra::toolkit::HeadlessPlatform platform("");
    zephra::FormOrbit window(platform);
    if (const auto failure = zephra::web::replay(window, log.str())) {
        std::fprintf(stderr, "zephra_web_replay: %s\n", failure->c_str());
        return 1;
    }
    std::fputs(zephra::web::windowText(window).c_str(), stdout);
    return 0;
}
