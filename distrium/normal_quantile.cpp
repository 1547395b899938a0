// The standard normal quantile by Wichura's algorithm AS 241 (PPND16,
// Applied Statistics 37, 1988): a rational function in q = p - 1/2 in the
// centre and in r = sqrt(-ln p) in the tails, accurate to about 1e-16 in
// one evaluation for p down to 1e-300 and below. The rational functions are
// evaluated in double, whose rounding adds about an ulp: extended
// arithmetic would save that ulp at two and a half times the cost.
#include <cmath>

#include "distrium/std_normal.h"

namespace distrium::detail {

namespace {

// Horner's scheme for c[0] + c[1] t + ... + c[N-1] t^(N-1).
template <int N>
double Poly(const double (&c)[N], double t) {
    double s = c[N - 1];
    for (int i = N - 2; i >= 0; --i) s = s * t + c[i];
    return s;
}

// |q| <= 0.425, in t = 0.180625 - q^2.
constexpr double CentralNum[] = {3.3871328727963666080e0,  1.3314166789178437745e+2,
                                 1.9715909503065514427e+3, 1.3731693765509461125e+4,
                                 4.5921953931549871457e+4, 6.7265770927008700853e+4,
                                 3.3430575583588128105e+4, 2.5090809287301226727e+3};
constexpr double CentralDen[] = {1.0,
                                 4.2313330701600911252e+1,
                                 6.8718700749205790830e+2,
                                 5.3941960214247511077e+3,
                                 2.1213794301586595867e+4,
                                 3.9307895800092710610e+4,
                                 2.8729085735721942674e+4,
                                 5.2264952788528545610e+3};

// r = sqrt(-ln p) <= 5, in t = r - 1.6.
constexpr double NearNum[] = {1.42343711074968357734e0,  4.63033784615654529590e0,
                              5.76949722146069140550e0,  3.64784832476320460504e0,
                              1.27045825245236838258e0,  2.41780725177450611770e-1,
                              2.27238449892691845833e-2, 7.74545014278341407640e-4};
constexpr double NearDen[] = {1.0,
                              2.05319162663775882187e0,
                              1.67638483018380384940e0,
                              6.89767334985100004550e-1,
                              1.48103976427480074590e-1,
                              1.51986665636164571966e-2,
                              5.47593808499534494600e-4,
                              1.05075007164441684324e-9};

// r > 5, in t = r - 5.
constexpr double FarNum[] = {6.65790464350110377720e0,  5.46378491116411436990e0,
                             1.78482653991729133580e0,  2.96560571828504891230e-1,
                             2.65321895265761230930e-2, 1.24266094738807843860e-3,
                             2.71155556874348757815e-5, 2.01033439929228813265e-7};
constexpr double FarDen[] = {1.0,
                             5.99832206555887937690e-1,
                             1.36929880922735805310e-1,
                             1.48753612908506148525e-2,
                             7.86869131145613259100e-4,
                             1.84631831751005468180e-5,
                             1.42151175831644588870e-7,
                             2.04426310338993978564e-15};

}  // namespace

ext NormalQuantileCentral(double q) {
    const double t = 0.180625 - q * q;
    return q * (ext(Poly(CentralNum, t)) / Poly(CentralDen, t));
}

ext NormalQuantileTail(double r) {
    const double s = std::sqrt(-std::log(r));
    if (s <= 5) return ext(Poly(NearNum, s - 1.6)) / Poly(NearDen, s - 1.6);
    return ext(Poly(FarNum, s - 5)) / Poly(FarDen, s - 5);
}

namespace {

// One Newton step on the tail that holds p, in extended precision: the
// rational functions, evaluated in double, are good to about two ulps of z,
// the step brings z to a fraction of one. The tail beyond z is Phi(-|z|),
// and 1 - p is exact in extended precision.
ext Refined(ext z, double p) {
    const bool upper = z > 0;
    const ext t = upper ? -z : z;
    const ext tail = upper ? 1 - ext(p) : ext(p);
    constexpr ext InvSqrt2Pi = 0.398942280401432677939946059934381868L;
    const ext density = std::exp(-t * t / 2) * InvSqrt2Pi;
    if (!(density > 0)) return z;
    const ext step = (StdNormalCDF(t) - tail) / density;
    return upper ? z + step : z - step;
}

}  // namespace

ext StdNormalQuantile(double p) {
    // p - 1/2 is exact from p = 1/4 up and 1 - p from 1/2 up.
    const double q = p - 0.5;
    if (std::fabs(q) <= NormalCentralBound) return Refined(NormalQuantileCentral(q), p);
    return Refined(q < 0 ? -NormalQuantileTail(p) : NormalQuantileTail(Stored(1 - ext(p))), p);
}

}  // namespace distrium::detail
