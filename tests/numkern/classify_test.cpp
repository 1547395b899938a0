// Classification by bit pattern and SameFloat's treatment of NaN, infinity
// and signed zero.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>

#include "numkern/numkern.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

TEST(Classify, Table) {
    struct Case {
        const char* what;
        double x;
        bool nanOrInf, nan, inf;
    };
    const Case cases[] = {
        {"+Inf", kInf, true, false, true},
        {"-Inf", -kInf, true, false, true},
        {"quiet NaN", kNaN, true, true, false},
        {"negative NaN", FromBits(0xFFF8000000000000ULL), true, true, false},
        {"signalling NaN", FromBits(0x7FF0000000000001ULL), true, true, false},
        {"NaN with high payload", FromBits(0x7FF8000100000000ULL), true, true, false},
        {"max", DBL_MAX, false, false, false},
        {"subnormal", 4.9e-324, false, false, false},
        {"-0", -0.0, false, false, false},
        {"1", 1.0, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(numkern::IsNaNOrInf(c.x), c.nanOrInf);
        EXPECT_EQ(numkern::IsNaN(c.x), c.nan);
        EXPECT_EQ(numkern::IsInf(c.x), c.inf);
    }
}

TEST(SameFloat, Table) {
    struct Case {
        double a, b;
        bool want;
    };
    const Case cases[] = {
        {kNaN, kNaN, true},     {kInf, -kInf, true}, {-kInf, kInf, true},     {1, kNaN, false},
        {kNaN, 1, false},       {kInf, kNaN, false}, {kNaN, kInf, false},     {1, kInf, false},
        {kInf, 1, false},       {0.0, -0.0, true},   {1, 1 + 0x1p-52, false}, {2.5, 2.5, true},
        {DBL_MAX, kInf, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << " vs " << c.b);
        EXPECT_EQ(numkern::SameFloat(c.a, c.b), c.want);
    }
}

}  // namespace
