// The caption line and one "name= value" line per parameter.
#include "ui/core/results_header.h"

#include "ui/core/number_text.h"
#include "ui/core/row_formats.h"

namespace uicore {

void AppendDistributionHeader(TResultsSink& Results, const model::TProbDistribution& Distribution,
                              char DecimalSeparator) {
    const model::TProbParameters& params = Distribution.DistParams();
    const std::int32_t d = Distribution.Decimals();
    Results.AppendLine(Distribution.Caption() + " distribution");
    for (std::int32_t i = 1; i < params.Count(); ++i) {
        const model::TProbParameter& p = params.Items(i);
        Results.AppendLine(p.Name() + "= " + ParameterText(p, d, DecimalSeparator));
    }
}

}  // namespace uicore
