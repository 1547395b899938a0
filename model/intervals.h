// Tail and interval probabilities of the chosen law and its central
// interval: P(X <= a), P(X > b), P(a < X <= b), P(X <= a or X > b), each
// taken from whichever of the CDF and the upper tail keeps its digits, and
// the two-tailed critical values holding probability q between them.
#pragma once

#include <cstdint>

#include "model/prob_distribution.h"

namespace model {

enum class TRegion : std::uint8_t { rgBelow, rgAbove, rgBetween, rgOutside };

// True for the six laws on the whole numbers.
bool IsDiscrete(TDistType Type);

// The probability of the region with bounds A (below, between, outside) and
// B (above, between, outside). A between with A >= B holds nothing, an
// outside with A >= B everything. The point x (item 0) is used as the
// evaluation point and restored afterwards; library exceptions pass through
// (with x restored).
double RegionProbability(const TProbDistribution& D, TRegion Region, double A, double B);

struct TCentralInterval {
    double Lower = 0;  // ICDF((1 - Q) / 2)
    double Upper = 0;  // ICCDF((1 - Q) / 2)
};

// The interval with probability (1 - Q) / 2 in each tail; NaN bounds for a
// Q outside 0..1.
TCentralInterval CentralInterval(const TProbDistribution& D, double Q);

}  // namespace model
