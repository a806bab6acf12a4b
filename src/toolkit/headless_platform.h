// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "toolkit/platform.h"
#include "toolkit/random_source.h"

namespace zephra::toolkit {

// The platform without a screen: it records what would have been shown or opened.
class HeadlessPlatform : public Platform {
  public:
    struct Message {
        std::string text;
        std::string title;
    };
    explicit HeadlessPlatform(std::string folder = ".") : folder_(std::move(folder)) {}

    void messageBox(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
    }
    void openUrl(std::string_view url) override { urls.emplace_back(url); }
    void seedRandom(double seed) override { random_.seed(seed); }
    double random() override { return random_.next(); }
    std::string dataFolder() const override { return folder_; }
    void quit() override { quitRequested = true; }

    std::vector<Message> messages;
    std::vector<std::string> urls;
    bool quitRequested = false;

  private:
    std::string folder_;
    RandomSource random_;
};

}  // namespace zephra::toolkit
