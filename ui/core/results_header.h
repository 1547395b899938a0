// The head of a block in the results text: the distribution's caption and
// its own parameters (the point x left out) at the chosen decimals; the
// rule that closes the head and the block.
#pragma once

#include <string_view>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"

namespace uicore {

// The rule under the column titles and after the last row.
inline constexpr std::string_view ResultsRule = "---------------------------------------------";

void AppendDistributionHeader(TResultsSink& Results, const model::TProbDistribution& Distribution,
                              char DecimalSeparator);

}  // namespace uicore
