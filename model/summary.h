// The summary of a law at its current parameters: mean, variance, standard
// deviation, skewness, excess kurtosis, median and mode, in closed form
// where one exists. A moment that diverges is "infinite"; one that has no
// value (a symmetric law with both tails too heavy, a flat density without a
// single mode) is "undefined". Invalid parameters give NaN values, as the
// distribution functions do.
#pragma once

#include <cstdint>

#include "model/prob_distribution.h"

namespace model {

enum class TSummaryKind : std::uint8_t { skValue, skInfinite, skUndefined };

struct TSummaryValue {
    TSummaryKind Kind = TSummaryKind::skUndefined;
    double Value = 0;  // meaningful for skValue only
};

struct TSummary {
    TSummaryValue Mean, Variance, StdDev, Skewness, ExcessKurtosis, Median, Mode;
};

// The summary of D's law; the point x (item 0) plays no part. Median and
// mode of a discrete law are whole numbers: the median is the smallest k
// with P(X <= k) >= 1/2, the mode the point of greatest mass (the larger of
// two tied points; none where all masses are equal).
// Bose-Einstein and Fermi-Dirac are summarised as the densities their
// functions give, normalised over x > 0 where that integral is finite.
// The inverse CDF behind a median may raise the library's exception.
TSummary Summarize(const TProbDistribution& D);

}  // namespace model
