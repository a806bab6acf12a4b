/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The browser's floating point always rounds to nearest: nothing to save or restore. */
#include <fenv.h>
#define SET_RESTORE_ROUND(mode)
#define SET_RESTORE_ROUND_53BIT(mode)
#define SET_RESTORE_ROUND_NOEX(mode)
