/* SPDX-License-Identifier: GPL-3.0-or-later */
#define libm_alias_finite(from, to)
