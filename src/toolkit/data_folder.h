#pragma once

#include <functional>
#include <string>

namespace zephra::toolkit {

// Judges whether the program may create files in a folder.
using FolderTest = std::function<bool(const std::string& folder)>;

// The folder that holds data-drift.txt. Beside the program when its folder is writable (a build folder, an
// unpacked copy), so the file stays where it always was; an installed program's folder is not, and then the
// user's data folder: $XDG_DATA_HOME/zephra, or ~/.local/share/zephra when XDG_DATA_HOME is unset, empty or
// relative (the freedesktop rule). Without a home either, the program folder: the write then fails and says
// so.
std::string chooseDataFolder(const std::string& programFolder, const std::string& xdgDataHome,
                             const std::string& home, const FolderTest& writable);

// The same for this process: the environment's XDG_DATA_HOME and HOME, writability as access(2) judges it for
// the real user, and the user's data folder created when it is the one chosen.
std::string dataFolderOfThisUser(const std::string& programFolder);

}  // namespace zephra::toolkit
