#pragma once

// A file written under a temporary name beside its target and renamed over it only once complete, so that
// the target is always either as it was or whole: a refused, failed or interrupted run leaves it untouched.

#include <filesystem>
#include <fstream>
#include <string>

namespace zephra::batch {

class PendingFile {
  public:
    PendingFile() = default;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { discard(); }

    // Creates the temporary file in the folder of the target, the file a symbolic link leads to rather than
    // the link; empty, or why it cannot be.
    std::string open(const std::filesystem::path& given);
    bool isOpen() const { return out_.is_open(); }
    std::ostream& stream() { return out_; }
    // Puts the complete file in the target's place; empty, or why it was not written (the temporary file is
    // then removed and the target left as it was).
    std::string commit();
    // Removes the temporary file, the target left as it was.
    void discard();

  private:
    std::filesystem::path target_, temporary_;
    std::ofstream out_;
};

}  // namespace zephra::batch
