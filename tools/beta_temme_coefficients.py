#!/usr/bin/env python3
"""Coefficients of Temme's uniform expansion of the incomplete beta function
for large shapes (DLMF 8.18.9-8.18.12), in exact rational arithmetic; prints
the C++ table of distrium/beta_temme.cpp.

With x0 = a / (a + b), s = sqrt(x0 (1 - x0)), tau = (1 - 2 x0) / s and
t - x0 = s v, the exponent of the integrand is
  -zeta^2 / 2 = sum_{j>=2} (-1)^(j+1) U_{j-1}(tau) v^j / j,
U_m the polynomials U_0 = 0, U_1 = 1, U_{m+1} = tau U_m + U_{m-1}. Writing
zeta = v E(v), the density in zeta is f(zeta) = H(zeta) / s with
H(zeta) = zeta / v(zeta) = E(v(zeta)), whose coefficients h_n(tau) follow
by Lagrange inversion: h_0 = 1, h_1 = E_1, h_n = -[v^n] E^(1-n) / (n - 1).
Each h_n has the parity of n, so the table lists h_n(tau) / tau^(n mod 2)
as a polynomial in tau^2, lowest power first."""
from fractions import Fraction as Fr
from decimal import Decimal, getcontext

N = 20  # h_0 .. h_N


def padd(p, q):
    r = [Fr(0)] * max(len(p), len(q))
    for i, x in enumerate(p):
        r[i] += x
    for i, x in enumerate(q):
        r[i] += x
    return r


def pscale(p, c):
    return [x * c for x in p]


def pmul(p, q):
    if not p or not q:
        return []
    r = [Fr(0)] * (len(p) + len(q) - 1)
    for i, x in enumerate(p):
        if x:
            for j, y in enumerate(q):
                r[i + j] += x * y
    return r


def smul(a, b):
    """Product of two series in v whose coefficients are polynomials in tau."""
    r = [[] for _ in range(N + 1)]
    for i, x in enumerate(a):
        if any(x):
            for j in range(N + 1 - i):
                if any(b[j]):
                    r[i + j] = padd(r[i + j], pmul(x, b[j]))
    return r


U = [[Fr(0)], [Fr(1)]]
for m in range(1, N + 4):
    U.append(padd(pmul([Fr(0), Fr(1)], U[m]), U[m - 1]))
# zeta^2 = v^2 (1 + W(v)), W_m = 2 (-1)^j U_{j-1} / j with j = m + 2.
W = [[Fr(0)]] + [pscale(U[m + 1], Fr(2 * (-1) ** (m + 2), m + 2)) for m in range(1, N + 1)]
E = [[Fr(1)]]  # E = sqrt(1 + W)
for n in range(1, N + 1):
    acc = W[n]
    for i in range(1, n):
        acc = padd(acc, pscale(pmul(E[i], E[n - i]), Fr(-1)))
    E.append(pscale(acc, Fr(1, 2)))
Einv = [[Fr(1)]]
for n in range(1, N + 1):
    acc = []
    for i in range(1, n + 1):
        acc = padd(acc, pmul(E[i], Einv[n - i]))
    Einv.append(pscale(acc, Fr(-1)))
h = [[Fr(1)], E[1]]
power = Einv  # E^(1-n) for n = 2
for n in range(2, N + 1):
    h.append(pscale(power[n], Fr(-1, n - 1)))
    power = smul(power, Einv)

# The first ones against DLMF 8.18.12: c_0(0) = tau / 3 = -s h_1 / s.
assert h[1] == [0, Fr(-1, 3)] and h[2] == [Fr(1, 4), 0, Fr(1, 12)]

getcontext().prec = 30
print("constexpr ext kBetaTemme[%d][%d] = {" % (N + 1, N // 2 + 1))
for n, p in enumerate(h):
    even = [c for i, c in enumerate(p) if i % 2 == n % 2]
    while even and even[-1] == 0:
        even.pop()
    text = ", ".join(format(Decimal(c.numerator) / Decimal(c.denominator), ".21e") + "L" for c in even)
    print("    {%s}," % text)
print("};")
