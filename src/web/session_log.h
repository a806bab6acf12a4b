// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A session of the window as text, one model event a line, so that a run in the browser can be replayed by
// any other build of the window model and the two compared:
//   T <timer> <count>                       the timer Ti, TiF or Tr fired count times in a row
//   E <form> <name> <index> <action> [text] a user's action on a control: press, click, focus, dblclick,
//                                           text (the box's new text) or value (a scroll bar's new value)
// form is 0 for the main window and 1 for the farewell window; index is -1 outside a control array; the
// text is escaped (\\, \n, \r).

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/controls.h"
#include "ui/form_orbit.h"

namespace zephra::web {

enum class UserAction { Press, Click, Focus, DblClick, Text, Value };

// Carries out a user's action on a control, as the desktop's widgets do.
void applyUserAction(toolkit::Form& form, toolkit::Control& control, UserAction action,
                     std::string_view text);

class SessionLog {
  public:
    void timerFired(std::string_view timer);
    void userAction(int form, const toolkit::Control& control, UserAction action, std::string_view text);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    std::string lastTimer_;  // the timer of the line being counted, empty when the last line is no timer's
    int lastCount_ = 0;
    std::size_t lastLineStart_ = 0;
};

// Runs a session's events on a window model; the reason when a line cannot be carried out.
std::optional<std::string> replay(FormOrbit& window, std::string_view log);

// What the window shows and the bodies' state, as JSON: every control's text (a text box's text, a scroll
// bar's value, else its caption), visibility and enabled state, by form; the bodies' positions, velocities
// and masses as the bits of their doubles, and a digest of the drawing.
std::string windowText(const FormOrbit& window);

}  // namespace zephra::web
