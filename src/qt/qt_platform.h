// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "toolkit/platform.h"
#include "toolkit/random_source.h"

namespace zephra::qt {

// The machine as the desktop program sees it: real message boxes, the user's default browser, the folder
// of the executable for the data file (or the user's data folder when that one is not writable).
class QtPlatform : public toolkit::Platform {
  public:
    // Message boxes are centred on the given window once it is known.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    void messageBox(std::string_view text, std::string_view title) override;
    void openUrl(std::string_view url) override;
    void seedRandom(double seed) override { random_.seed(seed); }
    double random() override { return random_.next(); }
    std::string dataFolder() const override;
    void quit() override;

  private:
    QWidget* dialogParent_ = nullptr;
    toolkit::RandomSource random_;
};

}  // namespace zephra::qt
