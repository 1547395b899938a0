// Checks shared by the discrete distribution tests: the tails summed from
// the masses in long double (a path independent of the incomplete beta and
// gamma functions the library's tails use), the quantiles against their
// definition at fixed and random probabilities, and the mpmath reference
// table of the six laws.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/accuracy.h"
#include "tests/support/reference_table.h"

namespace disttest {

// A law through its mass at whole points of lo..hi (hi may be +Inf) and its
// mean. Each tail is summed from the point away from the mean, where the
// masses fall off, until they no longer count; the other is 1 minus it.
struct MassSums {
    std::function<double(double)> mass;
    double lo, hi, mean;

    long double Down(double k) const {
        long double s = 0;
        for (double j = std::fmin(k, hi); j >= lo; --j) {
            const long double m = mass(j);
            s += m;
            if (j < mean && m <= s * 1e-21L) break;
        }
        return s;
    }
    long double Up(double k) const {
        long double s = 0;
        for (double j = std::fmax(k + 1, lo); j <= hi; ++j) {
            const long double m = mass(j);
            s += m;
            if (j > mean && m <= s * 1e-21L) break;
        }
        return s;
    }
    double Cdf(double k) const { return static_cast<double>(k < mean ? Down(k) : 1 - Up(k)); }
    double Ccdf(double k) const { return static_cast<double>(k < mean ? 1 - Down(k) : Up(k)); }
};

// Probabilities from the far tails to the centre, and random ones (fixed
// seed), uniform and log-uniform down to 1e-300.
inline const std::vector<double>& QuantileGrid() {
    static const std::vector<double> grid = [] {
        std::vector<double> g = {1e-300, 1e-12, 0.001, 0.05,     0.25,     0.5,
                                 0.75,   0.9,   0.99,  0.999999, 1 - 1e-15};
        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> unit(0, 1);
        for (int i = 0; i < 12; ++i) g.push_back(unit(random));
        for (int i = 0; i < 8; ++i) g.push_back(std::pow(10.0, -300 * unit(random)));
        return g;
    }();
    return grid;
}

// The definition of both quantiles: cdf(k - 1) < p <= cdf(k) for k = inv(p)
// and ccdf(k) <= p < ccdf(k - 1) for k = cinv(p), the tails taken through
// an independent path, to within rel of p (a tail within rounding of p may
// fall on either side).
inline void CheckQuantileDefinition(const std::string& what,
                                    const std::function<double(double)>& cdf,
                                    const std::function<double(double)>& ccdf,
                                    const std::function<double(double)>& inv,
                                    const std::function<double(double)>& cinv, double rel) {
    for (double p : QuantileGrid()) {
        const double k = inv(p);
        EXPECT_GE(cdf(k), p * (1 - rel)) << what << " CDFInv at p = " << p << ", k = " << k;
        EXPECT_LT(cdf(k - 1), p * (1 + rel)) << what << " CDFInv at p = " << p << ", k = " << k;
        const double c = cinv(p);
        EXPECT_LE(ccdf(c), p * (1 + rel)) << what << " CCDFInv at p = " << p << ", k = " << c;
        EXPECT_GT(ccdf(c - 1), p * (1 - rel)) << what << " CCDFInv at p = " << p << ", k = " << c;
    }
}

// Ties: a quantile compares the library's own smaller tail with p (with
// 1 - p above 1/2), so a probability up to 1/2 that is exactly the tail at k
// answers k (unless the mass at k is lost in rounding, and an earlier point
// has the same tail).
inline void CheckQuantilesInvertOwnTails(const std::string& what,
                                         const std::function<double(double)>& cdf,
                                         const std::function<double(double)>& ccdf,
                                         const std::function<double(double)>& inv,
                                         const std::function<double(double)>& cinv,
                                         const std::vector<double>& points) {
    for (double k : points) {
        const double c = cdf(k);
        if (c > 0 && c <= 0.5 && cdf(k - 1) < c) {
            EXPECT_EQ(inv(c), k) << what << " CDFInv(CDF(" << k << "))";
        }
        const double u = ccdf(k);
        if (u > 0 && u <= 0.5 && ccdf(k - 1) > u) {
            EXPECT_EQ(cinv(u), k) << what << " CCDFInv(CCDF(" << k << "))";
        }
    }
}

inline const std::vector<testsupport::RefRow>& DiscreteReference() {
    static const std::vector<testsupport::RefRow> rows = {
#include "tests/distrium/data/discrete_reference.inc"
    };
    return rows;
}

// The rows of the reference table whose function name begins with law:
// the quantiles' rows, or the masses' and tails'.
inline std::vector<testsupport::RefRow> ReferenceRows(const std::string& law, bool quantiles) {
    std::vector<testsupport::RefRow> out;
    for (const testsupport::RefRow& r : DiscreteReference()) {
        const std::string name = r.Function;
        if (name.rfind(law, 0) == 0 && (name.find("Inv") != std::string::npos) == quantiles)
            out.push_back(r);
    }
    return out;
}

}  // namespace disttest
