// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulation state in a run file: every field by its name; the history buffers packed.

#include "engine/sim_state.h"
#include "runfile/json_in.h"

namespace zephra::runfile {

// FieldFault (field named from "state") for a number that is not finite: such a run cannot be saved.
Json stateJson(const SimState& st);
// Fills st from the file, every field checked.
void readState(const In& in, SimState& st);

// A packed array: {"type": "float64", "count": N, "deflate": base64}.
Json packedJson(const void* data, std::size_t count, std::size_t elementSize);
void readPacked(const In& in, void* out, std::size_t count, std::size_t elementSize);

}  // namespace zephra::runfile
