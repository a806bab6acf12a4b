// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The identity runs are the optimised build's to check in full; the sanitizers slow them about tenfold and
// find the same faults in a share of them, so the checked build runs every few rows or presets.
inline constexpr int kIdentityStride = ZEPHRA_IDENTITY_STRIDE;
