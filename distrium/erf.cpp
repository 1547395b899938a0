// The error function and its inverse, and the standard normal CDF built on
// the same approximations. erf and erfc by W. J. Cody's rational Chebyshev
// approximations (Math. Comp. 23, 1969; the coefficients of his CALERF,
// 1990): erf(x) = x A(x^2) / B(x^2) for |x| <= 0.46875, and above it
// erfc(x) = e^(-x^2) R(x), with R a rational function up to x = 4 and
// (1/sqrt(pi) - P(1/x^2) / x^2) / x beyond. They are good to about 18
// digits. The rational functions are evaluated in double (about an ulp of
// rounding; extended arithmetic costs two and a half times as much), but
// e^(-x^2) comes from an extended exponent, which keeps every result within
// a few ulps far into the tails; no result is formed as 1 - erf. The inverse
// goes through the normal quantile (Wichura's AS 241): erfinv(y) = z / sqrt 2
// with Phi(z) = (1 + y) / 2.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/extended_exp.h"
#include "distrium/internal.h"
#include "distrium/std_normal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ExpOf;
using detail::ext;
using detail::Stored;

namespace {

constexpr ext InvSqrt2 = 0.707106781186547524400844362104849039L;
constexpr ext InvSqrtPi = 0.564189583547756286948079451560772586L;

// Below this |x| erf comes from its own approximation, above it from erfc.
constexpr ext ErfBound = 0.46875L;

constexpr double ErfNum[] = {3.1611237438705656, 113.864154151050156, 377.485237685302021,
                             3209.37758913846947, 0.185777706184603153};
constexpr double ErfDen[] = {23.6012909523441209, 244.024637934444173, 1282.61652607737228,
                             2844.23683343917062};
constexpr double MidNum[] = {0.564188496988670089, 8.88314979438837594, 66.1191906371416295,
                             298.635138197400131,  881.95222124176909,  1712.04761263407058,
                             2051.07837782607147,  1230.33935479799725, 2.15311535474403846e-8};
constexpr double MidDen[] = {15.7449261107098347, 117.693950891312499, 537.181101862009858,
                             1621.38957456669019, 3290.79923573345963, 4362.61909014324716,
                             3439.36767414372164, 1230.33935480374942};
constexpr double FarNum[] = {0.305326634961232344,  0.360344899949804439,   0.125781726111229246,
                             0.0160837851487422766, 6.58749161529837803e-4, 0.0163153871373020978};
constexpr double FarDen[] = {2.56852019228982242, 1.87295284992346047, 0.527905102951428412,
                             0.0605183413124413191, 0.00233520497626869185};

// erf(x) for |x| <= ErfBound. The coefficients are listed as Cody gives
// them: the leading one last.
ext ErfCentral(double x) {
    const double t = x * x;
    double num = ErfNum[4] * t, den = t;
    for (int i = 0; i < 3; ++i) {
        num = (num + ErfNum[i]) * t;
        den = (den + ErfDen[i]) * t;
    }
    return x * (ext(num + ErfNum[3]) / (den + ErfDen[3]));
}

// e^(y^2) erfc(y) for y > ErfBound.
ext ErfcScaled(double y) {
    if (y <= 4) {
        double num = MidNum[8] * y, den = y;
        for (int i = 0; i < 7; ++i) {
            num = (num + MidNum[i]) * y;
            den = (den + MidDen[i]) * y;
        }
        return ext(num + MidNum[7]) / (den + MidDen[7]);
    }
    const double t = 1 / (y * y);
    double num = FarNum[5] * t, den = t;
    for (int i = 0; i < 4; ++i) {
        num = (num + FarNum[i]) * t;
        den = (den + FarDen[i]) * t;
    }
    return (InvSqrtPi - t * (ext(num + FarNum[4]) / (den + FarDen[4]))) / y;
}

// erfc(y) = e^(-Y2) ErfcScaled(y) for y > ErfBound, with Y2 = y^2 passed in
// so that a caller can form it from a more exact variable.
ext ErfcAbove(ext y, ext Y2) {
    if (std::isinf(y)) return 0;
    return ExpOf(-Y2) * ErfcScaled(Stored(y));
}

// erf(+-1) is infinite; the inverse answers with 1.797693134862315e308 read
// as a double (7FEFFFFFFFFFFFFB), four ulps below the largest double.
constexpr double EndValue = 1.797693134862315e308;

}  // namespace

double Erf(double X) {
    if (std::isnan(X)) return numkern::NaN;
    const ext y = std::fabs(ext(X));
    const ext r = y <= ErfBound ? ErfCentral(Stored(y)) : 1 - ErfcAbove(y, y * y);
    return Stored(X < 0 ? -r : r);
}

double ErfInv(double Y) {
    if (std::isnan(Y)) return numkern::NaN;
    if (Y == -1) return -EndValue;
    if (Y == 1) return EndValue;
    if (std::fabs(Y) > 1) numkern::RaiseOrlenError("abs(y) > 0");
    // Phi(z) = 1/2 + y/2; y/2 and (1 - |y|) / 2 are exact but for a denormal y.
    const double half = Y * 0.5;
    if (std::fabs(half) <= detail::NormalCentralBound)
        return Stored(detail::NormalQuantileCentral(half) * InvSqrt2);
    const ext z = detail::NormalQuantileTail(0.5 - std::fabs(half)) * InvSqrt2;
    return Stored(Y < 0 ? -z : z);
}

namespace detail {

ext StdNormalCDF(ext z) {
    if (std::isnan(z)) return z;
    const ext y = std::fabs(z) * InvSqrt2;
    if (y <= ErfBound) return 0.5L + 0.5L * ErfCentral(Stored(z * InvSqrt2));
    // e^(-y^2) as e^(-z^2/2): one rounding fewer in the exponent.
    const ext tail = 0.5L * ErfcAbove(y, z * z * 0.5L);
    return z < 0 ? tail : 1 - tail;
}

}  // namespace detail

}  // namespace distrium
