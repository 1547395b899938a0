#include "tests/sweep/sweep.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <chrono>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "numkern/numkern.h"

namespace sweep {
namespace {

// A guard against hangs, not a speed target: the sanitized Debug build
// runs the same loops about ten times slower.
#ifdef QUANTIVA_SANITIZE
constexpr double kLimitSeconds = 5.0;
#else
constexpr double kLimitSeconds = 0.5;
#endif

const std::vector<double>& RealValues() {
    static const std::vector<double> values = {
        +0.0,
        -0.0,
        4.9e-324,
        -4.9e-324,
        1e-300,
        0.5,
        1.0,
        -1.0,
        2.5,
        7.0,
        1e6,
        -1e6,
        1e300,
        -1e300,
        DBL_MAX,
        -DBL_MAX,
        INFINITY,
        -INFINITY,
        std::numeric_limits<double>::quiet_NaN(),
    };
    return values;
}

const std::vector<double>& IntValues() {
    static const std::vector<double> values = {
        0, 1, -1, 2, 5, 1000, 1000000, INT32_MAX, INT32_MIN,
    };
    return values;
}

std::string Describe(std::string_view kinds, const std::vector<double>& args) {
    std::ostringstream out;
    out.precision(17);
    out << '(';
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (k) out << ", ";
        if (kinds[k] == 'i')
            out << I(args[k]);
        else
            out << args[k];
    }
    out << ')';
    return out.str();
}

}  // namespace

void Run(std::string_view kinds, const Call& f) {
    std::vector<const std::vector<double>*> sets;
    for (char kind : kinds) sets.push_back(kind == 'i' ? &IntValues() : &RealValues());

    std::vector<size_t> index(kinds.size(), 0);
    std::vector<double> args(kinds.size());
    double slowest = 0.0;
    std::string slowestArgs;
    for (;;) {
        for (size_t k = 0; k < kinds.size(); ++k) args[k] = (*sets[k])[index[k]];

        const auto start = std::chrono::steady_clock::now();
        try {
            (void)f(args.data());
        } catch (const numkern::EOrlenException&) {
            // An allowed answer: the iteration did not converge.
        } catch (const std::exception& e) {
            ADD_FAILURE() << Describe(kinds, args) << " threw " << e.what();
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > slowest) {
            slowest = seconds;
            slowestArgs = Describe(kinds, args);
        }
        EXPECT_LE(seconds, kLimitSeconds) << Describe(kinds, args);

        size_t k = 0;
        while (k < index.size() && ++index[k] == sets[k]->size()) index[k++] = 0;
        if (k == index.size()) break;
    }
    ::testing::Test::RecordProperty("slowest_seconds", std::to_string(slowest));
    ::testing::Test::RecordProperty("slowest_args", slowestArgs);
}

}  // namespace sweep
