// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "toolkit/platform.h"
#include "toolkit/random_source.h"

namespace zephra::web {

// The machine as the page sees it. A message box is the page's modal dialog: the page holds the timers
// until the user closes it. Links open in a new tab. The data file lives in the page's memory, where the
// page offers it as a download.
class WebPlatform : public toolkit::Platform {
  public:
    void messageBox(std::string_view text, std::string_view title) override;
    void openUrl(std::string_view url) override;
    void seedRandom(double seed) override { random_.seed(seed); }
    double random() override { return random_.next(); }
    // No folder: data-drift.txt is named as the page's download is.
    std::string dataFolder() const override { return ""; }
    void quit() override;

    // Message boxes shown and not yet closed.
    int openDialogs() const { return openDialogs_; }
    void dialogClosed() {
        if (openDialogs_ > 0) --openDialogs_;
    }

  private:
    toolkit::RandomSource random_;
    int openDialogs_ = 0;
};

}  // namespace zephra::web
