// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zephra::toolkit {

// What the program needs from the machine beyond its windows. The desktop front end implements it with
// real message boxes and the user's browser; tests and the batch runner use the headless one.
class Platform {
  public:
    virtual ~Platform() = default;
    // A message box with an OK button; it holds the caller until it is closed.
    virtual void messageBox(std::string_view text, std::string_view title) = 0;
    // Opens an address in the user's web browser; failures are ignored.
    virtual void openUrl(std::string_view url) = 0;
    // Pseudo-random numbers in [0, 1), restarted from a seed.
    virtual void seedRandom(double seed) = 0;
    virtual double random() = 0;
    // Folder where the program keeps its data file (data-drift.txt).
    virtual std::string dataFolder() const = 0;
    // The program asks to end (the farewell window's close buttons).
    virtual void quit() = 0;
};

}  // namespace zephra::toolkit
