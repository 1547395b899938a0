// The upper tails and their inverses of the normal, log-normal, closed-form
// and Maxwell laws: CCDF(CCDFInv(q)) = q from q = 1e-300 up, where a
// complement 1 - CDF would give 0 or a few noisy bits, and the two tails
// summing to 1 in the body. The tolerance allows for the conditioning of
// the tail, |d ln CCDF / d ln x| times the rounding of x, which reaches
// a few thousand ulps at 1e-300 for the steepest laws here.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "distrium/distrium.h"
#include "tests/support/accuracy.h"

namespace {

using namespace distrium;

struct Law {
    std::string name;
    std::function<double(double)> cdf, ccdf, ccdfInv;
};

const Law kLaws[] = {
    {"normal", [](double x) { return NormalCDF(x, 1, 3); },
     [](double x) { return NormalCCDF(x, 1, 3); }, [](double q) { return NormalCCDFInv(q, 1, 3); }},
    {"log-normal", [](double x) { return LogNormalCDF(x, -2, 0.5); },
     [](double x) { return LogNormalCCDF(x, -2, 0.5); },
     [](double q) { return LogNormalCCDFInv(q, -2, 0.5); }},
    {"Cauchy", [](double x) { return CauchyCDF(x, 2, 0.5); },
     [](double x) { return CauchyCCDF(x, 2, 0.5); },
     [](double q) { return CauchyCCDFInv(q, 2, 0.5); }},
    {"Laplace", [](double x) { return LaplaceCDF(x, -1, 2); },
     [](double x) { return LaplaceCCDF(x, -1, 2); },
     [](double q) { return LaplaceCCDFInv(q, -1, 2); }},
    {"logistic", [](double x) { return LogisticCDF(x, -5, 0.3); },
     [](double x) { return LogisticCCDF(x, -5, 0.3); },
     [](double q) { return LogisticCCDFInv(q, -5, 0.3); }},
    {"log-Weibull", [](double x) { return LogWeibullCDF(x, 1, 2); },
     [](double x) { return LogWeibullCCDF(x, 1, 2); },
     [](double q) { return LogWeibullCCDFInv(q, 1, 2); }},
    {"Pareto", [](double x) { return ParetoCDF(x, 3, 2); },
     [](double x) { return ParetoCCDF(x, 3, 2); }, [](double q) { return ParetoCCDFInv(q, 3, 2); }},
    {"Rayleigh", [](double x) { return RayleighCDF(x, 4); },
     [](double x) { return RayleighCCDF(x, 4); }, [](double q) { return RayleighCCDFInv(q, 4); }},
    {"Weibull", [](double x) { return WeibullCDF(x, 0.2, 3); },
     [](double x) { return WeibullCCDF(x, 0.2, 3); },
     [](double q) { return WeibullCCDFInv(q, 0.2, 3); }},
    // Upper end 0, where x resolves the far tail.
    {"triangular", [](double x) { return TriangularCDF(x, -1, 0, -1); },
     [](double x) { return TriangularCCDF(x, -1, 0, -1); },
     [](double q) { return TriangularCCDFInv(q, -1, 0, -1); }},
    {"Maxwell", [](double x) { return MaxwellCDF(x, 2); },
     [](double x) { return MaxwellCCDF(x, 2); }, [](double q) { return MaxwellCCDFInv(q, 2); }},
};

TEST(TailRoundTrip, UpperTailInverts) {
    for (const Law& law : kLaws)
        for (double q : {1e-300, 1e-200, 1e-60, 1e-17, 3e-9, 0.01, 0.2, 0.5, 0.9}) {
            const double x = law.ccdfInv(q);
            EXPECT_NEAR_REL(law.ccdf(x), q, 2e-12) << law.name << " at q = " << q << ", x = " << x;
        }
}

TEST(TailRoundTrip, TailsSumToOne) {
    for (const Law& law : kLaws)
        for (double q : {0.02, 0.3, 0.5, 0.77, 0.98}) {
            const double x = law.ccdfInv(q);
            EXPECT_NEAR(law.cdf(x) + law.ccdf(x), 1, 4e-16) << law.name << " at x = " << x;
        }
}

// The Maxwell law is the gamma law of shape 3/2 in (x / a)^2 / 2, computed
// there by the incomplete gamma function, an independent path.
TEST(TailRoundTrip, MaxwellIsTheGammaLawOfShapeThreeHalves) {
    for (double u : {0.01, 0.4, 1.5, 3.0, 7.0, 20.0}) {
        const double t = u * u / 2;
        EXPECT_NEAR_REL(MaxwellCDF(u * 3, 3), GammaP(1.5, t), 1e-13) << "u = " << u;
        EXPECT_NEAR_REL(MaxwellCCDF(u * 3, 3), GammaQ(1.5, t), 1e-13) << "u = " << u;
    }
}

}  // namespace
