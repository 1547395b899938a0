#!/usr/bin/env python3
"""Coefficients of the polynomial c_0 t^N + ... + c_N in t = 2f - 1 that
approximates (Gamma(1 + f) - 1) / f on 0 <= f <= 1 (Chebyshev fit, mpmath);
prints the C++ table of distrium/incomplete_gamma.cpp and the fit's largest
relative error."""
from mpmath import mp, mpf, gamma, chebyfit

mp.dps = 50
DEGREE = 25


def g(t):
    f = (t + 1) / 2
    return (gamma(1 + f) - 1) / f if f != 0 else -mp.euler


coeffs, err = chebyfit(g, [-1, 1], DEGREE + 1, error=True)
print("// largest absolute error of the fit: %s (the function is near -0.58 .. -0.42)" % mp.nstr(err, 3))
print("constexpr ext kGammaNearOne[%d] = {" % (DEGREE + 1))
for c in coeffs:
    print("    %sL," % mp.nstr(c, 22, strip_zeros=False, min_fixed=1, max_fixed=0))
print("};")
