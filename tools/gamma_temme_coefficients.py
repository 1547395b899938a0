#!/usr/bin/env python3
"""Coefficients d[k][n] of Temme's uniform expansion of the incomplete gamma
ratio, C_k(eta) = sum_n d[k][n] eta^n (DLMF 8.12.8-8.12.9), in exact rational
arithmetic; prints the C++ table of distrium/gamma_temme.cpp.

lambda(eta) solves lambda - 1 - ln(lambda) = eta^2 / 2; C_0 = 1/(lambda - 1)
- 1/eta and C_k = C'_{k-1} / eta + (-1)^k g_k / (lambda - 1), where g_k (the
Stirling coefficients of Gamma) is fixed by the cancellation of the pole at
eta = 0, which the script checks against the known first values."""
from decimal import Decimal, getcontext
from fractions import Fraction as F

ROWS = 11          # C_0 .. C_10
TERMS = 26         # of C_0; each later row has two fewer
M = TERMS + 2 * ROWS + 4


def mul(a, b):
    r = [F(0)] * (M + 1)
    for i, x in enumerate(a):
        if x:
            for j, y in enumerate(b[: M + 1 - i]):
                r[i + j] += x * y
    return r


def deviance_series(mu):
    """mu - ln(1 + mu) as a series in eta, for mu a series in eta."""
    r, p = [F(0)] * (M + 1), mu[:]
    for j in range(2, M + 2):
        p = mul(p, mu)
        for i in range(M + 1):
            r[i] += F((-1) ** j, j) * p[i]
    return r


mu = [F(0)] * (M + 1)
mu[1] = F(1)
for n in range(2, M):
    # The coefficient of eta^(n+1) depends on mu_n linearly, with weight 1.
    mu[n] = -deviance_series(mu)[n + 1]
assert deviance_series(mu)[2] == F(1, 2)

# 1/mu = (1/eta) / (1 + mu_2 eta + ...)
inv = [F(1)] + [F(0)] * M
for n in range(1, M):
    inv[n] = -sum(mu[k + 1] * inv[n - k] for k in range(1, n + 1))
rows = [[inv[n + 1] for n in range(M - 1)]]
g = [F(1)]
for k in range(1, ROWS):
    prev = rows[-1]
    g.append((-1) ** (k + 1) * prev[1])
    rows.append([(n + 2) * prev[n + 2] + (-1) ** k * g[k] * rows[0][n] for n in range(len(prev) - 2)])
assert g[1:4] == [F(1, 12), F(1, 288), F(-139, 51840)]

getcontext().prec = 30
print("constexpr ext kTemme[%d][%d] = {" % (ROWS, TERMS))
for k, row in enumerate(rows):
    vals = ["%sL" % format(Decimal(c.numerator) / Decimal(c.denominator), ".20e") for c in row[: TERMS - 2 * k]]
    print("    {" + ", ".join(vals) + "},")
print("};")
