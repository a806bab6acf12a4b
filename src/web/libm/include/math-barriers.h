/* SPDX-License-Identifier: GPL-3.0-or-later */
/* No floating-point exception flags to keep in order in the browser. */
#define math_opt_barrier(x) (x)
#define math_force_eval(x) ((void)(x))
