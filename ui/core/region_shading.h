// The outline of a shaded region under the PDF: the parts of an answered
// region inside the chart's x range, and for each part the points of the
// density over it (steps of the mass at each whole number for a discrete
// law), from the baseline up, ready to fill.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/core/probability_query.h"

namespace uicore {

struct TOutlinePoint {
    double X, Y;
};

// The parts of Answer's region within [ViewMin, ViewMax]: one for an
// interval or tail, up to two for an outside region; none when the region
// misses the view or the bounds are not numbers.
std::vector<std::pair<double, double>> VisibleSpans(const TQueryAnswer& Answer, double ViewMin,
                                                    double ViewMax);

// The density over [From, To]: Samples + 1 evenly spaced points (at least
// 2), or for a discrete law a step of width 1 around each whole number in
// the span (at most MaxSteps of them). Non-finite densities count as 0. The
// point x (item 0) is restored afterwards.
inline constexpr std::int32_t MaxSteps = 2000;
std::vector<TOutlinePoint> DensityOutline(const model::TProbDistribution& Distribution, double From,
                                          double To, std::int32_t Samples = 200);

}  // namespace uicore
