// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGINT, SIGTERM, SIGHUP and SIGQUIT end a run between two ticks rather than in the middle of a write: the
// handler only notes the signal, the run loop stops at the next tick, and the program removes what it has
// not finished (the trace's temporary file), then dies of the same signal.

namespace zephra::batch {

// Catches the four signals from now on.
void catchInterruptions();

// The signal caught, or 0 while none has come.
int interruption();

// Dies of the caught signal, as it would have without the handler.
[[noreturn]] void dieOfInterruption();

}  // namespace zephra::batch
