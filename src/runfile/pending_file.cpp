// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/pending_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zephra::runfile {

std::optional<std::string> PendingFile::open(const std::filesystem::path& given) {
    discard();
    std::error_code error;
    std::filesystem::path target = std::filesystem::absolute(given, error);
    if (!error) target = std::filesystem::weakly_canonical(target, error);
    if (error) return "cannot be followed (" + error.message() + ")";
    // A hidden name of this process, which no other run takes; a name left by a killed run is passed over.
    std::string stem(1, '.');
    stem += target.filename().string();
    stem += '.';
    stem += std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string file = stem;
        if (attempt > 0) file += '-' + std::to_string(attempt);
        const std::filesystem::path name = target.parent_path() / (file + ".tmp");
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return std::string("cannot be written: ") + std::strerror(errno);
        ::close(fd);
        target_ = target;
        temporary_ = name;
        out_.open(name, std::ios::binary | std::ios::trunc);
        if (!out_) {
            discard();
            return "its temporary file cannot be opened";
        }
        return std::nullopt;
    }
    return "no free temporary name beside it";
}

std::optional<std::string> PendingFile::commit() {
    out_.close();
    if (!out_) {
        discard();
        return "was not written in full";
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        discard();
        return "could not take the place of the old file (" + reason + ")";
    }
    temporary_.clear();
    return std::nullopt;
}

void PendingFile::discard() {
    if (out_.is_open()) out_.close();
    if (temporary_.empty()) return;
    ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace zephra::runfile
