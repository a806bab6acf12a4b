// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/drift_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "toolkit/number_text.h"

namespace zephra::tracking {

namespace {

std::string systemReason() {
    return std::strerror(errno);
}

// Writes all of text at offset, retrying the short writes a nearly full disk gives; why it could not, if so.
std::optional<std::string> writeAllAt(int fd, const std::string& text, off_t offset) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? systemReason() : "nothing could be written";
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

// Takes the file's lock, waiting at most wait for another holder to let it go; why it was not taken, if so.
std::optional<std::string> lockWithin(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return "cannot be locked: " + systemReason();
        if (std::chrono::steady_clock::now() >= deadline)
            return "locked by another program for more than " + toolkit::numberText(wait.count() / 1000.0) +
                   " s";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

}  // namespace

bool DriftWriter::continues(const std::string& path) const {
    struct stat now {};
    return mark_ && ::stat(path.c_str(), &now) == 0 && now.st_dev == mark_->device &&
           now.st_ino == mark_->inode;
}

std::optional<std::string> DriftWriter::write(const std::string& path, bool startAfresh,
                                              const std::string& text) {
    const auto fail = [this](std::string reason) {
        lost_ += 1;
        failure_ = reason;
        return std::optional(std::move(reason));
    };
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return fail(systemReason());
    // The lock goes with the descriptor: closing the file releases it.
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (std::optional<std::string> refused = lockWithin(fd, lockWait_)) return fail(std::move(*refused));
    struct stat found {};
    if (::fstat(fd, &found) != 0) return fail(systemReason());
    if (!S_ISREG(found.st_mode)) return fail("not a plain file");
    if (!startAfresh && !(mark_ && found.st_dev == mark_->device && found.st_ino == mark_->inode &&
                          found.st_size >= 0 && static_cast<std::uintmax_t>(found.st_size) == mark_->size))
        return fail("written by another run or program since this run's last record; this run adds no more");

    const off_t start = startAfresh ? 0 : found.st_size;
    if (startAfresh && ::ftruncate(fd, 0) != 0) return fail(systemReason());
    if (std::optional<std::string> reason = writeAllAt(fd, text, start)) {
        // Cut the partial record off, so that the file ends with a whole one (or is empty, header lost).
        if (::ftruncate(fd, start) != 0 || startAfresh) mark_.reset();
        return fail(std::move(*reason));
    }
    mark_ = Mark{static_cast<std::uintmax_t>(found.st_dev), static_cast<std::uintmax_t>(found.st_ino),
                 static_cast<std::uintmax_t>(start) + text.size()};
    lastRecord_ = text;
    inFile_ = startAfresh ? 1 : inFile_ + 1;
    written_ += 1;
    return std::nullopt;
}

DriftWriter::Count DriftWriter::count(const std::string& path) const {
    // This writer's records are still there while the file ends, where this writer left it, with the last
    // of them: another run starting its own file in the same folder cuts or replaces them.
    bool intact = false;
    if (mark_) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat found {};
        std::string tail(lastRecord_.size(), '\0');
        intact = fd >= 0 && ::fstat(fd, &found) == 0 && found.st_dev == mark_->device &&
                 found.st_ino == mark_->inode && static_cast<std::uintmax_t>(found.st_size) >= mark_->size &&
                 ::pread(fd, tail.data(), tail.size(), static_cast<off_t>(mark_->size - tail.size())) ==
                     static_cast<ssize_t>(tail.size()) &&
                 tail == lastRecord_;
        if (fd >= 0) ::close(fd);
    }
    Count count;
    count.kept = intact ? inFile_ : 0;
    count.lost = written_ + lost_ - count.kept;
    if (count.kept < written_)
        count.reason = "the file was replaced or cut by another run or program after this run wrote to it";
    else if (count.lost > 0)
        count.reason = failure_;
    return count;
}

DriftWriter::Resume DriftWriter::resumeInfo() const {
    return {.inFile = inFile_,
            .written = written_,
            .lost = lost_,
            .failure = failure_,
            .lastRecord = lastRecord_};
}

void DriftWriter::resume(const std::string& path, const Resume& saved) {
    inFile_ = saved.inFile;
    written_ = saved.written;
    lost_ = saved.lost;
    failure_ = saved.failure;
    lastRecord_ = saved.lastRecord;
    mark_.reset();
    const int fd = lastRecord_.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *this = DriftWriter(lockWait_);
        return;
    }
    struct stat found {};
    std::string tail(lastRecord_.size(), '\0');
    if (::fstat(fd, &found) == 0 && S_ISREG(found.st_mode) &&
        static_cast<std::uintmax_t>(found.st_size) >= tail.size() &&
        ::pread(fd, tail.data(), tail.size(), found.st_size - static_cast<off_t>(tail.size())) ==
            static_cast<ssize_t>(tail.size()) &&
        tail == lastRecord_)
        mark_ = Mark{static_cast<std::uintmax_t>(found.st_dev), static_cast<std::uintmax_t>(found.st_ino),
                     static_cast<std::uintmax_t>(found.st_size)};
    ::close(fd);
    // Records of a file that has gone on without this run are no longer this writer's to count.
    if (!mark_) *this = DriftWriter(lockWait_);
}

}  // namespace zephra::tracking
