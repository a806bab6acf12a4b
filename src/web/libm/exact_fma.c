/* SPDX-License-Identifier: GPL-3.0-or-later */
/* a * b + c rounded once, for the multiply-adds of the glibc functions: WebAssembly has no fused
   instruction, and the C library's fma() works on integers at several times the cost. The product is split
   exactly (Dekker), added to c exactly (TwoSum), and the two small parts are summed rounded to odd before
   the last addition, which then rounds correctly (Boldo and Melquiond, 2008). Operands whose product or
   sum could overflow or leave the normal range go to fma(). */
#include <math.h>
#include <stdint.h>
#include <string.h>

double zephra_exact_fma(double a, double b, double c);

static uint64_t bits_of(double x) {
    uint64_t u;
    memcpy(&u, &x, sizeof u);
    return u;
}

static double double_of(uint64_t u) {
    double x;
    memcpy(&x, &u, sizeof x);
    return x;
}

static int exponent_of(double x) {
    return (int)(bits_of(x) >> 52 & 0x7ff) - 1023;
}

/* x + y rounded to odd: when the sum is inexact, the neighbour of it whose last bit is odd. */
static double sum_to_odd(double x, double y) {
    const double s = x + y;
    const double z = s - x;
    const double error = (x - (s - z)) + (y - z);
    const uint64_t u = bits_of(s);
    if (error != 0 && (u & 1) == 0) return double_of((error > 0) == (s > 0) ? u + 1 : u - 1);
    return s;
}

double zephra_exact_fma(double a, double b, double c) {
    const int ea = exponent_of(a), eb = exponent_of(b), ec = exponent_of(c);
    if (ea < -960 || ea > 990 || eb < -960 || eb > 990 || ea + eb < -900 || ea + eb > 1000 || ec > 1000 ||
        (ec < -900 && c != 0))
        return fma(a, b, c);
    const double split = 134217729.0; /* 2^27 + 1 */
    const double product = a * b;
    const double ta = split * a, ah = ta - (ta - a), al = a - ah;
    const double tb = split * b, bh = tb - (tb - b), bl = b - bh;
    const double product_error = ((ah * bh - product) + ah * bl + al * bh) + al * bl;
    const double sum = c + product, z = sum - c;
    const double sum_error = (c - (sum - z)) + (product - z);
    return sum + sum_to_odd(sum_error, product_error);
}
