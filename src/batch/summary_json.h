// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run's summary as one JSON object, every number in round-trip form so that runs compare exactly.

#include <string>

#include "batch/batch_run.h"
#include "ui/form_orbit.h"

namespace zephra::batch {

std::string summaryJson(const FormOrbit& form, const BatchOptions& options, const RunRecord& record);

}  // namespace zephra::batch
