// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes the orbit records of data-drift.txt so that a reader never sees half of one: each record goes to the
// file in one piece under an advisory lock, and a failed write is cut back off the file.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zephra::tracking {

// How long a record waits for another program's lock on the file before it is lost.
inline constexpr std::chrono::seconds kDriftLockWait{5};

class DriftWriter {
  public:
    explicit DriftWriter(std::chrono::milliseconds lockWait = kDriftLockWait) : lockWait_(lockWait) {}

    // Replaces the file with text (startAfresh) or appends text to the file this writer last wrote; nothing
    // on success, else the reason nothing was written. An append finds the file as this writer left it or
    // refuses: another run sharing the folder, or an editor, has written it in between.
    std::optional<std::string> write(const std::string& path, bool startAfresh, const std::string& text);
    // Whether the file at path is the one this writer left, with its header, so that records can follow.
    bool continues(const std::string& path) const;

    // What became of the records written since this writer was made, as the file at path holds them now.
    struct Count {
        double kept = 0;  // still in the file
        double lost = 0;  // never written, or written and since replaced or cut off by another program
        std::optional<std::string> reason;  // why the last ones were lost, while some are
    };
    Count count(const std::string& path) const;

    // What a saved run keeps of its writer, so that its records go on in the same file when it is opened.
    struct Resume {
        double inFile = 0, written = 0, lost = 0;
        std::string failure;
        std::string lastRecord;  // the text that ends the file; empty before the first record
    };
    Resume resumeInfo() const;
    // Takes the counts back and goes on appending to the file at path, if it still ends with the last
    // record; otherwise the writer starts as a new one, and the next record starts the file afresh.
    void resume(const std::string& path, const Resume& saved);

  private:
    // The file as this writer left it.
    struct Mark {
        std::uintmax_t device = 0, inode = 0, size = 0;
    };
    std::optional<Mark> mark_;
    std::string lastRecord_;         // the text that ends the file at the mark
    double inFile_ = 0;              // records of this writer in the file at the mark
    double written_ = 0, lost_ = 0;  // writes done and failed
    std::string failure_;            // the reason of the last failed write, once one has failed
    std::chrono::milliseconds lockWait_;
};

}  // namespace zephra::tracking
