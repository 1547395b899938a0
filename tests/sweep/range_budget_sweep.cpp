// The memory estimate before a range under the robustness sweep: hostile
// point counts, decimals and kept rows give a finite, non-negative size and
// a question text.
#include <cmath>

#include "model/prob_distribution.h"
#include "tests/sweep/sweep.h"
#include "ui/core/range_budget.h"

#include <gtest/gtest.h>

namespace {

TEST(RangeBudgetSweep, HostileCountsDecimalsAndKeptRows) {
    for (const uicore::TCalcMode mode : {uicore::TCalcMode::PdfCdf, uicore::TCalcMode::Icdf}) {
        sweep::Run("iii", [mode](const double* args) {
            model::TProbDistribution dist;
            dist.SetCalculateSinglePoint(false);
            dist.SetNumPoints(sweep::I(args[0]));
            dist.SetDecimals(sweep::I(args[1]));
            const double bytes = uicore::CalculationBytes(dist, mode, sweep::I(args[2]));
            EXPECT_TRUE(std::isfinite(bytes) && bytes >= 0) << bytes;
            EXPECT_FALSE(uicore::ConfirmRangeText(dist.NumPoints(), bytes).empty());
            return bytes;
        });
    }
}

}  // namespace
