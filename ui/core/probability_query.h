// The probability questions of the window and the command line: a tail or
// interval probability, the central interval holding q, the upper-tail
// quantile, and the law's summary, answered into the results text as lines
// that say what they are. A probability too small for the chosen decimals
// is written in scientific form, so that a p-value never reads as 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/intervals.h"
#include "model/prob_distribution.h"
#include "model/summary.h"
#include "ui/core/calc_core.h"

namespace uicore {

enum class TQueryKind : std::uint8_t { Below, Above, Between, Outside, Central, UpperP };

// A is the lower bound (below, between, outside), q (central) or p
// (upper-p); B the upper bound (above, between, outside).
struct TProbabilityQuery {
    TQueryKind Kind = TQueryKind::Between;
    double A = 0;
    double B = 0;
};

// The answer and the region it covers on the x axis: (Lower, Upper], with
// -INF or INF for an open end; for an outside region the two tails left of
// Lower and right of Upper.
struct TQueryAnswer {
    double Probability = 0;
    double Lower = 0;
    double Upper = 0;
    bool Outside = false;
};

TQueryAnswer AnswerQuery(const model::TProbDistribution& Distribution,
                         const TProbabilityQuery& Query);

// The fixed text of F(P, d), or d decimals of scientific form
// ("1.5240e-23") where the fixed text would read zero.
std::string ProbabilityText(double P, std::int32_t Decimals, char DecimalSeparator = '.');

// "P(1.2000 < X <= 3.4000) = 0.2346"; for a discrete law followed by the
// whole numbers the region holds (", i.e. X in 2..3").
std::string QueryLine(const model::TProbDistribution& Distribution, const TProbabilityQuery& Query,
                      const TQueryAnswer& Answer, char DecimalSeparator = '.');

// Header, a line naming the calculation, the answer between rules.
// Library exceptions pass through after the header.
TQueryAnswer WriteQuery(TResultsSink& Results, const model::TProbDistribution& Distribution,
                        const TProbabilityQuery& Query, char DecimalSeparator = '.');

// "value", "infinite" or "undefined".
std::string SummaryValueText(const model::TSummaryValue& Value, std::int32_t Decimals,
                             char DecimalSeparator = '.');
// "Mean = 0.0000", "Variance = 3.0000", ... one line per entry.
std::vector<std::string> SummaryLines(const model::TSummary& Summary, std::int32_t Decimals,
                                      char DecimalSeparator = '.');
// The same in one line for the chart annotation.
std::string SummaryAnnotation(const model::TSummary& Summary, std::int32_t Decimals,
                              char DecimalSeparator = '.');
// Header, "Summary of the law", the lines between rules.
void WriteSummary(TResultsSink& Results, const model::TProbDistribution& Distribution,
                  char DecimalSeparator = '.');

}  // namespace uicore
