/* SPDX-License-Identifier: GPL-3.0-or-later */
/* No System V error handling (matherr) to stay compatible with. */
#define LIBM_SVID_COMPAT 0
