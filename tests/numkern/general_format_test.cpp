// FloatToGeneralStr: choice between fixed and scientific notation, rounding
// of the 18-digit expansion half up, the exponent's minimum digit count and
// the decimal separator.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "numkern/numkern.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    double x;
    int digits, precision;
    const char* want;
};

TEST(FloatToGeneralStr, Table) {
    const Case cases[] = {
        {0.1, 0, 15, "0.1"},
        {123456, 0, 15, "123456"},
        {0.00000015, 0, 15, "1.5E-7"},
        {-250000000000000000000.0, 0, 15, "-2.5E20"},
        {0.0001, 0, 15, "0.0001"},
        {0.00001, 0, 15, "1E-5"},
        {1e15, 0, 15, "1E15"},
        {1e14, 0, 15, "100000000000000"},
        {0.0, 0, 15, "0"},
        {-0.0, 0, 15, "0"},
        {-kInf, 0, 15, "-INF"},
        {kInf, 0, 15, "INF"},
        // Rounded to 15 digits, 0.1 + 0.2 loses its representation error.
        {0.1 + 0.2, 0, 15, "0.3"},
        {1.0 / 3, 0, 15, "0.333333333333333"},
        {2.0 / 3, 0, 15, "0.666666666666667"},
        {-1234.5678, 0, 15, "-1234.5678"},
        // A carry out of the first digit raises the exponent.
        {999999999999999.9, 0, 15, "1E15"},
        {99999.99999999999, 0, 15, "100000"},
        // Precision is clamped to 2..18.
        {1234.5, 0, 1, "1.2E3"},
        {1234.5, 0, -7, "1.2E3"},
        {0.1, 0, 18, "0.100000000000000006"},
        {0.1, 0, 40, "0.100000000000000006"},
        {1.0 / 3, 0, 18, "0.333333333333333315"},
        // Half up on the 18-digit string: 0.125 to two digits.
        {0.125, 0, 2, "0.13"},
        {-0.125, 0, 2, "-0.13"},
        // Exponent digits: at least Digits of them, Digits above 4 counts as 0.
        {1e20, 3, 15, "1E020"},
        {1.5e-7, 4, 15, "1.5E-0007"},
        {1e20, 5, 15, "1E20"},
        {1e20, -2, 15, "1E20"},
        {DBL_MAX, 0, 15, "1.79769313486232E308"},
        {4.9e-324, 0, 15, "4.94065645841247E-324"},
        {-DBL_MIN, 0, 15, "-2.2250738585072E-308"},
        {12345678, 0, 4, "1.235E7"},
        {1234, 0, 4, "1234"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.x << " digits " << c.digits << " precision " << c.precision);
        EXPECT_EQ(numkern::FloatToGeneralStr(c.x, c.digits, c.precision), c.want);
    }
}

TEST(FloatToGeneralStr, KernelNaNHasNoSign) {
    EXPECT_EQ(numkern::FloatToGeneralStr(numkern::NaN, 0, 15), "NAN");
    EXPECT_EQ(numkern::FloatToGeneralStr(-numkern::NaN, 0, 15), "-NAN");
}

TEST(FloatToGeneralStr, DecimalSeparator) {
    const Case cases[] = {
        {0.5, 0, 15, "0,5"},
        {-1.5e-7, 0, 15, "-1,5E-7"},
        {1234.25, 0, 15, "1234,25"},
        {42, 0, 15, "42"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(numkern::FloatToGeneralStr(c.x, c.digits, c.precision, ','), c.want);
    }
}

TEST(FloatToGeneralStr, FifteenDigitsReadBackWithinRounding) {
    for (double x : {3.141592653589793, 2.718281828459045e-200, 6.02214076e23, -1e-4}) {
        SCOPED_TRACE(x);
        const double back = std::stod(numkern::FloatToGeneralStr(x, 0, 15));
        // Half a unit in the 15th digit.
        EXPECT_NEAR(back, x, std::fabs(x) * 5e-15);
    }
}

}  // namespace
