// Table checks shared by the distribution tests: a list of calls with the
// value each must give, and the round trip CDF(CDFInv(p)) = p over a grid.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/accuracy.h"

namespace disttest {

// One evaluated call and the value it must give; NaN matches NaN and an
// infinity the same infinity.
struct Expect {
    std::string call;
    double got;
    double want;
};

// CASE(call, want): one row of a table with the call written once; its text
// is what a failure names.
#define CASE(call, want) \
    ::disttest::Expect { #call, (call), (want) }

// Every case within eps units of DBL_EPSILON (0: the exact value).
inline void CheckAll(const std::vector<Expect>& cases, double eps = 0) {
    for (const Expect& c : cases) EXPECT_NEAR_EPS(c.got, c.want, eps) << c.call;
}

// Probabilities from the far tails to the centre.
inline const std::vector<double>& ProbabilityGrid() {
    static const std::vector<double> grid = {1e-6, 0.001, 0.01, 0.05, 0.1,  0.25,  0.5,
                                             0.6,  0.75,  0.9,  0.95, 0.99, 0.999, 0.999999};
    return grid;
}

// cdf(inv(p)) = p to within relative error rel for every p of the grid.
inline void CheckRoundTrip(const std::string& what, const std::function<double(double)>& cdf,
                           const std::function<double(double)>& inv, double rel) {
    for (double p : ProbabilityGrid()) {
        const double x = inv(p);
        EXPECT_NEAR_REL(cdf(x), p, rel) << what << " at p = " << p << ", x = " << x;
    }
}

}  // namespace disttest
