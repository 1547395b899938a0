#!/usr/bin/env python3
"""Reference values of the six discrete laws' masses, both tails and both
quantiles, from mpmath at 50 digits; writes discrete_reference.inc beside
this script (run by hand: python3 discrete_reference.py).

A tail is summed from the point away from the mean, each mass from the one
before by the ratio of neighbours, the first from log-gamma values; the
other tail is its complement (no cancellation at 50 digits). The Poisson
tails at a mean of 1e15 come from Temme's uniform expansion instead, whose
terms left out are below 1e-30 there. A quantile walks mass by mass from a
normal guess. Arguments are printed with repr() so the test uses the same
doubles."""

import math
import os
from statistics import NormalDist

from mpmath import mp, mpf, loggamma, log, exp, sqrt, erfc, pi, binomial

mp.dps = 50
SMALLEST = mpf(2) ** -1022


class Law:
    """lo, hi (hi None: unbounded), mean, sd, logmass(k), ratio(k) = m(k+1)/m(k)."""

    def mass(self, k):
        if k < self.lo or (self.hi is not None and k > self.hi):
            return mpf(0)
        return exp(self.logmass(k))

    def tail_down(self, k):
        """P(X <= k) summed from k downward."""
        if k < self.lo:
            return mpf(0)
        term = self.mass(k)
        s = mpf(0)
        j = k
        while True:
            s += term
            if j <= self.lo or term < s * mpf(10) ** -40:
                return s
            term = term / self.ratio(j - 1)
            j -= 1

    def tail_up(self, k):
        """P(X > k) summed from k + 1 upward."""
        if self.hi is not None and k >= self.hi:
            return mpf(0)
        j = max(k + 1, self.lo)
        term = self.mass(j)
        s = mpf(0)
        while True:
            s += term
            if (self.hi is not None and j >= self.hi) or term < s * mpf(10) ** -40:
                return s
            term = term * self.ratio(j)
            j += 1

    def tails(self, k):
        """(P(X <= k), P(X > k)) from one sum."""
        if k < self.mean:
            s = self.tail_down(k)
            return s, 1 - s
        s = self.tail_up(k)
        return 1 - s, s

    def cdf(self, k):
        return self.tails(k)[0]

    def ccdf(self, k):
        return self.tails(k)[1]

    def quantile(self, p, upper):
        """The smallest k with CDF(k) >= p, or with CCDF(k) <= p: from a
        Cornish-Fisher guess outward in doubling steps, then by bisection,
        each tail summed afresh (a walk subtracting masses from a tail
        would cancel far out)."""
        z = NormalDist().inv_cdf(float(p))
        if upper:
            z = -z
        guess = self.mean + self.sd * (z + self.skew * (z * z - 1) / 6)
        k = max(self.lo, math.floor(float(guess) + 0.5))
        if self.hi is not None:
            k = min(k, self.hi)

        def reached(k):
            lower, upper_tail = self.tails(k)
            return upper_tail <= p if upper else lower >= p

        step = 1
        if reached(k):
            yes = k
            while True:
                if yes <= self.lo:
                    return self.lo
                t = max(yes - step, self.lo)
                if not reached(t):
                    no = t
                    break
                yes, step = t, step * 2
        else:
            no = k
            while True:
                t = no + step if self.hi is None else min(no + step, self.hi)
                if reached(t):
                    yes = t
                    break
                no, step = t, step * 2
        while yes - no > 1:
            mid = (yes + no) // 2
            if reached(mid):
                yes = mid
            else:
                no = mid
        return yes


class Binomial(Law):
    def __init__(self, n, p):
        self.n, self.p, self.q = n, mpf(p), 1 - mpf(p)
        self.lo, self.hi = 0, n
        self.mean = n * self.p
        self.sd = sqrt(n * self.p * self.q)
        self.skew = (self.q - self.p) / self.sd

    def logmass(self, k):
        n = self.n
        return (loggamma(n + 1) - loggamma(k + 1) - loggamma(n - k + 1) + k * log(self.p)
                + (n - k) * log(self.q))

    def ratio(self, k):
        return mpf(self.n - k) / (k + 1) * self.p / self.q


class NegBinomial(Law):
    def __init__(self, R, p):
        self.R, self.p, self.q = R, mpf(p), 1 - mpf(p)
        self.lo, self.hi = 0, None
        self.mean = R * self.q / self.p
        self.sd = sqrt(R * self.q) / self.p
        self.skew = (2 - self.p) / sqrt(R * self.q)

    def tails(self, k):
        """P(X <= k) = P(Y >= R) for Y binomial in R + k trials: a sum over
        the spread of Y, far narrower than that of X for a small p."""
        upper, lower = Binomial(self.R + k, self.p).tails(self.R - 1)
        return lower, upper

    def logmass(self, k):
        R = self.R
        return loggamma(R + k) - loggamma(k + 1) - loggamma(R) + R * log(self.p) + k * log(self.q)

    def ratio(self, k):
        return mpf(self.R + k) / (k + 1) * self.q


class Poisson(Law):
    def __init__(self, lam):
        self.lam = mpf(lam)
        self.lo, self.hi = 0, None
        self.mean, self.sd = self.lam, sqrt(self.lam)
        self.skew = 1 / self.sd

    def logmass(self, k):
        return -self.lam + k * log(self.lam) - loggamma(k + 1)

    def ratio(self, k):
        return self.lam / (k + 1)


class TemmePoisson(Poisson):
    """Q(a, x) = erfc(eta sqrt(a/2)) / 2 + e^(-a eta^2 / 2) / sqrt(2 pi a) (C0 + C1 / a)
    with a = k + 1, x = lambda, l = x / a and eta^2 / 2 = l - 1 - ln l."""

    def tails(self, k):
        """(Q, P) = (P(X <= k), P(X > k)), each from its own form:
        P(a, x) = erfc(-eta sqrt(a/2)) / 2 - R."""
        a = mpf(k + 1)
        l = self.lam / a
        eta = sqrt(2 * (l - 1 - log(l)))
        if l < 1:
            eta = -eta
        if l == 1:  # the limits at eta = 0
            c0, c1 = mpf(-1) / 3, mpf(-1) / 540
        else:
            c0 = 1 / (l - 1) - 1 / eta
            c1 = 1 / eta ** 3 - 1 / (l - 1) ** 3 - 1 / (l - 1) ** 2 - 1 / (12 * (l - 1))
        r = exp(-a * eta ** 2 / 2) / sqrt(2 * pi * a) * (c0 + c1 / a)
        return erfc(eta * sqrt(a / 2)) / 2 + r, erfc(-eta * sqrt(a / 2)) / 2 - r


class Geometric(Law):
    def __init__(self, p):
        self.p, self.q = mpf(p), 1 - mpf(p)
        self.lo, self.hi = 0, None
        self.mean = self.q / self.p
        self.sd = sqrt(self.q) / self.p

    def logmass(self, k):
        return log(self.p) + k * log(self.q)

    def tails(self, k):
        return self.cdf(k), self.ccdf(k)

    def cdf(self, k):
        return 1 - self.q ** (k + 1) if k >= 0 else mpf(0)

    def ccdf(self, k):
        return self.q ** (k + 1) if k >= 0 else mpf(1)

    def quantile(self, p, upper):
        t = log(p) if upper else log(1 - mpf(p))
        k = max(0, int(mp.ceil(t / log(self.q) - 1)))
        tail = self.ccdf if upper else self.cdf
        reached = (lambda v: v <= p) if upper else (lambda v: v >= p)
        while k > 0 and reached(tail(k - 1)):
            k -= 1
        while not reached(tail(k)):
            k += 1
        return k


class HypGeometric(Law):
    def __init__(self, M, K, N):
        self.M, self.K, self.N = M, K, N
        self.lo, self.hi = max(0, N + K - M), min(N, K)
        f = mpf(K) / M
        self.mean = N * f
        self.sd = sqrt(N * f * (1 - f) * (M - N) / (M - 1))
        self.skew = ((M - 2 * K) * sqrt(mpf(M - 1)) * (M - 2 * N)
                     / (sqrt(mpf(N) * K * (M - K) * (M - N)) * (M - 2)))
        self.lnc = loggamma(M + 1) - loggamma(N + 1) - loggamma(M - N + 1)

    def logmass(self, k):
        K, M, N = self.K, self.M, self.N
        return (loggamma(K + 1) - loggamma(k + 1) - loggamma(K - k + 1) + loggamma(M - K + 1)
                - loggamma(N - k + 1) - loggamma(M - K - N + k + 1) - self.lnc)

    def ratio(self, k):
        return mpf(self.K - k) * (self.N - k) / ((k + 1) * (self.M - self.K - self.N + k + 1))


INT32_MAX = 2 ** 31 - 1
LAWS = [
    ("Binom", (20, 0.3), Binomial(20, 0.3)),
    ("Binom", (1000, 0.01), Binomial(1000, 0.01)),
    ("Binom", (10 ** 6, 0.5), Binomial(10 ** 6, 0.5)),
    ("Binom", (INT32_MAX, 0.3), Binomial(INT32_MAX, 0.3), True),
    ("NegBinom", (3, 0.4), NegBinomial(3, 0.4)),
    ("NegBinom", (1000, 0.3), NegBinomial(1000, 0.3)),
    ("NegBinom", (100000, 0.001), NegBinomial(100000, 0.001)),
    ("NegBinom", (INT32_MAX, 0.5), NegBinomial(INT32_MAX, 0.5), True),
    ("Poisson", (3.5,), Poisson(3.5)),
    ("Poisson", (700.0,), Poisson(700.0)),
    ("Poisson", (1e6,), Poisson(1e6)),
    ("Poisson", (1e9,), TemmePoisson(1e9)),
    ("Poisson", (1e15,), TemmePoisson(1e15)),
    ("Geometric", (0.3,), Geometric(0.3)),
    ("Geometric", (1e-10,), Geometric(1e-10)),
    ("HypGeometric", (50, 20, 10), HypGeometric(50, 20, 10)),
    ("HypGeometric", (10 ** 6, 4 * 10 ** 5, 10 ** 5), HypGeometric(10 ** 6, 4 * 10 ** 5, 10 ** 5)),
    ("HypGeometric", (INT32_MAX, 2 ** 30, 2 ** 30), HypGeometric(INT32_MAX, 2 ** 30, 2 ** 30), True),
]

# Points in standard deviations from the mean; probabilities of the
# quantiles. The laws marked huge, whose tails are sums over some 1e5
# masses, take fewer.
OFFSETS = [-30, -8, -3, -1, 0, 0.5, 1, 3, 8, 30]
PROBABILITIES = [1e-300, 1e-10, 0.001, 0.3, 0.5, 0.77, 0.999, 1 - 1e-9]
HUGE_OFFSETS = [0, 30]
HUGE_PROBABILITIES = [1e-100, 0.5]


def points(law, offsets):
    seen = []
    for s in offsets:
        k = math.floor(float(law.mean + s * law.sd))
        k = max(law.lo, k if law.hi is None else min(law.hi, k))
        if k not in seen:
            seen.append(k)
    return seen


def row(name, args, value):
    a = list(args) + [0] * (4 - len(args))
    return '{"%s", {%s}, %.19e},' % (name, ", ".join(repr(float(v)) for v in a), value)


def rows_for(name, params, law, huge):
    out = []
    for k in points(law, HUGE_OFFSETS if huge else OFFSETS):
        lower, upper = law.tails(k)
        for suffix, value in (("PDF", law.mass(k)), ("CDF", lower), ("CCDF", upper)):
            if name == "Poisson" and suffix == "PDF" and k > INT32_MAX:
                continue
            if value >= SMALLEST:
                # PoissonPDF takes its point first as an integer; the others a double.
                out.append(row(name + suffix, (k,) + params, value))
    for p in HUGE_PROBABILITIES if huge else PROBABILITIES:
        for suffix, upper in (("CDFInv", False), ("CCDFInv", True)):
            out.append(row(name + suffix, (p,) + params, law.quantile(mpf(p), upper)))
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    lines = ["// Generated by discrete_reference.py (mpmath, 50 digits); do not edit."]
    # The huge laws last; the file is written after each law.
    for name, params, law, *huge in sorted(LAWS, key=lambda row: len(row) > 3):
        lines += rows_for(name, params, law, bool(huge))
        with open(os.path.join(here, "discrete_reference.inc"), "w") as f:
            f.write("\n".join(lines) + "\n")
        print(name, params, flush=True)


if __name__ == "__main__":
    main()
