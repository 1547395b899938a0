#!/usr/bin/env python3
"""Writes beta_reference.inc: 50-digit mpmath values of the incomplete beta
function and of the beta, Student's t and F laws (PDF, CDF, CCDF and both
quantiles) over the body, both tails and large shapes. Run by hand:
    python3 tests/distrium/data/beta_reference.py
"""
import os
import mpmath as mp

mp.mp.dps = 50
TINY = mp.mpf(10) ** -300


def _fraction(a, b, x):
    # Numerical Recipes' continued fraction of I_x(a, b), modified Lentz.
    eps = mp.mpf(10) ** -45
    c, d = mp.mpf(1), 1 - (a + b) * x / (a + 1)
    d = 1 / (d if abs(d) > TINY else TINY)
    h, m = d, 1
    while True:
        for aa in (m * (b - m) * x / ((a - 1 + 2 * m) * (a + 2 * m)),
                   -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 1 + 2 * m))):
            d = 1 + aa * d
            d = 1 / (d if abs(d) > TINY else TINY)
            c = 1 + aa / c
            c = c if abs(c) > TINY else TINY
            h *= d * c
        if abs(d * c - 1) < eps:
            return h
        m += 1


def ibeta(a, b, x, upper=False):
    """I_x(a, b), or its complement, for 0 < x < 1."""
    a, b, x = mp.mpf(a), mp.mpf(b), mp.mpf(x)
    y = 1 - x
    ln_prefix = a * mp.log(x) + b * mp.log(y) - mp.log(mp.beta(a, b))
    if x < (a + 1) / (a + b + 2):
        v = mp.exp(ln_prefix) * _fraction(a, b, x) / a
        return 1 - v if upper else v
    v = mp.exp(ln_prefix) * _fraction(b, a, y) / b
    return v if upper else 1 - v


def beta_pdf(x, a, b):
    x, a, b = mp.mpf(x), mp.mpf(a), mp.mpf(b)
    return mp.exp((a - 1) * mp.log(x) + (b - 1) * mp.log(1 - x) - mp.log(mp.beta(a, b)))


def student_cdf(t, nu, upper=False):
    t, nu = mp.mpf(t), mp.mpf(nu)
    if t == 0:
        return mp.mpf(1) / 2
    half = ibeta(nu / 2, mp.mpf(1) / 2, nu / (nu + t * t)) / 2
    return half if (t < 0) != upper else 1 - half


def student_pdf(t, nu):
    t, nu = mp.mpf(t), mp.mpf(nu)
    return mp.exp(mp.loggamma((nu + 1) / 2) - mp.loggamma(nu / 2) - mp.log(nu * mp.pi) / 2
                  - (nu + 1) / 2 * mp.log1p(t * t / nu))


def f_cdf(x, n1, n2, upper=False):
    x = mp.mpf(x)
    return ibeta(mp.mpf(n1) / 2, mp.mpf(n2) / 2, n1 * x / (n1 * x + n2), upper)


def f_pdf(x, n1, n2):
    x, a, b = mp.mpf(x), mp.mpf(n1) / 2, mp.mpf(n2) / 2
    u = n1 * x / (n1 * x + n2)
    return mp.exp(a * mp.log(u) + b * mp.log(1 - u) - mp.log(mp.beta(a, b))) / x


def invert(cdf, pdf, p, start, sign=1):
    """The root of cdf(x) = p by Newton's method in 50 digits from a close
    start; sign -1 for an upper tail, whose derivative is -pdf."""
    x = mp.mpf(start)
    for _ in range(100):
        step = (cdf(x) - p) / (sign * pdf(x))
        x -= step
        if abs(step) <= abs(x) * mp.mpf(10) ** -28:
            return x
    raise RuntimeError("no root %r" % start)


rows = []


def row(name, args, want):
    if not (mp.mpf('2.2250738585072014e-308') <= abs(want) <= mp.mpf('1.7976931348623157e308')) and want != 0:
        return  # only values that are normal doubles
    rows.append('{"%s", {%s}, %s},' % (name, ", ".join(repr(float(v)) for v in args),
                                       mp.nstr(want, 20, strip_zeros=False, min_fixed=1, max_fixed=0)
                                       .replace("e+", "e") if want != 0 else "0.0"))


def quantile_rows(prefix, cdf, pdf, point, params, lower=True, upper=True):
    """Rows of both quantiles at the double probabilities of point."""
    for up, name in ((False, prefix + "CDFInv"), (True, prefix + "CCDFInv")):
        if (up and not upper) or (not up and not lower):
            continue
        p = float(cdf(point, up))
        if not 0 < p < 1:
            continue
        root = invert(lambda v: cdf(v, up), pdf, mp.mpf(p), point, -1 if up else 1)
        row(name, (p,) + params, root)


def complement_exact(x):
    return float(1 - mp.mpf(x)) == 1 - mp.mpf(x)


# Incomplete beta, both tails: body, tails, small and large shapes, and the
# sizes of the binomial up to 2^31 - 1 trials.
shape_grid = [1e-3, 0.2, 0.5, 1.0, 2.5, 10.0, 150.0, 1e4, 1e5, 1e7]
for a in shape_grid:
    for b in shape_grid:
        mean = a / (a + b)
        sd = (a * b / ((a + b) ** 2 * (a + b + 1))) ** 0.5
        for k in (-20, -3, 0.5, 4, 25):
            x = mean + k * sd
            if not 0 < x < 1:
                continue
            x = float(mp.mpf(x))
            if not complement_exact(x):
                x = float(1 - mp.mpf(float(1 - mp.mpf(x))))
            row("IncBetaLower", (x, a, b), ibeta(a, b, x))
            row("IncBetaUpper", (x, a, b), ibeta(a, b, x, True))
for n, k, p in ((2147483647, 1073741823, 0.5), (2147483647, 2147400000, 0.99996),
                (1000000000, 100, 1e-7), (2147483647, 21474, 1e-5)):
    x = float(mp.mpf(p))
    row("IncBetaLower", (x, k + 1.0, float(n - k)), ibeta(k + 1, n - k, x))
    row("IncBetaUpper", (x, k + 1.0, float(n - k)), ibeta(k + 1, n - k, x, True))

# Large shapes next to the mean, where the uniform expansion replaces the
# fraction, and just either side of where it hands back (about 8 standard
# deviations out).
for a, b in ((1000.0, 1000.0), (1000.0, 4e4), (2.5e5, 7.5e5), (1e8, 3e8)):
    mean = a / (a + b)
    sd = (a * b / ((a + b) ** 2 * (a + b + 1))) ** 0.5
    for k in (-8.2, -7.8, -2.5, -0.05, 0.3, 4, 7.8, 8.2):
        x = float(mp.mpf(mean + k * sd))
        if not complement_exact(x):
            x = float(1 - mp.mpf(float(1 - mp.mpf(x))))
        row("IncBetaLower", (x, a, b), ibeta(a, b, x))
        row("IncBetaUpper", (x, a, b), ibeta(a, b, x, True))

# The beta law.
for a, b in ((0.2, 0.2), (2.0, 3.0), (0.5, 40.0), (1e-3, 5.0), (7.5, 1e-3), (300.0, 20.0),
             (1e5, 1e5), (1e4, 3e6), (2e7, 1.5)):
    mean = a / (a + b)
    sd = (a * b / ((a + b) ** 2 * (a + b + 1))) ** 0.5
    points = [mean + k * sd for k in (-8, -1, 0, 2, 30)] + [1e-300, 1e-30, 0.5, 1 - 2 ** -40]
    for x in points:
        if not 0 < x < 1:
            continue
        x = float(x)
        cdf = lambda v, up: ibeta(a, b, v, up)
        row("BetaPDF", (x, a, b), beta_pdf(x, a, b))
        row("BetaCDF", (x, a, b), cdf(x, False))
        row("BetaCCDF", (x, a, b), cdf(x, True))
        quantile_rows("Beta", cdf, lambda v: beta_pdf(v, a, b), x, (a, b))
row("BetaCDF", (0.5, 1e5, 1e5), mp.mpf(0.5))
for p, a, b in ((1e-3, 0.2, 0.2), (1e-10, 2.0, 3.0), (1e-300, 1e4, 1e4), (1e-100, 1e6, 30.0)):
    # Quantiles from the far tail: bisection in logarithms, then Newton.
    lo, hi = mp.mpf(10) ** -320, mp.mpf(a) / (a + b)
    for _ in range(200):
        mid = mp.sqrt(lo * hi)
        if ibeta(a, b, mid) < p:
            lo = mid
        else:
            hi = mid
        if hi / lo - 1 < mp.mpf(10) ** -6:
            break
    row("BetaCDFInv", (p, a, b), invert(lambda v: ibeta(a, b, v), lambda v: beta_pdf(v, a, b), mp.mpf(p), lo))
    row("BetaCCDFInv", (p, b, a), 1 - invert(lambda v: ibeta(a, b, v), lambda v: beta_pdf(v, a, b), mp.mpf(p), lo))

# Student's t, real nu.
for nu in (1.0, 2.0, 2.5, 7.0, 30.0, 1e3, 4e5, 1e7):
    for t in (-1e10, -40.0, -3.0, -0.25, 1e-5, 0.7, 2.0, 9.0, 1e4, 1e150):
        cdf = lambda v, up: student_cdf(v, nu, up)
        row("StudentPDF", (t, nu), student_pdf(t, nu))
        row("StudentCDF", (t, nu), cdf(t, False))
        row("StudentCCDF", (t, nu), cdf(t, True))
        quantile_rows("Student", cdf, lambda v: student_pdf(v, nu), t, (nu,))

# F, whole degrees of freedom.
for n1, n2 in ((1, 1), (5, 7), (2, 30), (40, 3), (1000, 1000), (100000, 50), (3, 2000000)):
    mean = n2 / (n2 - 2) if n2 > 2 else 1.0
    for x in (1e-40, 1e-6, 0.05, 0.5 * mean, mean, 2 * mean, 30.0, 1e8):
        x = float(x)
        cdf = lambda v, up: f_cdf(v, n1, n2, up)
        row("FPDF", (x, n1, n2), f_pdf(x, n1, n2))
        row("FCDF", (x, n1, n2), cdf(x, False))
        row("FCCDF", (x, n1, n2), cdf(x, True))
        quantile_rows("F", cdf, lambda v: f_pdf(v, n1, n2), x, (n1, n2))
row("FCDFInv", (1e-10, 5, 7), invert(lambda v: f_cdf(v, 5, 7), lambda v: f_pdf(v, 5, 7), mp.mpf(1e-10), 5.39e-5))

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "beta_reference.inc"), "w") as out:
    out.write("// Generated by beta_reference.py (mpmath, 50 digits); do not edit.\n")
    out.write("\n".join(rows) + "\n")
print(len(rows), "rows")
