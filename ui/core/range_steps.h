// The sample points of a range calculation: step = (UB - LB) / n and
// t = i * step + LB, each computed in extended precision and stored as a
// double, for i = 0 .. n - 1. The upper bound itself is never a sample.
#pragma once

#include <cstdint>

namespace uicore {

class TRangeSteps {
public:
    TRangeSteps(double LB, double UB, std::int32_t NumPoints)
        : FLB(LB), FCount(NumPoints > 0 ? NumPoints : 0) {
        // With no points the step is never used, so it is not computed.
        if (FCount > 0)
            FStep = static_cast<double>((static_cast<long double>(UB) - LB) / FCount);
    }

    std::int32_t Count() const { return FCount; }
    double Step() const { return FStep; }
    double At(std::int32_t I) const {
        return static_cast<double>(static_cast<long double>(I) * FStep + FLB);
    }

private:
    double FLB;
    std::int32_t FCount;
    double FStep = 0.0;
};

}  // namespace uicore
