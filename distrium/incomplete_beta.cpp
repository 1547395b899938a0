// The beta function B(A, B) = Gamma(A) Gamma(B) / Gamma(A + B) through
// LnGamma, and the regularised incomplete beta function I_X(A, B): the
// prefactor X^A (1 - X)^B / B(A, B) in logarithms times a continued fraction
// (modified Lentz), taken on X or on 1 - X, whichever converges faster.
#include <cfloat>
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::Stored;

namespace {

// 1.797693134862315e308 read as a double (7FEFFFFFFFFFFFFB): the value of a
// beta function with a pole in A or B, four ulps below the largest double.
constexpr double PoleValue = 1.797693134862315e308;

// About 2 ms of the fraction's double steps; it needs at most about
// sqrt(max(A, B)) of them, so it converges for shapes up to some 1e9.
constexpr std::int64_t MaxIterations = 50000;

// d or u of the Lentz method, kept away from zero.
double Floored(double V) { return std::fabs(V) < numkern::MinDouble ? numkern::MinDouble : V; }

}  // namespace

double BetaFn(double A, double B) {
    const double sum = Stored(static_cast<ext>(A) + B);
    const int s = numkern::GammaSign(A) * numkern::GammaSign(B) * numkern::GammaSign(sum);
    const double lab = numkern::LnGamma(sum);
    const double la = numkern::LnGamma(A);
    const double lb = numkern::LnGamma(B);
    if (numkern::IsInf(lab)) return 0.0;
    if (numkern::IsInf(la) || numkern::IsInf(lb)) return s * PoleValue;
    return Stored(s * numkern::Exp(Stored((static_cast<ext>(la) + lb) - lab)));
}

double BetaIContFrac(double A, double B, double X) {
    const double qab = Stored(static_cast<ext>(A) + B);
    const double qap = Stored(static_cast<ext>(A) + 1);
    const double qam = Stored(static_cast<ext>(A) - 1);
    double u = 1;
    double d = Floored(Stored(1 - (static_cast<ext>(qab) * X) / qap));
    d = Stored(1.0L / d);
    double h = d;
    const std::int64_t limit = detail::IterationLimit(std::fmax(A, B), MaxIterations);
    for (std::int64_t m = 1;; ++m) {
        if (m > limit || std::isnan(h)) return numkern::NaN;
        const ext em = static_cast<ext>(m);
        const ext m2 = 2 * em;
        // Even step of the fraction.
        double aa = Stored(((B - em) * em * X) / ((qam + m2) * (A + m2)));
        d = Floored(Stored(aa * static_cast<ext>(d) + 1));
        u = Floored(Stored(aa / static_cast<ext>(u) + 1));
        d = Stored(1.0L / d);
        h = Stored(static_cast<ext>(h) * d * u);
        // Odd step.
        aa = Stored((-(A + em) * (qab + em) * X) / ((A + m2) * (qap + m2)));
        d = Floored(Stored(aa * static_cast<ext>(d) + 1));
        u = Floored(Stored(aa / static_cast<ext>(u) + 1));
        d = Stored(1.0L / d);
        const double del = Stored(static_cast<ext>(d) * u);
        h = Stored(static_cast<ext>(h) * del);
        if (std::fabs(static_cast<ext>(del) - 1) < numkern::Eps) break;
    }
    return h;
}

double BetaI(double X, double A, double B) {
    if (!(A > 0) || !(B > 0) || !(X >= 0) || !(X <= 1)) return 0.0;
    if (X == 0 || X == 1) return X;
    const double sum = Stored(static_cast<ext>(A) + B);
    ext t = (static_cast<ext>(numkern::LnGamma(sum)) - numkern::LnGamma(A)) - numkern::LnGamma(B);
    t = numkern::Ln(X) * A + t;
    t = numkern::Ln(Stored(1 - static_cast<ext>(X))) * B + t;
    const double bt = Stored(numkern::Exp(Stored(t)));
    if (X < (static_cast<ext>(A) + 1) / (static_cast<ext>(A) + B + 2))
        return Stored(bt * static_cast<ext>(BetaIContFrac(A, B, X)) / A);
    return Stored(1 - bt * static_cast<ext>(BetaIContFrac(B, A, Stored(1 - static_cast<ext>(X)))) / B);
}

}  // namespace distrium

namespace distrium::detail {

// Interim: through BetaI on whichever argument is given, until the
// two-tailed evaluation replaces it.
double IncBeta(double x, double y, double a, double b, bool Upper) {
    return Upper ? BetaI(y, b, a) : BetaI(x, a, b);
}

}  // namespace distrium::detail
