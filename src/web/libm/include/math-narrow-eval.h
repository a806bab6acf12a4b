/* SPDX-License-Identifier: GPL-3.0-or-later */
/* WebAssembly evaluates doubles in double precision: nothing to narrow. */
#define math_narrow_eval(x) (x)
