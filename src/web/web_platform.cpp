// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_platform.h"

#include <emscripten.h>

namespace zephra::web {

namespace {

// The page's side, in page.js.
EM_JS(void, pageMessageBox, (const char* text, const char* title),
      { Module.page.messageBox(UTF8ToString(text), UTF8ToString(title)); });
EM_JS(void, pageOpenUrl, (const char* url), { window.open(UTF8ToString(url), "_blank", "noopener"); });
EM_JS(void, pageQuit, (), { Module.page.quit(); });

}  // namespace

void WebPlatform::messageBox(std::string_view text, std::string_view title) {
    ++openDialogs_;
    pageMessageBox(std::string(text).c_str(), std::string(title).c_str());
}

void WebPlatform::openUrl(std::string_view url) {
    pageOpenUrl(std::string(url).c_str());
}

void WebPlatform::quit() {
    pageQuit();
}

}  // namespace zephra::web
