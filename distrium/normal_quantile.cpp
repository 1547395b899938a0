// The standard normal quantile by Wichura's algorithm AS 241 (PPND16,
// Applied Statistics 37, 1988): a rational function in q = p - 1/2 in the
// centre and in r = sqrt(-ln p) in the tails, accurate to about 1e-16 in
// one evaluation for p down to 1e-300 and below. Evaluated in extended
// precision, so that the result carries only the approximation's error.
#include <cmath>

#include "distrium/std_normal.h"

namespace distrium::detail {

namespace {

// Horner's scheme for c[0] + c[1] t + ... + c[N-1] t^(N-1).
template <int N>
ext Poly(const ext (&c)[N], ext t) {
    ext s = c[N - 1];
    for (int i = N - 2; i >= 0; --i) s = s * t + c[i];
    return s;
}

// |q| <= 0.425, in t = 0.180625 - q^2.
constexpr ext CentralNum[] = {
    3.3871328727963666080e0L, 1.3314166789178437745e+2L, 1.9715909503065514427e+3L,
    1.3731693765509461125e+4L, 4.5921953931549871457e+4L, 6.7265770927008700853e+4L,
    3.3430575583588128105e+4L, 2.5090809287301226727e+3L};
constexpr ext CentralDen[] = {
    1.0L, 4.2313330701600911252e+1L, 6.8718700749205790830e+2L, 5.3941960214247511077e+3L,
    2.1213794301586595867e+4L, 3.9307895800092710610e+4L, 2.8729085735721942674e+4L,
    5.2264952788528545610e+3L};

// r = sqrt(-ln p) <= 5, in t = r - 1.6.
constexpr ext NearNum[] = {
    1.42343711074968357734e0L, 4.63033784615654529590e0L, 5.76949722146069140550e0L,
    3.64784832476320460504e0L, 1.27045825245236838258e0L, 2.41780725177450611770e-1L,
    2.27238449892691845833e-2L, 7.74545014278341407640e-4L};
constexpr ext NearDen[] = {
    1.0L, 2.05319162663775882187e0L, 1.67638483018380384940e0L, 6.89767334985100004550e-1L,
    1.48103976427480074590e-1L, 1.51986665636164571966e-2L, 5.47593808499534494600e-4L,
    1.05075007164441684324e-9L};

// r > 5, in t = r - 5.
constexpr ext FarNum[] = {
    6.65790464350110377720e0L, 5.46378491116411436990e0L, 1.78482653991729133580e0L,
    2.96560571828504891230e-1L, 2.65321895265761230930e-2L, 1.24266094738807843860e-3L,
    2.71155556874348757815e-5L, 2.01033439929228813265e-7L};
constexpr ext FarDen[] = {
    1.0L, 5.99832206555887937690e-1L, 1.36929880922735805310e-1L, 1.48753612908506148525e-2L,
    7.86869131145613259100e-4L, 1.84631831751005468180e-5L, 1.42151175831644588870e-7L,
    2.04426310338993978564e-15L};

}  // namespace

ext NormalQuantileCentral(ext q) {
    const ext t = 0.180625L - q * q;
    return q * Poly(CentralNum, t) / Poly(CentralDen, t);
}

ext NormalQuantileTail(double r) {
    const ext s = std::sqrt(-static_cast<ext>(std::log(r)));
    if (s <= 5) return Poly(NearNum, s - 1.6L) / Poly(NearDen, s - 1.6L);
    return Poly(FarNum, s - 5) / Poly(FarDen, s - 5);
}

ext StdNormalQuantile(double p) {
    // p - 1/2 and 1 - p are exact in extended precision.
    const ext q = ext(p) - 0.5L;
    if (std::fabs(q) <= NormalCentralBound) return NormalQuantileCentral(q);
    return q < 0 ? -NormalQuantileTail(p) : NormalQuantileTail(Stored(1 - ext(p)));
}

}  // namespace distrium::detail
