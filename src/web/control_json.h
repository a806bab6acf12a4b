// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "toolkit/controls.h"

namespace zephra::web {

// A control as the page draws it, one JSON object: id (its place in the form's list), container id (-1 for
// the window), kind, name and index, the bounds in pixels, visible, enabled, colours as #rrggbb, tooltip,
// font, caption or text, and what its kind adds (value, range, locked, ends of a line ...).
std::string controlJson(const toolkit::Control& control, int id, int containerId);

}  // namespace zephra::web
