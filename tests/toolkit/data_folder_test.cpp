#include "toolkit/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zephra::toolkit {
namespace {

namespace fs = std::filesystem;

// Writability is injected, so both branches hold whoever runs the test (root may write almost anywhere).
TEST(DataFolder, BesideTheProgramWhenWritableElseTheUsersDataFolder) {
    const struct {
        bool programFolderWritable;
        const char* xdgDataHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {true, "/home/ann/data", "/home/ann", "/opt/zephra/bin"},
        {false, "/home/ann/data", "/home/ann", "/home/ann/data/zephra"},
        {false, "", "/home/ann", "/home/ann/.local/share/zephra"},
        {false, "relative/data", "/home/ann", "/home/ann/.local/share/zephra"},
        {false, "", "", "/opt/zephra/bin"},
    };
    for (const auto& c : cases) {
        std::string asked;
        const auto writable = [&](const std::string& folder) {
            asked = folder;
            return c.programFolderWritable;
        };
        EXPECT_EQ(chooseDataFolder("/opt/zephra/bin", c.xdgDataHome, c.home, writable), c.expected)
            << "writable " << c.programFolderWritable << ", XDG_DATA_HOME '" << c.xdgDataHome << "'";
        EXPECT_EQ(asked, "/opt/zephra/bin");
    }
}

// The real judgement: a folder that does not exist is unwritable even for root, and the user's folder is
// made.
TEST(DataFolder, ThisUsersFolderIsMadeOnlyWhenItIsChosen) {
    const fs::path root = fs::temp_directory_path() / ("zephra-data-folder-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    const std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);

    EXPECT_EQ(dataFolderOfThisUser((root / "bin").string()), (root / "bin").string());
    EXPECT_FALSE(fs::exists(root / "data"));
    EXPECT_EQ(dataFolderOfThisUser((root / "gone").string()), (root / "data" / "zephra").string());
    EXPECT_TRUE(fs::is_directory(root / "data" / "zephra"));

    if (saved.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    fs::remove_all(root);
}

}  // namespace
}  // namespace zephra::toolkit
