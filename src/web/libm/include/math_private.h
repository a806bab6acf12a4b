/* SPDX-License-Identifier: GPL-3.0-or-later */
/* What the C library's own headers give its double functions, for building them outside it. */
#include <errno.h>
#include <stdint.h>

#include <math-barriers.h>

#define __set_errno(e) (errno = (e))
#define attribute_hidden
#define strong_alias(name, alias)
#ifndef __glibc_likely
#define __glibc_likely(cond) __builtin_expect(!!(cond), 1)
#define __glibc_unlikely(cond) __builtin_expect(!!(cond), 0)
#endif
#ifndef __always_inline
#define __always_inline __inline __attribute__((__always_inline__))
#endif
