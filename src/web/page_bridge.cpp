// SPDX-License-Identifier: GPL-3.0-or-later
// The page's window model: page.js calls these functions for every user action and timer period, and reads
// back what changed. One event at a time, as on the desktop: the page is single-threaded, and an event that
// arrives while a message box is open is the page's to hold.

#include <emscripten.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "ui/form_orbit.h"
#include "web/control_json.h"
#include "web/session_log.h"
#include "web/web_platform.h"

namespace zephra::web {
namespace {

class PageApp {
  public:
    PageApp() : window_(platform_) {
        forms_ = {&window_, &window_.Farewell};
        for (toolkit::Form* form : forms_) {
            auto& ids = ids_.emplace_back();
            for (std::size_t i = 0; i < form->controls().size(); ++i)
                ids[form->controls()[i]] = static_cast<int>(i);
        }
        rgba_.resize(static_cast<std::size_t>(toolkit::Surface::kWidthPixels) *
                     toolkit::Surface::kHeightPixels);
    }

    // Every control of a form, its start state; the changes after it begin from here.
    const std::string& allControls(int form) {
        forms_[form]->clearDirty();
        std::vector<toolkit::Control*> all = forms_[form]->controls();
        return statesOf(form, all);
    }
    // The controls changed since the last call, and the form's visibility and focus.
    const std::string& changes(int form) {
        std::vector<toolkit::Control*> dirty = forms_[form]->takeDirty();
        return statesOf(form, dirty);
    }
    int focusedId(int form) const {
        const toolkit::Control* focused = forms_[form]->focused();
        return focused ? ids_[form].at(focused) : -1;
    }
    bool formVisible(int form) const { return forms_[form]->visible(); }

    void userAction(int form, int id, UserAction action, const char* text) {
        toolkit::Control& control = *forms_[form]->controls().at(static_cast<std::size_t>(id));
        log_.userAction(form, control, action, text);
        applyUserAction(*forms_[form], control, action, text);
        // The page shows the model's verdict even where nothing changed (a click on a selected option).
        forms_[form]->markDirty(control);
    }

    // Fires up to count periods of a timer; fewer when a tick stops, restarts or re-times it, or opens a
    // message box, which holds the ticks after it.
    int fire(int timer, int count) {
        toolkit::Timer& t = *timers_[timer];
        const std::uint64_t generation = t.generation();
        int fired = 0;
        while (fired < count && t.enabled() && t.generation() == generation && platform_.openDialogs() == 0) {
            log_.timerFired(kTimerNames[timer]);
            t.fire();
            ++fired;
        }
        return fired;
    }
    toolkit::Timer& timer(int t) { return *timers_[t]; }
    WebPlatform& platform() { return platform_; }

    // The drawing as the canvas takes it: red, green, blue, opaque.
    const std::uint8_t* surfaceRgba() {
        const toolkit::Color* pixels = window_.surface().pixels();
        for (std::size_t i = 0; i < rgba_.size(); ++i)
            rgba_[i] = toolkit::redOf(pixels[i]) | toolkit::greenOf(pixels[i]) << 8 |
                       toolkit::blueOf(pixels[i]) << 16 | 0xFF000000u;
        return reinterpret_cast<const std::uint8_t*>(rgba_.data());
    }
    double surfaceGeneration() const { return static_cast<double>(window_.surface().generation()); }

    const std::string& driftFile() {
        std::ifstream in(window_.st.DriftFile, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        scratch_ = text.str();
        return scratch_;
    }
    double driftSize() const {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(window_.st.DriftFile, error);
        return error ? 0 : static_cast<double>(size);
    }
    const std::string& sessionLog() const { return log_.text(); }
    const std::string& windowTextNow() { return scratch_ = windowText(window_); }

  private:
    static constexpr std::array<const char*, 3> kTimerNames{"Ti", "TiF", "Tr"};

    const std::string& statesOf(int form, const std::vector<toolkit::Control*>& controls) {
        scratch_ = "[";
        for (const toolkit::Control* c : controls) {
            if (scratch_.size() > 1) scratch_ += ',';
            const int container = c->container() ? ids_[form].at(c->container()) : -1;
            scratch_ += controlJson(*c, ids_[form].at(c), container);
        }
        scratch_ += ']';
        return scratch_;
    }

    WebPlatform platform_;
    FormOrbit window_;
    std::array<toolkit::Form*, 2> forms_{};
    std::vector<std::unordered_map<const toolkit::Control*, int>> ids_;
    std::array<toolkit::Timer*, 3> timers_{&window_.Ti, &window_.TiF, &window_.Tr};
    SessionLog log_;
    std::vector<std::uint32_t> rgba_;
    std::string scratch_;  // the last text handed to the page, valid until the next call
};

std::unique_ptr<PageApp> app;

}  // namespace
}  // namespace zephra::web

using zephra::web::app;
using zephra::web::UserAction;

extern "C" {

EMSCRIPTEN_KEEPALIVE void zephra_start() {
    app = std::make_unique<zephra::web::PageApp>();
}
EMSCRIPTEN_KEEPALIVE const char* zephra_controls(int form) {
    return app->allControls(form).c_str();
}
EMSCRIPTEN_KEEPALIVE const char* zephra_changes(int form) {
    return app->changes(form).c_str();
}
EMSCRIPTEN_KEEPALIVE int zephra_focused(int form) {
    return app->focusedId(form);
}
EMSCRIPTEN_KEEPALIVE int zephra_form_visible(int form) {
    return app->formVisible(form);
}
// action: 0 press, 1 click, 2 focus, 3 double click, 4 text, 5 scroll value.
EMSCRIPTEN_KEEPALIVE void zephra_user_action(int form, int id, int action, const char* text) {
    app->userAction(form, id, static_cast<UserAction>(action), text);
}
// timer: 0 Ti, 1 TiF, 2 Tr.
EMSCRIPTEN_KEEPALIVE int zephra_fire(int timer, int count) {
    return app->fire(timer, count);
}
EMSCRIPTEN_KEEPALIVE int zephra_timer_interval(int timer) {
    return app->timer(timer).interval();
}
EMSCRIPTEN_KEEPALIVE int zephra_timer_enabled(int timer) {
    return app->timer(timer).enabled();
}
EMSCRIPTEN_KEEPALIVE double zephra_timer_generation(int timer) {
    return static_cast<double>(app->timer(timer).generation());
}
EMSCRIPTEN_KEEPALIVE void zephra_dialog_closed() {
    app->platform().dialogClosed();
}
EMSCRIPTEN_KEEPALIVE const std::uint8_t* zephra_surface_rgba() {
    return app->surfaceRgba();
}
EMSCRIPTEN_KEEPALIVE double zephra_surface_generation() {
    return app->surfaceGeneration();
}
EMSCRIPTEN_KEEPALIVE const char* zephra_drift_file() {
    return app->driftFile().c_str();
}
EMSCRIPTEN_KEEPALIVE double zephra_drift_size() {
    return app->driftSize();
}
EMSCRIPTEN_KEEPALIVE const char* zephra_session_log() {
    return app->sessionLog().c_str();
}
EMSCRIPTEN_KEEPALIVE const char* zephra_window_text() {
    return app->windowTextNow().c_str();
}
}
