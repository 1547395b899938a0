// The points of a range: n of them from LB, the upper bound left out, in
// order, and every point that is mathematically a whole number (zero
// included) exactly that number. Bounds are given as whole numbers over a
// power of two, so the exact point (LB (n - i) + UB i) / n is a fraction of
// integers that the test can divide exactly.
#include "ui/core/range_steps.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(RangeSteps, WholePointsLandExactly) {
    struct Case {
        long long LBTimes, UBTimes, Denominator;  // LB = LBTimes / Denominator
        std::int32_t N;
    };
    const Case Cases[] = {
        {-4, 4, 1, 80},             // 0.1 apart: the middle row is 0, not 4.4e-16
        {-4, 4, 1, 90},             // no step divides evenly; -4 and 0 still land
        {-5, 5, 1, 1000000},        // the window benchmark's range
        {0, 10, 1, 20},             // a discrete law's range, halves between
        {2, 12, 1, 25},             // 2, 2.4, 2.8, 3.2, 3.6, 4, ...
        {-3, 6, 1, 7},              // whole points only at the ends
        {-5, 5, 2, 10},             // -2.5 .. 2.5 by halves
        {-1000, 1000, 1, 2000000},  // thousandths
        {3, -3, 1, 12},             // downwards
        {7, 7, 1, 3},               // LB = UB
        {-2147483647, 2147483647, 1, 2147},
    };
    for (const Case& C : Cases) {
        const double LB = static_cast<double>(C.LBTimes) / static_cast<double>(C.Denominator);
        const double UB = static_cast<double>(C.UBTimes) / static_cast<double>(C.Denominator);
        const uicore::TRangeSteps Steps(LB, UB, C.N);
        ASSERT_EQ(Steps.Count(), C.N);
        EXPECT_EQ(Steps.At(0), LB) << LB << ".." << UB;
        const long long Whole = C.Denominator * C.N;
        for (std::int32_t I = 0; I < C.N; ++I) {
            const long long Num = C.LBTimes * (C.N - I) + C.UBTimes * I;
            const double T = Steps.At(I);
            if (Num % Whole == 0) {
                ASSERT_EQ(T, static_cast<double>(Num / Whole))
                    << LB << ".." << UB << " n=" << C.N << " i=" << I;
                if (Num == 0) {
                    ASSERT_FALSE(std::signbit(T)) << "a zero point has no sign";
                }
            } else {
                const long double Exact = static_cast<long double>(Num) / Whole;
                ASSERT_LE(std::fabs(T - Exact), std::fabs(Exact) * 0x1p-52L)
                    << LB << ".." << UB << " i=" << I;
            }
            if (I > 0 && LB != UB) {
                ASSERT_TRUE(LB < UB ? T > Steps.At(I - 1) : T < Steps.At(I - 1));
            }
        }
        if (LB != UB) {
            EXPECT_NE(Steps.At(C.N - 1), UB) << "the upper bound is never a point";
        }
    }
}

TEST(RangeSteps, NoPointsForACountBelowOne) {
    for (const std::int32_t N : {0, -1, -2147483647 - 1})
        EXPECT_EQ(uicore::TRangeSteps(0, 1, N).Count(), 0);
}

// Bounds at the ends of the doubles, infinite and NaN: no trap, no
// overflow in between, NaN stays NaN.
TEST(RangeSteps, ExtremeBounds) {
    const uicore::TRangeSteps Wide(-1e308, 1e308, 4);
    EXPECT_EQ(Wide.At(0), -1e308);
    EXPECT_EQ(Wide.At(2), 0.0);
    EXPECT_EQ(Wide.At(3), 5e307);
    const uicore::TRangeSteps Infinite(0, INFINITY, 3);
    EXPECT_EQ(Infinite.At(0), 0.0);
    EXPECT_EQ(Infinite.At(1), INFINITY);
    EXPECT_TRUE(std::isnan(uicore::TRangeSteps(NAN, 1, 2).At(1)));
}

}  // namespace
