// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fresh folder of a test's own, removed with all it holds when the test is done, and files read back whole.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zephra::testing {

inline std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TempFolder : std::filesystem::path {
    TempFolder() : path(made()) {}
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { std::filesystem::remove_all(*this); }

  private:
    static std::filesystem::path made() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zephra-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
        return pattern;
    }
};

}  // namespace zephra::testing
