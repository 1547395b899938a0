// The model and the number text under the robustness sweep: every type's
// PDF, CDF and ICDF with hostile values in every parameter (the integer ones
// through AsInteger), and F(v, d) for hostile values and decimals.
#include <string>

#include "model/prob_distribution.h"
#include "tests/sweep/sweep.h"
#include "ui/core/number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelSweep, EveryTypeThroughTheDispatch) {
    for (int type = 0; type < model::DistTypeCount; ++type) {
        model::TProbDistribution dist;
        dist.SetDistType(static_cast<model::TDistType>(type));
        model::TProbParameters& params = dist.DistParams();
        const std::int32_t count = params.Count();
        sweep::Run(std::string(static_cast<std::size_t>(count), 'r'), [&](const double* args) {
            for (std::int32_t i = 0; i < count; ++i) params.Items(i).SetValue(args[i]);
            // The inverse never reads x, so x's value serves as its P.
            return dist.PDF() + dist.CDF() + dist.ICDF(args[0]);
        });
    }
}

TEST(ModelSweep, FixedTextOfHostileValues) {
    sweep::Run("ri", [](const double* args) {
        char text[uicore::FixedTextMax];
        const std::size_t length = uicore::FixedTextTo(text, args[0], sweep::I(args[1]));
        EXPECT_LE(length, uicore::FixedTextMax);
        return static_cast<double>(length);
    });
}

}  // namespace
