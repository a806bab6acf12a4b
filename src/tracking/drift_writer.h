#pragma once

// Writes the orbit records of data-drift.txt so that a reader never sees half of one: each record goes to the
// file in one piece under an advisory lock, and a failed write is cut back off the file.

#include <cstdint>
#include <optional>
#include <string>

namespace zephra::tracking {

class DriftWriter {
  public:
    // Replaces the file with text (startAfresh) or appends text to the file this writer last wrote. Empty on
    // success, else the reason nothing was written. An append finds the file as this writer left it or
    // refuses: another run sharing the folder, or an editor, has written it in between.
    std::string write(const std::string& path, bool startAfresh, const std::string& text);
    // Whether the file at path is the one this writer left, with its header, so that records can follow.
    bool continues(const std::string& path) const;

    double recordsWritten() const { return written_; }
    double recordsLost() const { return lost_; }
    // The reason of the last failed write, empty while none has failed.
    const std::string& lastFailure() const { return failure_; }

  private:
    // The file as this writer left it.
    struct Mark {
        std::uintmax_t device = 0, inode = 0, size = 0;
    };
    std::optional<Mark> mark_;
    double written_ = 0, lost_ = 0;
    std::string failure_;
};

}  // namespace zephra::tracking
