// Loader's saddle-point form of the binomial and Poisson masses, for the
// points where the products of their formulas leave the double range. The
// same masses from ln C(n, k) or ln k! by LnGamma would carry the rounding
// of those logarithms, an ulp of their size (2e-9 for a million trials), as
// a relative error of every mass, and a walk over many of them would sum to
// a total visibly off 1. Here nothing large cancels: the masses keep about
// 1e-15. (C. Loader, Fast and accurate computation of binomial
// probabilities, 2000.) Internal to distrium.
#pragma once

#include <array>
#include <cmath>
#include <limits>

namespace distrium::detail {

// ln n! - ln(sqrt(2 pi n) (n/e)^n) for a whole n >= 1. Up to 20, where n! is
// exact in extended precision, from n! itself; beyond, the Stirling series,
// whose first term left out is below 1e-17 there.
inline long double StirlingError(long double n) {
    constexpr long double lnSqrt2Pi = 0.918938533204672741780329736406L;
    if (n <= 20) {
        long double factorial = 1;
        for (long double i = 2; i <= n; ++i) factorial *= i;
        return std::log(factorial) - (n + 0.5L) * std::log(n) + n - lnSqrt2Pi;
    }
    // One division: the rest multiplies by the square of its reciprocal.
    const long double r = 1 / n;
    const long double rr = r * r;
    return (1.0L / 12 -
            rr * (1.0L / 360 - rr * (1.0L / 1260 - rr * (1.0L / 1680 - rr * (1.0L / 1188))))) *
           r;
}

// x ln(x / m) + m - x for x, m > 0. Near x = m the two parts cancel, so
// there it is the series d v + 2x (v^3/3 + v^5/5 + ...) in d = x - m and
// v = d / (x + m).
inline long double Deviance(long double x, long double m) {
    const long double d = x - m;
    if (std::fabs(d) < 0.1L * (x + m)) {
        const long double v = d / (x + m);
        const long double vv = v * v;
        long double s = d * v;
        long double term = 2 * x * v;
        // |v| < 0.1: each term is below a hundredth of the one before, so the
        // sum settles within a dozen terms. The reciprocals of the odd
        // numbers are taken from a table: a division a term was most of a
        // mass's cost.
        static constexpr auto inverseOdd = [] {
            std::array<long double, 12> t{};
            for (int i = 0; i < 12; ++i) t[i] = 1.0L / (2 * i + 3);
            return t;
        }();
        for (const long double inverse : inverseOdd) {
            term *= vv;
            const long double next = s + term * inverse;
            if (next == s) break;
            s = next;
        }
        return s;
    }
    return x * std::log(x / m) + m - x;
}

}  // namespace distrium::detail

namespace distrium::detail {

// StirlingError(n) for a whole n >= 0 without logarithms: a table up to 20
// (mpmath, 25 digits), the series beyond. Every saddle-point mass takes
// three of them.
inline long double StirlingErrorWhole(long double n) {
    static constexpr long double table[] = {
        0.0L,
        0.08106146679532725821967026L,
        0.04134069595540929409382208L,
        0.02767792568499833914878929L,
        0.02079067210376509311152277L,
        0.01664469118982119216319487L,
        0.01387612882307074799874573L,
        0.01189670994589177009505572L,
        0.01041126526197209649747857L,
        0.009255462182712732917728637L,
        0.008330563433362871256469319L,
        0.007573675487951840794972024L,
        0.006942840107209529865664153L,
        0.006408994188004207068439631L,
        0.005951370112758847735624416L,
        0.00555473355196280137103869L,
        0.005207655919609640440717997L,
        0.004901395948434737860716818L,
        0.004629153749334028592427213L,
        0.004385560249232324268287736L,
        0.004166319691996922457462923L,
    };
    // Through double: an extended-to-int conversion reloads the x87 control
    // word, which costs more than the rest of the lookup.
    if (n <= 20) return table[static_cast<int>(static_cast<double>(n))];
    return StirlingError(n);
}

// e^x to about an ulp of a double through the double exponential, several
// times faster than the extended one: e^hi (1 + lo) with hi the double
// nearest x and lo = x - hi exact, below half an ulp of hi (the limits 0
// and +Inf at x = -Inf and +Inf).
inline long double ExpOfExtended(long double x) {
    const double hi = static_cast<double>(x);
    if (std::isinf(hi)) return std::exp(hi);
    return std::exp(hi) * (1 + (x - hi));
}

// The binomial mass C(n, x) p^x q^(n-x) at a whole 0 <= x <= n, q = 1 - p
// given on its own, in Loader's form, as e^lnPart sqrt(root): the ends as
// powers taken in logarithms, the points between as e^-(deviances)
// sqrt(n / (2 pi x (n-x))) with Stirling's errors. Nothing large cancels,
// so the mass keeps about 1e-15 relative at any n. The parts are kept apart
// for the hypergeometric mass, a quotient of three of them that takes one
// exponential and one root for all.
struct SaddleMass {
    long double lnPart;
    long double root;
};

inline SaddleMass LoaderBinomialParts(long double x, long double n, long double p, long double q) {
    constexpr long double none = -std::numeric_limits<long double>::infinity();
    if (p == 0) return {x == 0 ? 0 : none, 1};
    if (q == 0) return {x == n ? 0 : none, 1};
    if (x == 0) return {n * std::log1p(-p), 1};
    if (x == n) return {n * std::log(p), 1};
    const long double lnMass = StirlingErrorWhole(n) - StirlingErrorWhole(x) -
                               StirlingErrorWhole(n - x) - Deviance(x, n * p) -
                               Deviance(n - x, n * q);
    constexpr long double twoPi = 6.283185307179586476925286766559L;
    return {lnMass, n / (twoPi * x * (n - x))};
}

// The mass itself; it underflows to 0 only below the double range.
inline long double LoaderBinomialMass(long double x, long double n, long double p, long double q) {
    const SaddleMass m = LoaderBinomialParts(x, n, p, q);
    return ExpOfExtended(m.lnPart) * std::sqrt(static_cast<double>(m.root));
}

}  // namespace distrium::detail
