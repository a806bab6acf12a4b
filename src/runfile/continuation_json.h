// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The continuation part of a saved run: the state, the controls that differ from a newly opened window, the
// timers, the drawing and the drift file's bookkeeping.

#include <memory>

#include "runfile/json_in.h"
#include "ui/form_orbit.h"

namespace zephra::runfile {

Json continuationJson(const FormOrbit& form);
std::unique_ptr<SavedRun> readContinuation(const In& in);

}  // namespace zephra::runfile
