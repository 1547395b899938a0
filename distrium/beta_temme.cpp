// Temme's uniform asymptotic expansion of the incomplete beta function for
// large shapes and x near the mean x0 = a / (a + b), where the continued
// fraction needs many steps (N. M. Temme, Special Functions, 1996, 11.3.3;
// DLMF 8.18.9-8.18.12): with r = a + b, s = sqrt(x0 (1 - x0)) and
// eta = sign(x - x0) sqrt(2 D / r), D the sum of the deviances of the
// prefix,
//   I_x(a, b) = erfc(-sqrt D) / 2 - prefix / (r s) sum_k r^-k g_k(eta),
// where g_0(eta) = (f(eta) - f(0)) / eta, g_(k+1)(eta) = (g_k'(eta) -
// g_k'(0)) / eta, and f is the density in the variable zeta of the
// exponent, -zeta^2 / 2 = x0 ln(t / x0) + (1 - x0) ln((1 - t) / (1 - x0)).
// Its Taylor coefficients are h_n(tau) / s with tau = (1 - 2 x0) / s, from
// tools/beta_temme_coefficients.py. With both shapes from 1000 on and
// |eta| sqrt(r) up to 8, six rows of twenty terms are within 1e-19, and far
// fewer are needed as the shapes grow.
#include <array>
#include <cmath>

#include "distrium/half_erfc.h"
#include "distrium/incomplete_beta.h"

namespace distrium::detail {

namespace {

constexpr ext kBetaTemme[21][11] = {
    {1.000000000000000000000e+0L},
    {-3.333333333333333333333e-1L},
    {2.500000000000000000000e-1L, 8.333333333333333333333e-2L},
    {-6.666666666666666666667e-2L, -1.481481481481481481481e-2L},
    {1.041666666666666666667e-2L, 6.944444444444444444444e-3L, 1.157407407407407407407e-3L},
    {4.761904761904761904762e-3L, 2.645502645502645502646e-3L, 3.527336860670194003527e-4L},
    {-2.604166666666666666667e-3L, -4.270833333333333333333e-3L, -1.608796296296296296296e-3L,
     -1.787551440329218106996e-4L},
    {1.587301587301587301587e-3L, 1.410934744268077601411e-3L, 4.115226337448559670782e-4L,
     3.919263178522437781697e-5L},
    {-9.765625000000000000000e-5L, -1.897321428571428571429e-4L, -1.114004629629629629630e-4L,
     -2.622538212815990593768e-5L, -2.185448510679992161474e-6L},
    {-1.803751803751803751804e-4L, -2.541285874619207952541e-4L, -1.226551226551226551227e-4L,
     -2.502983984465465946947e-5L, -1.854062210715159960702e-6L},
    {5.154079861111111111111e-5L, 1.984532962490551776266e-4L, 1.823252931573864113547e-4L,
     7.050181076374308296707e-5L, 1.244506701142962900752e-5L, 8.296711340953086005016e-7L},
    {-4.495504495504495504496e-5L, -8.450808450808450808451e-5L, -5.786805786805786805787e-5L,
     -1.871927797853723779650e-5L, -2.914882201576303085219e-6L, -1.766595273682607930436e-7L},
    {1.275602471891534391534e-6L, 5.221938641302480588195e-6L, 6.013793101854237766936e-6L,
     3.180738372985121221453e-6L, 8.715984944783032305078e-7L, 1.207413637812269744466e-7L,
     6.707853543401498580369e-9L},
    {5.827505827505827505828e-6L, 1.505284838618171951505e-5L, 1.402712513823624934736e-5L,
     6.443944715549653821259e-6L, 1.582940083168706854121e-6L, 2.001052907926860068302e-7L,
     1.026180978424030804257e-8L},
    {-1.110097087880291005291e-6L, -7.836058025848297425678e-6L, -1.274807188968507792913e-5L,
     -9.320724443007894148767e-6L, -3.649548018392832794288e-6L, -7.974875562973346293207e-7L,
     -9.202275638752041691761e-8L, -4.382036018453353186553e-9L},
    {1.267795385442444265974e-6L, 4.063834929514534689938e-6L, 4.793965735675753016022e-6L,
     2.884274100908902977879e-6L, 9.847325092215915486239e-7L, 1.938779670997386615870e-7L,
     2.058232406003277802691e-8L, 9.147699582236790234182e-10L},
    {-1.967058400418182319224e-8L, -1.429954213690185292368e-7L, -2.675301188602654479804e-7L,
     -2.365684533585466745189e-7L, -1.178876947784013739013e-7L, -3.516185207951919807487e-8L,
     -6.249807979313848016377e-9L, -6.123406558787099944051e-10L, -2.551419399494624976688e-11L},
    {-1.744604519925174502795e-7L, -7.129285546792900611621e-7L, -1.056040265226863842918e-6L,
     -8.067973205665709567855e-7L, -3.606313384686505648124e-7L, -9.846788791743425102075e-8L,
     -1.622664749712149745331e-8L, -1.486846893800358392203e-9L, -5.830772132550425067464e-11L},
    {2.483631988471567735891e-8L, 2.802564614952683167140e-7L, 7.010923883897156384122e-7L,
     8.018454183165816422503e-7L, 5.164471267619529454859e-7L, 2.036650318849171704989e-7L,
     5.042648087205660644065e-8L, 7.673888556931829517500e-9L, 6.577725965580202385797e-10L,
     2.436194802066741624369e-11L},
    {-3.523074374221850756324e-8L, -1.714549964649224626120e-7L, -3.044864969192854993049e-7L,
     -2.828948403036821163439e-7L, -1.574427050068657998139e-7L, -5.555795534137764266566e-8L,
     -1.258588643230136589456e-8L, -1.779436409654688628491e-9L, -1.432885744832540042891e-10L,
     -5.027669280114175589091e-12L},
    {3.396661996038674505471e-10L, 3.904680330846391430349e-9L, 1.074387783301917200934e-8L,
     1.400835072705831156060e-8L, 1.060738847869216889570e-8L, 5.088763498960185155650e-9L,
     1.602607815628367895235e-9L, 3.317025879858247691484e-10L, 4.357419917544018592482e-11L,
     3.301317609586840431251e-12L, 1.100439203195613477084e-13L},
};

constexpr int kRows = 6;
constexpr int kTop = 20;

// (i + 2)(i + 4)...(i + 2k): the factor that k differentiations leave on
// the term of degree i.
constexpr auto kRowFactors = [] {
    std::array<std::array<ext, kTop>, kRows> f{};
    for (int k = 0; k < kRows; ++k)
        for (int i = 0; i < kTop; ++i) {
            ext product = 1;
            for (int m = 1; m <= k; ++m) product *= i + 2 * m;
            f[k][i] = product;
        }
    return f;
}();

// Rows and terms that still count at nu = a b / (a + b), the expansion's
// effective size: its terms fall like nu^-k and (|eta| tau)^n, and with
// |eta| up to 8 / sqrt(a + b) each set is within 1e-20 of the whole table
// (checked against it in mpmath from nu = 500 to 2e8).
struct Truncation {
    int rows;
    int top;
};

Truncation TruncationFor(ext nu) {
    if (nu >= 1e8L) return {2, 6};
    if (nu >= 1e6L) return {3, 8};
    if (nu >= 1e4L) return {4, 12};
    return {kRows, kTop};
}

// sum_k r^-k g_k(eta) s over the rows and terms that count, from
// h_1(tau) .. h_top(tau).
ext CorrectionSum(ext r, ext tau, ext eta, Truncation t) {
    std::array<ext, kTop + 1> h{};
    const ext tt = tau * tau;
    for (int n = 1; n <= t.top; ++n) {
        ext p = 0;
        for (int m = n / 2; m >= 0; --m) p = p * tt + kBetaTemme[n][m];
        h[n] = n % 2 ? tau * p : p;
    }
    ext sum = 0;
    for (int k = t.rows - 1; k >= 0; --k) {
        ext row = 0;
        for (int i = t.top - 1 - 2 * k; i >= 0; --i)
            row = row * eta + h[i + 1 + 2 * k] * kRowFactors[k][i];
        sum = sum / r + row;
    }
    return sum;
}

}  // namespace

ext BetaTemmeTail(double a, double b, ext deviance, ext prefix, bool above, bool Upper) {
    const ext r = ext(a) + b;
    const ext rs = std::sqrt(ext(a) * b);
    const ext tau = (ext(b) - a) / rs;
    const ext eta = std::copysign(std::sqrt(2 * deviance / r), above ? 1.0L : -1.0L);
    const ext correction = prefix / rs * CorrectionSum(r, tau, eta, TruncationFor(rs * rs / r));
    const ext y = std::sqrt(deviance);
    // erfc(sqrt D) / 2, the leading term of the tail on the side of x away
    // from the mean.
    const ext half = y < 5 ? HalfErfc(y) : 0.5L * std::exp(-deviance) * ScaledErfc(y);
    if (above) return Upper ? half + correction : 1 - half - correction;
    return Upper ? 1 - half + correction : half - correction;
}

}  // namespace distrium::detail
