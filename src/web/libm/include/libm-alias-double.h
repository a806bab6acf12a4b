/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The functions are compiled under their public names: no aliases. */
#define libm_alias_double(from, to)
#define libm_alias_double_other(from, to)
