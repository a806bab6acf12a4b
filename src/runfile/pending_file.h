// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file written under a temporary name beside its target and renamed over it only once complete, so that
// the target is always either as it was or whole: a refused, failed or interrupted run leaves it untouched.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace zephra::runfile {

class PendingFile {
  public:
    PendingFile() = default;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { discard(); }

    // Creates the temporary file in the folder of the target, the file a symbolic link leads to rather than
    // the link; why it cannot be, if it cannot.
    std::optional<std::string> open(const std::filesystem::path& given);
    bool isOpen() const { return out_.is_open(); }
    std::ostream& stream() { return out_; }
    // Puts the complete file in the target's place; why it was not written, if it was not (the temporary
    // file is then removed and the target left as it was).
    std::optional<std::string> commit();
    // Removes the temporary file, the target left as it was.
    void discard();

  private:
    std::filesystem::path target_, temporary_;
    std::ofstream out_;
};

}  // namespace zephra::runfile
