// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zephra::toolkit {

// What the program knows of the folder it runs from.
struct ProgramFolder {
    std::string path;
    bool buildTree = false;  // the build's marker file lies beside the program
    bool writable = false;   // the user may create files there
};

// The name of the marker file the build writes beside the programs it builds, and which no install copies.
extern const char* const kBuildTreeMarker;

// The folder that holds data-drift.txt. Beside the program when the user may write there and the folder is
// the program's build tree (it holds the build's marker) or one made for it: any folder but an install
// location, that is one below a system prefix (/usr, /opt, /bin, /sbin, /snap, /app) or the bin folder of a
// prefix ($HOME/.local/bin), which the program shares with others and where root may write as well.
// Otherwise the user's data folder: $XDG_DATA_HOME/zephra, or ~/.local/share/zephra when XDG_DATA_HOME is
// unset, empty or relative (the freedesktop rule). Without a home either, the program folder: the write
// then fails and says so.
std::string chooseDataFolder(const ProgramFolder& program, const std::string& xdgDataHome,
                             const std::string& home);

// The same for this process: the marker looked for beside the program, writability as access(2) judges it
// for the real user, the environment's XDG_DATA_HOME and HOME, and the user's data folder created when it is
// the one chosen.
std::string dataFolderOfThisUser(const std::string& programFolder);

}  // namespace zephra::toolkit
