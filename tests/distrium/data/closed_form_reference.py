#!/usr/bin/env python3
"""Reference values for the closed-form laws (Cauchy, Laplace, logistic,
log-Weibull, Pareto, Rayleigh, triangular, uniform, Weibull): every PDF,
CDF, upper tail and both inverses in the body and far into both tails,
computed with mpmath at 50 digits; writes closed_form_reference.inc beside
this script. Run by hand: python3 closed_form_reference.py"""
import os
from mpmath import mp, mpf, atan2, tan, exp, expm1, log, log1p, sqrt, pi

mp.dps = 50
rows = []


def row(name, args, value):
    if abs(float(value)) == float("inf"):  # beyond the double range: no row
        return
    args = [float(a) for a in args] + [0.0] * (4 - len(args))
    rows.append('{"%s", {%s}, %.19e},' % (name, ", ".join(repr(a) for a in args), float(value)))


def law(name, params, points, probs, pdf, cdf, ccdf, inv, cinv):
    """Rows for every point (x) and probability of the law with parameters
    params; the formulas take mpf arguments."""
    P = [mpf(v) for v in params]
    for x in points:
        X = mpf(x)
        row(name + "PDF", [x] + params, pdf(X, *P))
        row(name + "CDF", [x] + params, cdf(X, *P))
        row(name + "CCDF", [x] + params, ccdf(X, *P))
    for p in probs:
        Q = mpf(p)
        row(name + "CDFInv", [p] + params, inv(Q, *P))
        row(name + "CCDFInv", [p] + params, cinv(Q, *P))


TAILS = [1e-300, 1e-100, 1e-20, 1e-6, 0.03, 0.3, 0.5, 0.7, 0.97, 1 - 1e-9, 0.9999999999999999]

def cauchy_quantile(p):
    """tan(pi (p - 1/2)) without losing a tiny p next to 1/2."""
    if p == 0.5:
        return mpf(0)
    return -1 / tan(pi * p) if p < 0.5 else 1 / tan(pi * (1 - p))


# Cauchy: the CDF as an angle, so the lower tail keeps its digits.
for m, b in [(0, 1), (-2.5, 0.3)]:
    law("Cauchy", [m, b], [-1e300, -3e7, -40, m - 0.1, m, 0.3, 1e5, 2e200], TAILS,
        lambda x, m, b: b / (pi * (b * b + (x - m) ** 2)),
        lambda x, m, b: atan2(b, m - x) / pi,
        lambda x, m, b: atan2(b, x - m) / pi,
        lambda p, m, b: m + b * cauchy_quantile(p),
        lambda p, m, b: m - b * cauchy_quantile(p))

for m, b in [(0, 1), (3, 0.5)]:
    law("Laplace", [m, b], [-680, -30, -1e-3, m, m + 1e-9, 2, 35, 600], TAILS,
        lambda x, m, b: exp(-abs(x - m) / b) / (2 * b),
        lambda x, m, b: exp((x - m) / b) / 2 if x < m else 1 - exp(-(x - m) / b) / 2,
        lambda x, m, b: exp(-(x - m) / b) / 2 if x > m else 1 - exp((x - m) / b) / 2,
        lambda p, m, b: m + b * log(2 * p) if p < 0.5 else m - b * log(2 * (1 - p)),
        lambda p, m, b: m - b * log(2 * p) if p < 0.5 else m + b * log(2 * (1 - p)))

# The logistic location is any real number, negative included.
for m, b in [(0, 1), (-4, 2.5)]:
    law("Logistic", [m, b], [-1700, -60, -4.5, 0.25, 1e-12, 30, 700], TAILS,
        lambda x, m, b: exp(-(x - m) / b) / (b * (1 + exp(-(x - m) / b)) ** 2),
        lambda x, m, b: 1 / (1 + exp(-(x - m) / b)),
        lambda x, m, b: 1 / (1 + exp((x - m) / b)),
        lambda p, m, b: m + b * log(p / (1 - p)),
        lambda p, m, b: m - b * log(p / (1 - p)))

# Log-Weibull (Gumbel) with z = (x - a) / b; a negative b mirrors the law.
for a, b in [(0, 1), (1.5, 2), (2, -0.5)]:
    law("LogWeibull", [a, b], [-6.5, -3, -0.5, 0.3, 1.5, 4, 40, 700], TAILS,
        lambda x, a, b: exp(-(x - a) / b - exp(-(x - a) / b)) / b,
        lambda x, a, b: exp(-exp(-(x - a) / b)),
        lambda x, a, b: -expm1(-exp(-(x - a) / b)),
        lambda p, a, b: a - b * log(-log(p)),
        lambda p, a, b: a - b * log(-log1p(-p)))

# Pareto: density and probability 0 below the lower end b.
for a, b in [(2.5, 1.5), (0.3, 1e-3), (40, 2)]:
    law("Pareto", [a, b], [0.5 * b, b, b * (1 + 1e-12), b * 1.3, b * 7, b * 1e9, b * 1e250], TAILS,
        lambda x, a, b: a * b ** a / x ** (a + 1) if x >= b else mpf(0),
        lambda x, a, b: -expm1(a * log(b / x)) if x >= b else mpf(0),
        lambda x, a, b: (b / x) ** a if x >= b else mpf(1),
        lambda p, a, b: b * (1 - p) ** (-1 / a),
        lambda p, a, b: b * p ** (-1 / a))

for b in [1, 0.02, 3e5]:
    law("Rayleigh", [b], [b * 1e-150, b * 1e-8, b * 0.5, b * 1.8, b * 6, b * 37], TAILS,
        lambda x, b: x / b ** 2 * exp(-x * x / (2 * b * b)),
        lambda x, b: -expm1(-x * x / (2 * b * b)),
        lambda x, b: exp(-x * x / (2 * b * b)),
        lambda p, b: b * sqrt(-2 * log1p(-p)),
        lambda p, b: b * sqrt(-2 * log(p)))

# Weibull: CDF 1 - e^(-a x^b), shapes b small and large.
for a, b in [(0.5, 1.5), (3, 0.2), (0.01, 7)]:
    law("Weibull", [a, b], [1e-250, 1e-30, 1e-3, 0.6, 1.7, 4, 90, 1e7], TAILS,
        lambda x, a, b: a * b * x ** (b - 1) * exp(-a * x ** b),
        lambda x, a, b: -expm1(-a * x ** b),
        lambda x, a, b: exp(-a * x ** b),
        lambda p, a, b: (-log1p(-p) / a) ** (1 / b),
        lambda p, a, b: (-log(p) / a) ** (1 / b))


def triangular_cdf(x, a, b, c):
    return (x - a) ** 2 / ((b - a) * (c - a)) if x <= c else 1 - (b - x) ** 2 / ((b - a) * (b - c))


def triangular_inv(p, a, b, c):
    if p <= (c - a) / (b - a):
        return a + sqrt((b - a) * (c - a) * p)
    return b - sqrt((b - a) * (b - c) * (1 - p))


# Triangular, the mode inside and at either end; p near 0 and 1 on both
# sides of the mode.
for a, b, c in [(0, 4, 1), (0, 1, 0), (-3, -1, -1), (1e3, 1e3 + 3, 1e3 + 1)]:
    A, B, C = mpf(a), mpf(b), mpf(c)
    points = [a + (b - a) * f for f in [1e-12, 0.1, 0.5, 0.9, 1 - 1e-12]]
    law("Triangular", [a, b, c], points, [1e-300, 1e-20, 1e-6, 0.2, 0.5, 0.8, 1 - 1e-9],
        lambda x, a, b, c: 2 * (x - a) / ((b - a) * (c - a)) if x <= c else 2 * (b - x) / ((b - a) * (b - c)),
        triangular_cdf,
        lambda x, a, b, c: 1 - triangular_cdf(x, a, b, c) if x <= c else (b - x) ** 2 / ((b - a) * (b - c)),
        triangular_inv,
        lambda p, a, b, c: triangular_inv(1 - p, a, b, c))

for a, b in [(0, 2e-3), (-3, 5)]:
    law("Uniform", [a, b], [a + (b - a) * f for f in [1e-9, 0.25, 0.999]], [1e-300, 1e-9, 0.3, 0.9],
        lambda x, a, b: 1 / (b - a),
        lambda x, a, b: (x - a) / (b - a),
        lambda x, a, b: (b - x) / (b - a),
        lambda p, a, b: a + (b - a) * p,
        lambda p, a, b: b - (b - a) * p)

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "closed_form_reference.inc"), "w") as out:
    out.write("// Generated by closed_form_reference.py (mpmath, 50 digits); do not edit.\n")
    out.write("\n".join(rows) + "\n")
