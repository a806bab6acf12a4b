// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace zephra::toolkit {
namespace {

namespace fs = std::filesystem;

// The facts are injected, so every case holds whoever runs the test; root is the writable install folder.
TEST(DataFolder, BesideTheProgramOnlyInItsBuildTreeOrAFolderMadeForIt) {
    const struct {
        const char* folder;
        bool buildTree, writable;
        bool beside;
    } cases[] = {
        {"/home/ann/zephra/build/release", true, true, true},
        {"/home/ann/zephra/build/release", true, false, false},  // a build tree nobody may write to
        {"/usr/src/zephra/build", true, true, true},             // a build below a system prefix
        {"/home/ann/zephra-12.090", false, true, true},          // an unpacked copy
        {"/home/ann/zephra-12.090", false, false, false},
        {"/usr/bin", false, true, false},  // root's installed window
        {"/usr/local/bin", false, true, false},
        {"/usr/lib/zephra", false, true, false},
        {"/opt/zephra", false, true, false},
        {"/sbin", false, true, false},
        {"/home/ann/.local/bin", false, true, false},
        {"/home/ann/.local/bin/", false, true, false},
        {"/home/ann/binaries", false, true, true},
        {"/usrx/zephra", false, true, true},
        {"/", false, true, true},
    };
    for (const auto& c : cases) {
        const std::string chosen =
            chooseDataFolder({c.folder, c.buildTree, c.writable}, "/home/ann/data", "/home/ann");
        EXPECT_EQ(chosen, c.beside ? c.folder : "/home/ann/data/zephra")
            << c.folder << " build tree " << c.buildTree << ", writable " << c.writable;
    }
}

TEST(DataFolder, TheUsersDataFolderFollowsTheFreedesktopRule) {
    const ProgramFolder installed{"/usr/bin", false, true};
    EXPECT_EQ(chooseDataFolder(installed, "/home/ann/data", "/home/ann"), "/home/ann/data/zephra");
    EXPECT_EQ(chooseDataFolder(installed, "", "/home/ann"), "/home/ann/.local/share/zephra");
    EXPECT_EQ(chooseDataFolder(installed, "relative/data", "/home/ann"), "/home/ann/.local/share/zephra");
    EXPECT_EQ(chooseDataFolder(installed, "", ""), "/usr/bin");
}

// The real facts: the build's marker makes a bin folder a build tree; a folder that does not exist is
// unwritable even for root; the user's folder is made only when it is chosen.
TEST(DataFolder, ThisProcessReadsTheMarkerAndMakesTheUsersFolder) {
    const fs::path root = fs::temp_directory_path() / ("zephra-data-folder-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    const std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);

    std::ofstream(root / "bin" / kBuildTreeMarker) << "built here\n";
    EXPECT_EQ(dataFolderOfThisUser((root / "bin").string()), (root / "bin").string());
    EXPECT_FALSE(fs::exists(root / "data"));
    fs::remove(root / "bin" / kBuildTreeMarker);
    EXPECT_EQ(dataFolderOfThisUser((root / "bin").string()), (root / "data" / "zephra").string());
    EXPECT_TRUE(fs::is_directory(root / "data" / "zephra"));
    fs::remove_all(root / "data");
    EXPECT_EQ(dataFolderOfThisUser((root / "gone").string()), (root / "data" / "zephra").string());

    if (saved.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    fs::remove_all(root);
}

}  // namespace
}  // namespace zephra::toolkit
