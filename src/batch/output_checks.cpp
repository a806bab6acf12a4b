// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/output_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zephra::batch {

namespace fs = std::filesystem;

namespace {

std::string systemReason() {
    return std::strerror(errno);
}

// Whether two paths name one file: the same file when both exist (hard and symbolic links included),
// otherwise the same absolute path once normalised and its links followed.
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
    const auto resolved = [](const fs::path& p) {
        std::error_code e;
        const fs::path absolute = fs::absolute(p, e).lexically_normal();
        const fs::path followed = fs::weakly_canonical(absolute, e);
        return e ? absolute : followed;
    };
    return resolved(a) == resolved(b);
}

}  // namespace

std::optional<std::string> driftFolderProblem(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return "is not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return "is not writable";
    // The file is opened the way the recorder opens it, so that what the user's rights, a read-only file or
    // a link that loops or leads through a plain file keep from the recorder shows now.
    const fs::path file = folder / "data-drift.txt";
    const auto cannotAppend = [] {
        return "holds a data-drift.txt that cannot be opened for appending (" + systemReason() + ")";
    };
    struct stat found {};
    if (::stat(file.c_str(), &found) != 0) {
        if (errno != ENOENT) return cannotAppend();
        // Missing: the first record creates it, where a dangling symbolic link leads or in the folder.
        fs::path created = file;
        if (fs::is_symlink(fs::symlink_status(file, error))) created = folder / fs::read_symlink(file, error);
        if (::access(created.parent_path().c_str(), W_OK | X_OK) != 0) return cannotAppend();
        return std::nullopt;
    }
    if (!S_ISREG(found.st_mode)) return "holds a data-drift.txt that is not a plain file";
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return cannotAppend();
    ::close(fd);
    return std::nullopt;
}

std::optional<std::string> traceProblem(const fs::path& trace, const fs::path& driftFile) {
    std::error_code error;
    const fs::file_status status = fs::status(trace, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) return "is not a plain file";
    if (sameFile(trace, driftFile))
        return "is the drift file " + driftFile.string() + "; give each output its own file";
    return std::nullopt;
}

}  // namespace zephra::batch
