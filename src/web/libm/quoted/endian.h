/* SPDX-License-Identifier: GPL-3.0-or-later */
/* WebAssembly is little-endian: the high word of a double is its second. */
#undef BIG_ENDI
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
