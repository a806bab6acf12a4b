/* SPDX-License-Identifier: GPL-3.0-or-later */
/* A quiet NaN has the high bit of its fraction set, as on x86-64. */
#define HIGH_ORDER_BIT_IS_SET_FOR_SNAN 0
