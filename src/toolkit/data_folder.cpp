#include "toolkit/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zephra::toolkit {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string chooseDataFolder(const std::string& programFolder, const std::string& xdgDataHome,
                             const std::string& home, const FolderTest& writable) {
    if (writable(programFolder)) return programFolder;
    namespace fs = std::filesystem;
    if (fs::path(xdgDataHome).is_absolute()) return (fs::path(xdgDataHome) / "zephra").string();
    if (!home.empty()) return (fs::path(home) / ".local" / "share" / "zephra").string();
    return programFolder;
}

std::string dataFolderOfThisUser(const std::string& programFolder) {
    const std::string folder =
        chooseDataFolder(programFolder, environment("XDG_DATA_HOME"), environment("HOME"),
                         [](const std::string& f) { return ::access(f.c_str(), W_OK | X_OK) == 0; });
    // A folder that cannot be made is left to the first write, which reports the path and the reason.
    std::error_code ignored;
    if (folder != programFolder) std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace zephra::toolkit
