// The points of a range calculation: t = (LB (n - i) + UB i) / n for
// i = 0 .. n - 1, computed in extended precision from the two ends and
// stored as a double. The products are exact while a bound's significant
// bits and n's fit the 64-bit significand together (any bounds up to 2048
// points, whole or short binary bounds at any count), so a point that is
// mathematically a whole number or zero is exactly that number, and the
// points rise (or fall) strictly. The upper bound itself is never a point.
#pragma once

#include <cstdint>

namespace uicore {

class TRangeSteps {
public:
    TRangeSteps(double LB, double UB, std::int32_t NumPoints)
        : FLB(LB), FUB(UB), FCount(NumPoints > 0 ? NumPoints : 0) {}

    std::int32_t Count() const { return FCount; }
    double At(std::int32_t I) const {
        // The first point is LB itself, whatever UB is (infinite, say).
        if (I == 0) return FLB;
        const long double Sum =
            static_cast<long double>(FLB) * (FCount - I) + static_cast<long double>(FUB) * I;
        return static_cast<double>(Sum / FCount);
    }

private:
    double FLB;
    double FUB;
    std::int32_t FCount;
};

}  // namespace uicore
