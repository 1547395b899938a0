// Moments, median and mode of the 26 laws in closed form (Johnson, Kotz and
// Balakrishnan's tables), computed in extended precision. Medians without a
// closed form come from the law's own inverse CDF at 1/2, so they agree with
// what the ICDF command prints. The moments of the Bose-Einstein and
// Fermi-Dirac densities are integrals done numerically (below).
#include "model/summary.h"

#include <cmath>
#include <limits>

#include "distrium/distrium.h"

namespace model {

namespace {

using ext = long double;
using T = TDistType;

constexpr ext kPi = 3.141592653589793238462643383279502884L;
constexpr ext kEulerGamma = 0.577215664901532860606512090082402431L;
constexpr ext kZeta3 = 1.202056903159594285399738161511449991L;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TSummaryValue Val(ext V) { return {TSummaryKind::skValue, static_cast<double>(V)}; }
TSummaryValue Infinite() { return {TSummaryKind::skInfinite, 0}; }
TSummaryValue Undefined() { return {TSummaryKind::skUndefined, 0}; }

// Every entry NaN: the answer for parameters outside the law's domain.
TSummary Invalid() {
    const TSummaryValue n = Val(kNaN);
    return {n, n, n, n, n, n, n};
}

// The four moment entries from mean, variance, skewness and excess
// kurtosis; the standard deviation follows the variance.
TSummary Moments(TSummaryValue Mean, TSummaryValue Var, TSummaryValue Skew, TSummaryValue Kurt) {
    TSummaryValue sd = Var;
    if (Var.Kind == TSummaryKind::skValue) sd.Value = std::sqrt(Var.Value);
    return {Mean, Var, sd, Skew, Kurt, Undefined(), Undefined()};
}

TSummary Moments(ext Mean, ext Var, ext Skew, ext Kurt) {
    return Moments(Val(Mean), Val(Var), Val(Skew), Val(Kurt));
}

// The entry of order k (1 mean, 2 variance, 3 skewness, 4 kurtosis) of a
// law whose moments exist below order Limit. Beyond it a moment of a law on
// a half-line diverges to +Inf; so does an even one of a symmetric law,
// while its odd ones have no value (Inf - Inf). The standardised entries
// also need a finite variance, and the variance a finite mean.
TSummaryValue Ordered(int k, ext Limit, ext Value, bool HalfLine = true) {
    if (k < Limit) return Val(Value);
    if (k > 1 && !(k - 1 < Limit || (k > 2 && 2 < Limit))) return Undefined();
    return HalfLine || k % 2 == 0 ? Infinite() : Undefined();
}

// Skewness and excess kurtosis from the raw moments m1..m4 about 0.
void FromRawMoments(ext m1, ext m2, ext m3, ext m4, ext& Var, ext& Skew, ext& Kurt) {
    Var = m2 - m1 * m1;
    const ext c3 = m3 - 3 * m1 * m2 + 2 * m1 * m1 * m1;
    const ext c4 = m4 - 4 * m1 * m3 + 6 * m1 * m1 * m2 - 3 * m1 * m1 * m1 * m1;
    Skew = c3 / (Var * std::sqrt(Var));
    Kurt = c4 / (Var * Var) - 3;
}

// Beta(a, b).
TSummary BetaSummary(ext a, ext b) {
    if (!(a > 0 && b > 0)) return Invalid();
    const ext s = a + b;
    TSummary r =
        Moments(a / s, a * b / (s * s * (s + 1)),
                2 * (b - a) * std::sqrt(s + 1) / ((s + 2) * std::sqrt(a * b)),
                6 * ((a - b) * (a - b) * (s + 1) - a * b * (s + 2)) / (a * b * (s + 2) * (s + 3)));
    r.Median = Val(distrium::BetaCDFInv(0.5, static_cast<double>(a), static_cast<double>(b)));
    if (a > 1 && b > 1)
        r.Mode = Val((a - 1) / (s - 2));
    else if ((a < 1 && b < 1) || (a == 1 && b == 1))
        r.Mode = Undefined();  // two modes at 0 and 1, or flat
    else if (a < 1 || b < 1)
        r.Mode = Val(a < 1 ? 0 : 1);  // the end where the density is infinite
    else
        r.Mode = Val(a == 1 ? 0 : 1);  // the higher end of a monotone density
    return r;
}

TSummary GammaSummary(ext a, ext b) {
    if (!(a > 0 && b > 0)) return Invalid();
    TSummary r = Moments(a * b, a * b * b, 2 / std::sqrt(a), 6 / a);
    r.Median = Val(distrium::GammaCDFInv(0.5, static_cast<double>(a), static_cast<double>(b)));
    r.Mode = Val(a >= 1 ? (a - 1) * b : 0);
    return r;
}

TSummary ChiSquareSummary(std::int32_t nu) {
    if (nu <= 0) return Invalid();
    const ext n = nu;
    TSummary r = Moments(n, 2 * n, std::sqrt(8 / n), 12 / n);
    r.Median = Val(distrium::ChiSquareCDFInv(0.5, nu));
    r.Mode = Val(nu > 2 ? n - 2 : 0);
    return r;
}

TSummary ExpSummary(ext lambda) {
    if (!(lambda > 0)) return Invalid();
    TSummary r = Moments(lambda, lambda * lambda, 2, 6);
    r.Median = Val(lambda * std::log(2.0L));
    r.Mode = Val(0);
    return r;
}

// F(nu1, nu2): the k-th moment exists for nu2 > 2k.
TSummary FSummary(std::int32_t nu1, std::int32_t nu2) {
    if (nu1 <= 0 || nu2 <= 0) return Invalid();
    const ext d1 = nu1, d2 = nu2;
    const ext var = 2 * d2 * d2 * (d1 + d2 - 2) / (d1 * (d2 - 2) * (d2 - 2) * (d2 - 4));
    const ext skew =
        (2 * d1 + d2 - 2) * std::sqrt(8 * (d2 - 4)) / ((d2 - 6) * std::sqrt(d1 * (d1 + d2 - 2)));
    const ext kurt = 12 * (d1 * (5 * d2 - 22) * (d1 + d2 - 2) + (d2 - 4) * (d2 - 2) * (d2 - 2)) /
                     (d1 * (d2 - 6) * (d2 - 8) * (d1 + d2 - 2));
    TSummary r = Moments(Ordered(1, d2 / 2, d2 / (d2 - 2)), Ordered(2, d2 / 2, var),
                         Ordered(3, d2 / 2, skew), Ordered(4, d2 / 2, kurt));
    r.Median = Val(distrium::FCDFInv(0.5, nu1, nu2));
    r.Mode = Val(nu1 > 2 ? (d1 - 2) / d1 * d2 / (d2 + 2) : 0);
    return r;
}

// Student's t: symmetric, the k-th moment exists for nu > k.
TSummary StudentSummary(ext nu) {
    if (!(nu > 0)) return Invalid();
    TSummary r = Moments(Ordered(1, nu, 0, false), Ordered(2, nu, nu / (nu - 2)),
                         Ordered(3, nu, 0, false), Ordered(4, nu, 6 / (nu - 4)));
    r.Median = Val(0);
    r.Mode = Val(0);
    return r;
}

TSummary NormalSummary(ext mu, ext sigma) {
    if (!(sigma > 0)) return Invalid();
    TSummary r = Moments(mu, sigma * sigma, 0, 0);
    r.Median = r.Mode = Val(mu);
    return r;
}

TSummary LogNormalSummary(ext mu, ext sigma) {
    if (!(sigma > 0)) return Invalid();
    const ext s2 = sigma * sigma;
    const ext w = std::exp(s2);
    TSummary r =
        Moments(std::exp(mu + s2 / 2), std::expm1(s2) * std::exp(2 * mu + s2),
                (w + 2) * std::sqrt(std::expm1(s2)), w * w * w * w + 2 * w * w * w + 3 * w * w - 6);
    r.Median = Val(std::exp(mu));
    r.Mode = Val(std::exp(mu - s2));
    return r;
}

TSummary CauchySummary(ext m, ext b) {
    if (!(b > 0)) return Invalid();
    TSummary r = Moments(Undefined(), Undefined(), Undefined(), Undefined());
    r.Median = r.Mode = Val(m);
    return r;
}

TSummary LaplaceSummary(ext m, ext b) {
    if (!(b > 0)) return Invalid();
    TSummary r = Moments(m, 2 * b * b, 0, 3);
    r.Median = r.Mode = Val(m);
    return r;
}

TSummary LogisticSummary(ext m, ext b) {
    if (!(b > 0)) return Invalid();
    TSummary r = Moments(m, kPi * kPi * b * b / 3, 0, 1.2L);
    r.Median = r.Mode = Val(m);
    return r;
}

// Gumbel law of maxima with location a and scale b; a negative b mirrors it.
TSummary LogWeibullSummary(ext a, ext b) {
    if (!(b != 0)) return Invalid();
    const ext skew = 12 * std::sqrt(6.0L) * kZeta3 / (kPi * kPi * kPi);
    TSummary r = Moments(a + kEulerGamma * b, kPi * kPi * b * b / 6, b > 0 ? skew : -skew, 2.4L);
    r.Median = Val(a - b * std::log(std::log(2.0L)));
    r.Mode = Val(a);
    return r;
}

// Pareto with shape a and lower end b: the k-th moment exists for a > k.
TSummary ParetoSummary(ext a, ext b) {
    if (!(a > 0 && b > 0)) return Invalid();
    const ext var = b * b * a / ((a - 1) * (a - 1) * (a - 2));
    const ext skew = 2 * (1 + a) / (a - 3) * std::sqrt((a - 2) / a);
    const ext kurt = 6 * (a * a * a + a * a - 6 * a - 2) / (a * (a - 3) * (a - 4));
    TSummary r = Moments(Ordered(1, a, a * b / (a - 1)), Ordered(2, a, var), Ordered(3, a, skew),
                         Ordered(4, a, kurt));
    r.Median = Val(b * std::exp2(1 / a));
    r.Mode = Val(b);
    return r;
}

TSummary RayleighSummary(ext b) {
    if (!(b > 0)) return Invalid();
    const ext c = 4 - kPi;
    TSummary r = Moments(b * std::sqrt(kPi / 2), c / 2 * b * b,
                         2 * std::sqrt(kPi) * (kPi - 3) / (c * std::sqrt(c)),
                         -(6 * kPi * kPi - 24 * kPi + 16) / (c * c));
    r.Median = Val(b * std::sqrt(2 * std::log(2.0L)));
    r.Mode = Val(b);
    return r;
}

// Maxwell with scale a, as its CDF reads it.
TSummary MaxwellSummary(ext a) {
    if (!(a > 0)) return Invalid();
    const ext c = 3 * kPi - 8;
    TSummary r = Moments(2 * a * std::sqrt(2 / kPi), a * a * c / kPi,
                         2 * std::sqrt(2.0L) * (16 - 5 * kPi) / (c * std::sqrt(c)),
                         4 * (-96 + 40 * kPi - 3 * kPi * kPi) / (c * c));
    r.Median = Val(distrium::MaxwellCDFInv(0.5, static_cast<double>(a)));
    r.Mode = Val(a * std::sqrt(2.0L));
    return r;
}

TSummary TriangularSummary(ext a, ext b, ext c) {
    if (!(a < b && a <= c && c <= b)) return Invalid();
    const ext q = a * a + b * b + c * c - a * b - a * c - b * c;
    TSummary r = Moments((a + b + c) / 3, q / 18,
                         std::sqrt(2.0L) * (a + b - 2 * c) * (2 * a - b - c) * (a - 2 * b + c) /
                             (5 * q * std::sqrt(q)),
                         -0.6L);
    r.Median = Val(2 * c >= a + b ? a + std::sqrt((b - a) * (c - a) / 2)
                                  : b - std::sqrt((b - a) * (b - c) / 2));
    r.Mode = Val(c);
    return r;
}

TSummary UniformSummary(ext a, ext b) {
    if (!(a < b)) return Invalid();
    TSummary r = Moments((a + b) / 2, (b - a) * (b - a) / 12, 0, -1.2L);
    r.Median = Val((a + b) / 2);
    r.Mode = Undefined();
    return r;
}

// Weibull with density a b x^(b-1) e^(-a x^b): scale a^(-1/b), shape b.
TSummary WeibullSummary(ext a, ext b) {
    if (!(a > 0 && b > 0)) return Invalid();
    const ext scale = std::pow(a, -1 / b);
    ext m[5];
    for (int k = 1; k <= 4; ++k)
        m[k] = std::pow(scale, static_cast<ext>(k)) * std::tgamma(1 + k / b);
    ext var, skew, kurt;
    FromRawMoments(m[1], m[2], m[3], m[4], var, skew, kurt);
    TSummary r = Moments(m[1], var, skew, kurt);
    r.Median = Val(scale * std::pow(std::log(2.0L), 1 / b));
    r.Mode = Val(b > 1 ? scale * std::pow((b - 1) / b, 1 / b) : 0);
    return r;
}

TSummary BinomSummary(std::int32_t n, ext p) {
    if (n <= 0 || !(p >= 0 && p <= 1)) return Invalid();
    const ext v = n * p * (1 - p);
    TSummary r = Moments(Val(n * p), Val(v), v > 0 ? Val((1 - 2 * p) / std::sqrt(v)) : Undefined(),
                         v > 0 ? Val((1 - 6 * p * (1 - p)) / v) : Undefined());
    r.Median = Val(distrium::BinomCDFInv(0.5, n, static_cast<double>(p)));
    r.Mode = Val(std::fmin(std::floor((n + 1) * p), static_cast<ext>(n)));
    return r;
}

// Failures before the R-th success.
TSummary NegBinomSummary(std::int32_t R, ext p) {
    if (R < 1 || !(p > 0 && p <= 1)) return Invalid();
    const ext q = 1 - p;
    TSummary r = Moments(Val(R * q / p), Val(R * q / (p * p)),
                         q > 0 ? Val((2 - p) / std::sqrt(R * q)) : Undefined(),
                         q > 0 ? Val(6.0L / R + p * p / (R * q)) : Undefined());
    r.Median = Val(distrium::NegBinomCDFInv(0.5, R, static_cast<double>(p)));
    r.Mode = Val(R > 1 ? std::floor((R - 1) * q / p) : 0);
    return r;
}

TSummary PoissonSummary(ext lambda) {
    if (!(lambda > 0)) return Invalid();
    TSummary r = Moments(lambda, lambda, 1 / std::sqrt(lambda), 1 / lambda);
    r.Median = Val(distrium::PoissonCDFInv(0.5, static_cast<double>(lambda)));
    r.Mode = Val(std::floor(lambda));
    return r;
}

// Failures before the first success.
TSummary GeometricSummary(ext p) {
    if (!(p > 0 && p <= 1)) return Invalid();
    const ext q = 1 - p;
    TSummary r =
        Moments(Val(q / p), Val(q / (p * p)), q > 0 ? Val((2 - p) / std::sqrt(q)) : Undefined(),
                q > 0 ? Val(6 + p * p / q) : Undefined());
    r.Median = Val(distrium::GeometricCDFInv(0.5, static_cast<double>(p)));
    r.Mode = Val(0);
    return r;
}

// Population M with K successes, N draws.
TSummary HypGeometricSummary(std::int32_t M, std::int32_t K, std::int32_t N) {
    if (M < 1 || K < 0 || N < 0 || K > M || N > M) return Invalid();
    const ext m = M, k = K, n = N;
    const ext var = n * k * (m - k) * (m - n) / (m * m * (m - 1));
    const bool spread = var > 0 && M > 3;
    const ext skew = (m - 2 * k) * std::sqrt(m - 1) * (m - 2 * n) /
                     (std::sqrt(n * k * (m - k) * (m - n)) * (m - 2));
    const ext kurt = ((m - 1) * m * m * (m * (m + 1) - 6 * k * (m - k) - 6 * n * (m - n)) +
                      6 * n * k * (m - k) * (m - n) * (5 * m - 6)) /
                     (n * k * (m - k) * (m - n) * (m - 2) * (m - 3));
    TSummary r = Moments(Val(n * k / m), Val(M > 1 ? var : 0), spread ? Val(skew) : Undefined(),
                         spread ? Val(kurt) : Undefined());
    r.Median = Val(distrium::HypGeometricCDFInv(0.5, M, K, N));
    r.Mode = Val(std::floor((n + 1) * (k + 1) / (m + 2)));
    return r;
}

// Values 1 .. N, each with mass 1/N.
TSummary UniformDSummary(std::int32_t N) {
    if (N < 1) return Invalid();
    const ext n2 = ext(N) * N;
    TSummary r = Moments(Val((N + 1) / 2.0L), Val((n2 - 1) / 12), N > 1 ? Val(0) : Undefined(),
                         N > 1 ? Val(-6 * (n2 + 1) / (5 * (n2 - 1))) : Undefined());
    r.Median = Val(std::ceil(N / 2.0L));
    r.Mode = N == 1 ? Val(1) : Undefined();
    return r;
}

// The integral over x > 0 of x^(s + k) / (e^(x - mu) + Sign), k = 0 .. 4,
// by the trapezoidal rule in t = ln x: the integrand then decays
// exponentially at both ends, where the rule converges geometrically. The
// step and the ends are fixed, so the work is bounded for every input.
bool PhysicsMoments(ext mu, ext s, int Sign, ext (&m)[5]) {
    constexpr ext h = 1.0L / 32;
    const ext top = std::log(std::fmax(mu, 0.0L) + 200);
    // Near 0 the integrand of order k behaves like x^(s + 1 + k) (one less
    // for Bose-Einstein at mu = 0); stop once the lowest order is 1e-30 of
    // its value at x = 1.
    const ext rate = s + 1 - (Sign < 0 && mu == 0 ? 1 : 0);
    if (!(rate > 0)) return false;
    const ext bottom = std::fmax(-70 / rate, -2000.0L);
    for (ext& v : m) v = 0;
    for (ext t = bottom; t <= top; t += h) {
        const ext x = std::exp(t);
        // expm1 keeps the Bose-Einstein denominator's digits near x = mu = 0.
        const ext d = Sign < 0 ? std::expm1(x - mu) : std::exp(x - mu) + 1;
        ext term = std::pow(x, s + 1) / d * h;  // dx = x dt
        for (ext& v : m) {
            v += term;
            term *= x;
        }
    }
    return std::isfinite(m[4]) && m[0] > 0;
}

// Bose-Einstein (Sign -1) and Fermi-Dirac (Sign +1) as the densities their
// functions give on x > 0. Bose-Einstein with mu > 0 has a pole inside the
// range, and either diverges at 0 for s <= -1: nothing to summarise then.
TSummary PhysicsSummary(ext mu, ext s, int Sign) {
    if (!std::isfinite(mu) || !std::isfinite(s)) return Invalid();
    ext m[5];
    if ((Sign < 0 && mu > 0) || !PhysicsMoments(mu, s, Sign, m)) {
        TSummary r = Moments(Undefined(), Undefined(), Undefined(), Undefined());
        return r;
    }
    ext var, skew, kurt;
    FromRawMoments(m[1] / m[0], m[2] / m[0], m[3] / m[0], m[4] / m[0], var, skew, kurt);
    TSummary r = Moments(m[1] / m[0], var, skew, kurt);
    // The mode solves s / x = e^(x-mu) / (e^(x-mu) + Sign) for s > 0, where
    // the left side falls and the right rises; bisection on a bracket.
    if (s > 0) {
        ext lo = 0, hi = std::fmax(mu, 0.0L) + s + 50;
        for (int i = 0; i < 200; ++i) {
            const ext x = (lo + hi) / 2;
            const ext e = std::exp(x - mu);
            (s / x > e / (e + Sign) ? lo : hi) = x;
        }
        r.Mode = Val((lo + hi) / 2);
    } else {
        r.Mode = Val(0);
    }
    return r;
}

}  // namespace

TSummary Summarize(const TProbDistribution& D) {
    const TProbParameters& p = D.DistParams();
    const auto v = [&p](std::int32_t i) -> ext { return p.Items(i).Value(); };
    const auto r = [&p](std::int32_t i) { return p.Items(i).AsInteger(); };
    for (std::int32_t i = 1; i < p.Count(); ++i)
        if (std::isnan(p.Items(i).Value())) return Invalid();
    switch (D.DistType()) {
        case T::distBETA: return BetaSummary(v(1), v(2));
        case T::distBINOM: return BinomSummary(r(1), v(2));
        case T::distBOSEEINSTEIN: return PhysicsSummary(v(1), v(2), -1);
        case T::distCAUCHY: return CauchySummary(v(1), v(2));
        case T::distCHISQUARE: return ChiSquareSummary(r(1));
        case T::distEXP: return ExpSummary(v(1));
        case T::distF: return FSummary(r(1), r(2));
        case T::distFERMIDIRAC: return PhysicsSummary(v(1), v(2), 1);
        case T::distGAMMA: return GammaSummary(v(1), v(2));
        case T::distGEOMETRIC: return GeometricSummary(v(1));
        case T::distHYPGEOMETRIC: return HypGeometricSummary(r(1), r(2), r(3));
        case T::distLAPLACE: return LaplaceSummary(v(1), v(2));
        case T::distLOGISTIC: return LogisticSummary(v(1), v(2));
        case T::distLOGNORMAL: return LogNormalSummary(v(1), v(2));
        case T::distLOGWEIBULL: return LogWeibullSummary(v(1), v(2));
        case T::distMAXWELL: return MaxwellSummary(v(1));
        case T::distNEGBINOM: return NegBinomSummary(r(1), v(2));
        case T::distNORMAL: return NormalSummary(v(1), v(2));
        case T::distPARETO: return ParetoSummary(v(1), v(2));
        case T::distPOISSON: return PoissonSummary(v(1));
        case T::distRAYLEIGH: return RayleighSummary(v(1));
        case T::distSTUDENT: return StudentSummary(v(1));
        case T::distTRIANGULAR: return TriangularSummary(v(1), v(2), v(3));
        case T::distUNIFORM: return UniformSummary(v(1), v(2));
        case T::distUNIFORMD: return UniformDSummary(r(1));
        case T::distWEIBULL: return WeibullSummary(v(1), v(2));
    }
    return Invalid();
}

}  // namespace model
