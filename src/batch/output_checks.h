// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files a run will write, checked before the run, so that a run of hours does not end with nothing
// written; a disk that fills during the run is reported after it.

#include <filesystem>
#include <optional>
#include <string>

namespace zephra::batch {

// Why the drift file cannot go into the folder, if it cannot: the folder must be one the user can write,
// and its data-drift.txt a plain file the user can open for appending, or missing.
std::optional<std::string> driftFolderProblem(const std::filesystem::path& folder);

// Why the trace cannot be written to the file named, if it cannot: it must be a plain file or a new one,
// and not the drift file under any name.
std::optional<std::string> traceProblem(const std::filesystem::path& trace,
                                        const std::filesystem::path& driftFile);

}  // namespace zephra::batch
