#!/usr/bin/env python3
"""Reference summaries (mean, variance, sd, skewness, excess kurtosis, median,
mode) of every law at two parameter sets, computed with mpmath at 40 digits
by an independent path: moments by integrating or summing the density
itself, the median by solving CDF = 1/2 on the integrated density, the mode
by maximising the density. Writes summary_reference.inc beside this file.
Run by hand: python3 summary_reference.py"""
import os
from mpmath import mp, mpf, quad, findroot, diff, log, exp, sqrt, pi, gamma, beta, betainc, binomial, inf

mp.dps = 40
INF, UNDEF = 'inf', 'undef'


def stats_from_raw(m):
    m1, m2, m3, m4 = (m[k] / m[0] for k in range(1, 5))
    var = m2 - m1 ** 2
    c3 = m3 - 3 * m1 * m2 + 2 * m1 ** 3
    c4 = m4 - 4 * m1 * m3 + 6 * m1 ** 2 * m2 - 3 * m1 ** 4
    return [m1, var, sqrt(var), c3 / var ** 1.5, c4 / var ** 2 - 3]


def discrete(pmf, lo, hi):
    ks = range(lo, hi + 1)
    ps = [pmf(mpf(k)) for k in ks]
    m = [sum(p * mpf(k) ** j for k, p in zip(ks, ps)) for j in range(5)]
    s = stats_from_raw(m)
    c, median = mpf(0), None
    for k, p in zip(ks, ps):
        c += p
        if c >= mpf(1) / 2 - mpf(10) ** -30:
            median = k
            break
    best = max(ps)
    mode = max(k for k, p in zip(ks, ps) if p >= best * (1 - mpf(10) ** -30))
    if all(abs(p - ps[0]) < mpf(10) ** -30 for p in ps):
        mode = UNDEF
    return s, median, mode


def argmax(pdf, a, b):
    return findroot(lambda x: diff(lambda t: log(pdf(t)), x), (a, b), solver='anderson')


rows = []


def add(dist, params, values):
    names = ['Mean', 'Variance', 'StdDev', 'Skewness', 'ExcessKurtosis', 'Median', 'Mode']
    for name, v in zip(names, values):
        rows.append((dist, name, params, v))


def add_cont(dist, params, pdf, lo, hi, median_start, mode, breaks=(), stats=None):
    m = [quad(lambda x, k=k: x ** k * pdf(x), [lo, *breaks, hi]) for k in range(5)] if stats is None else None
    s = stats_from_raw(m) if stats is None else stats
    cdf = lambda x: quad(pdf, [lo] + [b for b in breaks if lo < b < x] + [x])
    median = findroot(lambda x: cdf(x) - mpf(1) / 2, median_start, solver='anderson') \
        if isinstance(median_start, tuple) else findroot(lambda x: cdf(x) - mpf(1) / 2, median_start)
    add(dist, params, s + [median, mode])


def add_disc(dist, params, pmf, lo, hi):
    s, median, mode = discrete(pmf, lo, hi)
    add(dist, params, s + [median, mode])


# Continuous laws with all four moments.
# Beta: raw moments as beta-function ratios, since quadrature loses digits
# of 1 - x next to an endpoint singularity; the median from mpmath's betainc.
for a, b in [(1, 0.2), (2.5, 4)]:
    a, b = mpf(a), mpf(b)
    m = [beta(a + k, b) / beta(a, b) for k in range(5)]
    median = findroot(lambda x: betainc(a, b, 0, x, regularized=True) - mpf(1) / 2, (mpf('0.01'), mpf('0.99')),
                      solver='anderson')
    mode = (a - 1) / (a + b - 2) if a > 1 and b > 1 else (0 if a < 1 else 1)
    add('distBETA', [a, b], stats_from_raw(m) + [median, mode])
for a, b in [(1, 0.2), (3.5, 2)]:
    pdf = lambda x, a=a, b=b: x ** (a - 1) * exp(-x / b) / (gamma(a) * b ** a)
    add_cont('distGAMMA', [a, b], pdf, 0, inf, (mpf('0.001'), mpf(40)),
             0 if a <= 1 else argmax(pdf, mpf('0.1'), mpf(20)))
for nu in [4, 7]:
    pdf = lambda x, nu=nu: x ** (mpf(nu) / 2 - 1) * exp(-x / 2) / (gamma(mpf(nu) / 2) * 2 ** (mpf(nu) / 2))
    add_cont('distCHISQUARE', [nu], pdf, 0, inf, (mpf('0.1'), mpf(30)), argmax(pdf, mpf('0.5'), mpf(20)))
for lam in [4.3, 0.5]:
    pdf = lambda x, lam=lam: exp(-x / lam) / lam
    add_cont('distEXP', [lam], pdf, 0, inf, (mpf('0.01'), mpf(20)), 0)
for m_, b in [(1, 0.3), (-2, 4)]:
    pdf = lambda x, m_=m_, b=b: exp(-abs(x - m_) / b) / (2 * b)
    add_cont('distLAPLACE', [m_, b], pdf, -inf, inf, (mpf(-30), mpf(30)), m_, breaks=(m_,))
for m_, b in [(1, 0.3), (-5, 2)]:
    pdf = lambda x, m_=m_, b=b: exp(-(x - m_) / b) / (b * (1 + exp(-(x - m_) / b)) ** 2)
    add_cont('distLOGISTIC', [m_, b], pdf, -inf, inf, (mpf(-30), mpf(30)), m_, breaks=(m_,))
for mu, s in [(1, 0.2), (0, 1)]:
    pdf = lambda x, mu=mu, s=s: exp(-(log(x) - mu) ** 2 / (2 * s * s)) / (x * s * sqrt(2 * pi))
    add_cont('distLOGNORMAL', [mu, s], pdf, 0, inf, (mpf('0.01'), mpf(20)), argmax(pdf, mpf('0.05'), mpf(5)),
             breaks=(exp(mu),))
for a, b in [(1, 0.2), (0, -2)]:
    pdf = lambda x, a=a, b=b: exp((a - x) / b - exp((a - x) / b)) / abs(b)
    # Finite ends: the double exponential overflows mpmath's range far out,
    # where the density is below 1e-80 anyway.
    add_cont('distLOGWEIBULL', [a, b], pdf, a - 200 * abs(b), a + 200 * abs(b), (mpf(-30), mpf(30)), a,
             breaks=(a,))
for a in [0.4, 3]:
    pdf = lambda x, a=a: sqrt(2 / pi) * x ** 2 * exp(-x ** 2 / (2 * a * a)) / a ** 3
    add_cont('distMAXWELL', [a], pdf, 0, inf, (mpf('0.01'), mpf(20)), argmax(pdf, mpf(a) / 2, 2 * mpf(a)))
for mu, s in [(0, 1), (3, 2)]:
    pdf = lambda x, mu=mu, s=s: exp(-(x - mu) ** 2 / (2 * s * s)) / (s * sqrt(2 * pi))
    add_cont('distNORMAL', [mu, s], pdf, -inf, inf, (mpf(-30), mpf(30)), mu, breaks=(mu,))
for b in [0.9, 3]:
    pdf = lambda x, b=b: x / b ** 2 * exp(-x * x / (2 * b * b))
    add_cont('distRAYLEIGH', [b], pdf, 0, inf, (mpf('0.01'), mpf(20)), argmax(pdf, mpf(b) / 2, 2 * mpf(b)))
for a, b, c in [(1.2, 5.2, 3), (0, 1, 0.9)]:
    a, b, c = mpf(a), mpf(b), mpf(c)
    pdf = lambda x, a=a, b=b, c=c: 2 * (x - a) / ((b - a) * (c - a)) if x <= c else 2 * (b - x) / ((b - a) * (b - c))
    add_cont('distTRIANGULAR', [a, b, c], pdf, a, b, (a + mpf('0.01'), b - mpf('0.01')), c, breaks=(c,))
# Weibull: moments integrated in u = a x^b, where the small shape's long
# tail becomes e^-u; the median from the CDF 1 - exp(-a x^b).
for a, b in [(1, 0.2), (2, 3.5)]:
    a, b = mpf(a), mpf(b)
    pdf = lambda x, a=a, b=b: a * b * x ** (b - 1) * exp(-a * x ** b)
    m = [quad(lambda u, k=k: (u / a) ** (k / b) * exp(-u), [0, 1, inf]) for k in range(5)]
    median = findroot(lambda x: 1 - exp(-a * x ** b) - mpf(1) / 2, (mpf('1e-6'), mpf(50)), solver='anderson')
    add('distWEIBULL', [a, b], stats_from_raw(m) + [median, 0 if b <= 1 else argmax(pdf, mpf('0.1'), mpf(2))])
# Uniform: flat, so no mode.
for a, b in [(-2.1, 3.5), (0, 1)]:
    a, b = mpf(a), mpf(b)
    add_cont('distUNIFORM', [a, b], lambda x, a=a, b=b: 1 / (b - a), a, b, (a, b), UNDEF)

# Laws with missing moments: the existing ones by integration, the rest named.
for nu in [4, 3, 10]:
    c = gamma((mpf(nu) + 1) / 2) / (sqrt(nu * pi) * gamma(mpf(nu) / 2))
    pdf = lambda x, nu=nu, c=c: c * (1 + x * x / nu) ** (-(mpf(nu) + 1) / 2)
    var = quad(lambda x: x * x * pdf(x), [-inf, 0, inf]) if nu > 2 else INF
    kurt = quad(lambda x: x ** 4 * pdf(x), [-inf, 0, inf]) / var ** 2 - 3 if nu > 4 else INF
    add('distSTUDENT', [nu], [0, var, sqrt(var), 0 if nu > 3 else UNDEF, kurt, 0, 0])
for d1, d2 in [(3, 4), (5, 12)]:
    c = gamma(mpf(d1 + d2) / 2) / (gamma(mpf(d1) / 2) * gamma(mpf(d2) / 2)) * (mpf(d1) / d2) ** (mpf(d1) / 2)
    pdf = lambda x, d1=d1, d2=d2, c=c: c * x ** (mpf(d1) / 2 - 1) * (1 + mpf(d1) * x / d2) ** (-mpf(d1 + d2) / 2)
    exists = [k for k in range(5) if 2 * k < d2]
    m = [quad(lambda x, k=k: x ** k * pdf(x), [0, 1, inf]) for k in exists]
    if len(m) == 5:
        s = stats_from_raw(m)
    else:  # d2 = 4: mean only
        s = [m[1], INF, INF, UNDEF, UNDEF]
    median = findroot(lambda x: quad(pdf, [0, x]) - mpf(1) / 2, (mpf('0.01'), mpf(10)), solver='anderson')
    add('distF', [d1, d2], s + [median, argmax(pdf, mpf('0.01'), mpf(5)) if d1 > 2 else 0])
for a, b in [(1.5, 1), (5, 2)]:
    pdf = lambda x, a=a, b=b: a * mpf(b) ** a / x ** (a + 1)
    if a > 4:
        s = stats_from_raw([quad(lambda x, k=k: x ** k * pdf(x), [b, inf]) for k in range(5)])
    else:
        mean = quad(lambda x: x * pdf(x), [b, inf])
        s = [mean, INF, INF, UNDEF, UNDEF]
    median = findroot(lambda x: quad(pdf, [b, x]) - mpf(1) / 2, (mpf(b), 10 * mpf(b)), solver='anderson')
    add('distPARETO', [a, b], s + [median, b])
for m_, b in [(3.2, 0.9), (0, 1)]:
    add('distCAUCHY', [m_, b], [UNDEF] * 5 + [m_, m_])

# Discrete laws by summation over the support (tails cut far below 1e-40).
for n, p in [(6, 0.56), (40, 0.1)]:
    add_disc('distBINOM', [n, p], lambda k, n=n, p=p: binomial(n, k) * mpf(p) ** k * (1 - mpf(p)) ** (n - k), 0, n)
for R, p in [(4, 0.7), (10, 0.2)]:
    add_disc('distNEGBINOM', [R, p], lambda k, R=R, p=p: binomial(R + k - 1, k) * mpf(p) ** R * (1 - mpf(p)) ** k, 0, 1500)
for lam in [2.3, 40]:
    add_disc('distPOISSON', [lam], lambda k, lam=lam: exp(-mpf(lam)) * mpf(lam) ** k / gamma(k + 1), 0, 600)
for p in [0.4, 0.05]:
    add_disc('distGEOMETRIC', [p], lambda k, p=p: mpf(p) * (1 - mpf(p)) ** k, 0, 4000)
for M, K, N in [(20, 7, 12), (50, 5, 10)]:
    add_disc('distHYPGEOMETRIC', [M, K, N],
             lambda k, M=M, K=K, N=N: binomial(K, k) * binomial(M - K, N - k) / binomial(M, N), 0, min(K, N))
for N in [5, 2]:
    add_disc('distUNIFORMD', [N], lambda k, N=N: mpf(1) / N, 1, N)

# Fermi-Dirac and Bose-Einstein (mu <= 0) normalised over x > 0; the median
# is not part of their summary (the functions have no CDF).
for dist, sign, mu, s in [('distFERMIDIRAC', 1, 1, 0.1), ('distFERMIDIRAC', 1, 2, 2),
                          ('distBOSEEINSTEIN', -1, -0.5, 1.5)]:
    f = lambda x, mu=mu, s=s, sign=sign: x ** s / (exp(x - mu) + sign)
    m = [quad(lambda x, k=k: x ** k * f(x), [0, 1, 10, inf]) for k in range(5)]
    mode = argmax(f, mpf('0.05'), mpf(20)) if s > 0 else 0
    add(dist, [mu, s], stats_from_raw(m) + [UNDEF, mode])
add('distBOSEEINSTEIN', [1, 0.1], [UNDEF] * 7)


def num(v):
    if v == INF:
        return 'TSummaryKind::skInfinite, 0'
    if v == UNDEF:
        return 'TSummaryKind::skUndefined, 0'
    v = mpf(v)
    if abs(v) < mpf(10) ** -30:  # a zero that the integration left as noise
        v = mpf(0)
    return 'TSummaryKind::skValue, ' + mp.nstr(v, 25, min_fixed=0, max_fixed=0)


out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'summary_reference.inc')
with open(out, 'w') as f:
    f.write('// Generated by summary_reference.py (mpmath, 40 digits); do not edit.\n')
    for dist, name, params, v in rows:
        ps = ', '.join(repr(float(x)) for x in params)
        f.write('{TDistType::%s, {%s}, &TSummary::%s, %s},\n' % (dist, ps, name, num(v)))
print(len(rows), 'rows to', out)
