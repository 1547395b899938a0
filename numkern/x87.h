// x87 primitives the kernel is built from: the unit's own constants and
// single-instruction steps, so that the elementary functions reproduce the
// hardware's results bit for bit. Internal to numkern.
#pragma once

#if !defined(__x86_64__) && !defined(__i386__)
#error "numkern computes with the x87 unit's extended format"
#endif

namespace numkern::x87 {

// log2(e), ln(2) and pi as the unit loads them (rounded to nearest).
inline long double Log2E() {
    long double r;
    asm("fldl2e" : "=t"(r));
    return r;
}

inline long double Ln2() {
    long double r;
    asm("fldln2" : "=t"(r));
    return r;
}

inline long double Pi() {
    long double r;
    asm("fldpi" : "=t"(r));
    return r;
}

// Y * log2(X) in one step (fyl2x): log2 of 0 is -Inf, of a negative number NaN.
inline long double YLog2X(long double Y, long double X) {
    long double r;
    asm("fyl2x" : "=t"(r) : "0"(X), "u"(Y) : "st(1)");
    return r;
}

// 2^T split as ((2^f - 1) + 1) * 2^n with n = T rounded to nearest and
// f = T - n. The scaling stays in floating point (fscale), so no huge n is
// ever converted to an integer; an infinite T gives NaN through Inf - Inf.
inline long double Pow2(long double T) {
    long double n;
    asm("frndint" : "=t"(n) : "0"(T));
    long double f = T - n;
    long double m;
    asm("f2xm1" : "=t"(m) : "0"(f));
    long double r;
    asm("fscale" : "=t"(r) : "0"(m + 1.0L), "u"(n));
    return r;
}

}  // namespace numkern::x87
