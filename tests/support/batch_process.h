// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// zephra-batch run as a shell runs it, for the tests of the batch runner.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace zephra::testing {

struct BatchOutcome {
    int status;
    std::string output, errors;
};

// Runs $ZEPHRA_BATCH with the arguments through the shell, after the shell commands of setup.
inline BatchOutcome runBatchProgram(const std::string& arguments, const std::string& setup = "") {
    const char* program = std::getenv("ZEPHRA_BATCH");
    if (program == nullptr || *program == '\0') {
        ADD_FAILURE() << "ZEPHRA_BATCH is not set";
        return {-1, {}, {}};
    }
    const std::filesystem::path errors =
        std::filesystem::temp_directory_path() / ("zephra-batch-errors-" + std::to_string(::getpid()));
    const std::string command =
        setup + " exec " + std::string(program) + " " + arguments + " 2>'" + errors.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int status = pclose(pipe);
    BatchOutcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, output, readAll(errors)};
    std::filesystem::remove(errors);
    return outcome;
}

}  // namespace zephra::testing
