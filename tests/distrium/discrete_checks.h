// Checks shared by the discrete distribution tests: masses that add up to
// the CDF, and quantiles that are the first point where the running sum of
// the masses reaches the probability.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/accuracy.h"

namespace disttest {

// Probabilities for the walking inverses, from the far tails to the centre.
inline const std::vector<double>& QuantileGrid() {
    static const std::vector<double> grid = {1e-300, 1e-12, 0.001, 0.05, 0.25, 0.5,
                                             0.75,   0.9,   0.99,  0.999999, 1 - 1e-15};
    return grid;
}

// s_k = mass(0) + ... + mass(k) for k = 0..last, each sum formed in
// extended precision and stored, as the walks add them.
inline std::vector<double> RunningSums(const std::function<double(double)>& mass, int last) {
    std::vector<double> sums;
    double s = 0;
    for (int k = 0; k <= last; ++k) {
        s = static_cast<double>(static_cast<long double>(s) + mass(k));
        sums.push_back(s);
    }
    return sums;
}

// The first k with reached(s_k), or -1 when no sum up to last reaches.
inline int FirstReaching(const std::vector<double>& sums, const std::function<bool(double)>& reached) {
    for (size_t k = 0; k < sums.size(); ++k)
        if (reached(sums[k])) return static_cast<int>(k);
    return -1;
}

// The CDF at every whole point up to last is the running sum of the masses,
// to within an absolute error (0: bit for bit).
inline void CheckCdfIsSumOfMasses(const std::string& what, const std::function<double(double)>& mass,
                                  const std::function<double(double)>& cdf, int last, double error) {
    const std::vector<double> sums = RunningSums(mass, last);
    for (int k = 0; k <= last; ++k) {
        const double want = sums[k] > 1 ? 1 : sums[k];
        if (error == 0)
            EXPECT_EQ(cdf(k), want) << what << " at " << k;
        else
            EXPECT_NEAR(cdf(k), want, error) << what << " at " << k;
    }
}

// The defining property of a quantile on a small support: inv(p) = k with
// s_k >= p > s_(k-1), the sums up to last taken from the masses.
inline void CheckQuantiles(const std::string& what, const std::function<double(double)>& mass,
                           const std::function<double(double)>& inv, int last) {
    const std::vector<double> sums = RunningSums(mass, last);
    for (double p : QuantileGrid()) {
        const int want = FirstReaching(sums, [p](double s) { return s >= p; });
        if (want < 0) continue;  // beyond the sums taken; checked elsewhere
        EXPECT_EQ(inv(p), want) << what << " at p = " << p;
    }
}

// The same property on a large support, through the library's CDF:
// CDF(k) >= p > CDF(k - 1) up to a relative tolerance.
inline void CheckQuantilesByCdf(const std::string& what, const std::function<double(double)>& cdf,
                                const std::function<double(double)>& inv, double rel) {
    for (double p : {0.001, 0.05, 0.5, 0.9, 0.999}) {
        const double k = inv(p);
        EXPECT_GE(cdf(k), p * (1 - rel)) << what << " at p = " << p << ", k = " << k;
        EXPECT_LT(cdf(k - 1), p * (1 + rel)) << what << " at p = " << p << ", k = " << k;
    }
}

}  // namespace disttest
