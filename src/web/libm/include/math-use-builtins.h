/* SPDX-License-Identifier: GPL-3.0-or-later */
/* As glibc's generic build for x86-64: its own larger-of comparison, the square-root instruction. */
#define USE_FMAX_BUILTIN 0
#define USE_FMIN_BUILTIN 0
#define USE_SQRT_BUILTIN 1
