// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/data_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zephra::toolkit {

// The build names the marker it writes (see cmake/install.cmake).
const char* const kBuildTreeMarker = ZEPHRA_BUILD_TREE_MARKER;

namespace {

namespace fs = std::filesystem;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A folder programs are installed in.
bool isInstallLocation(const std::string& folder) {
    fs::path path = fs::path(folder).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();  // a trailing separator
    if (path.filename() == "bin") return true;
    const fs::path below = path.relative_path();
    if (!path.has_root_directory() || below.empty()) return false;
    const fs::path top = *below.begin();
    constexpr const char* kSystemPrefixes[] = {"usr", "opt", "bin", "sbin", "snap", "app"};
    return std::any_of(std::begin(kSystemPrefixes), std::end(kSystemPrefixes),
                       [&top](const char* prefix) { return top == prefix; });
}

}  // namespace

std::string chooseDataFolder(const ProgramFolder& program, const std::string& xdgDataHome,
                             const std::string& home) {
    if (program.writable && (program.buildTree || !isInstallLocation(program.path))) return program.path;
    if (fs::path(xdgDataHome).is_absolute()) return (fs::path(xdgDataHome) / "zephra").string();
    if (!home.empty()) return (fs::path(home) / ".local" / "share" / "zephra").string();
    return program.path;
}

std::string dataFolderOfThisUser(const std::string& programFolder) {
    std::error_code ignored;
    const ProgramFolder program{programFolder,
                                fs::is_regular_file(fs::path(programFolder) / kBuildTreeMarker, ignored),
                                ::access(programFolder.c_str(), W_OK | X_OK) == 0};
    const std::string folder = chooseDataFolder(program, environment("XDG_DATA_HOME"), environment("HOME"));
    // A folder that cannot be made is left to the first write, which reports the path and the reason.
    if (folder != programFolder) fs::create_directories(folder, ignored);
    return folder;
}

}  // namespace zephra::toolkit
