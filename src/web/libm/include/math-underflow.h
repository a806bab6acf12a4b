/* SPDX-License-Identifier: GPL-3.0-or-later */
/* No floating-point exceptions to raise in the browser. */
#define math_check_force_underflow(x) ((void)0)
#define math_check_force_underflow_nonneg(x) ((void)0)
