// The memory estimate that decides when Calculate asks first: against the
// bytes the core's output really takes, at its edges and for absurd counts,
// and the texts around long ranges.
#include "ui/core/range_budget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/recording_sinks.h"
#include "tests/support/scripted_dialog.h"

namespace {

using model::TDistType;
using uicore::CalculationBytes;
using uicore::RangeBytes;
using uicore::TCalcMode;

using testsupport::TByteCounter;

// In range mode the ICDF button asks nothing: a dialog with no answers
// fails the test if it is asked.
testsupport::TScriptedDialog NoQuestion;

// The estimate prices a range at least as dear as its plain contents and
// at most twice as dear (it allows for containers growing), for ranges of
// several kinds of number. The header lines count on the side of the
// contents: a few dozen bytes in thousands of rows.
TEST(RangeBudget, EstimateBracketsTheOutputsRealSize) {
    struct Case {
        TDistType Type;
        double LB, UB;
        TCalcMode Mode;
        std::int32_t Decimals;
    };
    const Case Cases[] = {
        {TDistType::distNORMAL, -5, 5, TCalcMode::PdfCdf, 4},
        {TDistType::distNORMAL, -5, 5, TCalcMode::PdfCdf, 16},
        {TDistType::distNORMAL, 0, 1, TCalcMode::Icdf, 4},
        {TDistType::distNORMAL, 0, 1, TCalcMode::Icdf, 16},
        {TDistType::distPOISSON, 0, 200, TCalcMode::PdfCdf, 8},  // large x: scientific form
        {TDistType::distEXP, 0, 1, TCalcMode::Icdf, 2},
    };
    constexpr std::int32_t Points = 2000;
    for (const Case& C : Cases) {
        model::TProbDistribution Dist;
        TByteCounter Counter;
        uicore::TQuantivaCore Core(Dist, Counter, Counter);
        Dist.SetDistType(C.Type);
        Dist.SetLB(C.LB);
        Dist.SetUB(C.UB);
        Dist.SetNumPoints(Points);
        Dist.SetDecimals(C.Decimals);
        if (C.Mode == TCalcMode::Icdf) Core.GetpValue(NoQuestion);
        Core.Calculate();
        const double Estimate = CalculationBytes(Dist, Core.Mode(), 0);
        EXPECT_GE(Estimate, Counter.Bytes) << static_cast<int>(C.Type) << " d=" << C.Decimals;
        EXPECT_LE(Estimate, Counter.Bytes * 2.0) << static_cast<int>(C.Type) << " d=" << C.Decimals;
    }
}

TEST(RangeBudget, RangeBytesGrowWithRowsDecimalsAndSeries) {
    EXPECT_EQ(RangeBytes(0, 4, TCalcMode::PdfCdf), 0);
    EXPECT_EQ(RangeBytes(-7, 4, TCalcMode::PdfCdf), 0);
    EXPECT_DOUBLE_EQ(RangeBytes(1000, 4, TCalcMode::PdfCdf),
                     1000 * RangeBytes(1, 4, TCalcMode::PdfCdf));
    EXPECT_GT(RangeBytes(1, 16, TCalcMode::PdfCdf), RangeBytes(1, 4, TCalcMode::PdfCdf));
    EXPECT_GT(RangeBytes(1, 4, TCalcMode::PdfCdf), RangeBytes(1, 4, TCalcMode::Icdf));
    // The fixed text writes 2 to 18 decimals whatever the model holds.
    EXPECT_EQ(RangeBytes(1, -100, TCalcMode::PdfCdf), RangeBytes(1, 2, TCalcMode::PdfCdf));
    EXPECT_EQ(RangeBytes(1, 1000, TCalcMode::PdfCdf), RangeBytes(1, 18, TCalcMode::PdfCdf));
}

TEST(RangeBudget, WhenCalculateAsksFirst) {
    model::TProbDistribution Dist;
    Dist.SetCalculateSinglePoint(false);
    Dist.SetDecimals(4);
    const double PerRow = RangeBytes(1, 4, TCalcMode::PdfCdf);
    const auto AtLimit = static_cast<std::int32_t>(std::floor(uicore::ConfirmAboveBytes / PerRow));
    struct Case {
        const char* Name;
        bool Single;
        std::int32_t NumPoints;
        std::int64_t Kept;
        bool Asks;
    };
    const Case Cases[] = {
        {"the default range", false, 50, 0, false},
        {"a million points", false, 1000000, 0, false},
        {"just within the budget", false, AtLimit, 0, false},
        {"one point over it", false, AtLimit + 1, 0, true},
        {"the largest typed count", false, 2147483647, 0, true},
        {"no points", false, 0, 0, false},
        {"a negative count", false, -2147483647 - 1, 0, false},
        {"single point, any count", true, 2147483647, 0, false},
        {"within the budget with the rows kept", false, AtLimit / 2, AtLimit / 2, false},
        {"over it only with the rows kept", false, AtLimit / 2, AtLimit, true},
    };
    for (const Case& C : Cases) {
        Dist.SetCalculateSinglePoint(C.Single);
        Dist.SetNumPoints(C.NumPoints);
        const double Bytes = CalculationBytes(Dist, TCalcMode::PdfCdf, C.Kept);
        EXPECT_TRUE(std::isfinite(Bytes)) << C.Name;
        EXPECT_EQ(uicore::NeedsConfirmation(Bytes), C.Asks) << C.Name;
    }
}

TEST(RangeBudget, Texts) {
    struct Case {
        std::string Text, Expected;
    };
    const Case Cases[] = {
        {uicore::CancelledText(3, 10), "Calculation cancelled after 3 of 10 points."},
        {uicore::CancelledText(999999, 1000000),
         "Calculation cancelled after 999999 of 1000000 points."},
        {uicore::ConfirmRangeText(2147483647, 3.2e11),
         "A range of 2147483647 points needs about 320.0 GB of memory for the results and the "
         "chart, and takes long to calculate. Calculate it anyway?"},
        {uicore::ConfirmRangeText(9000000, 9.9e8),
         "A range of 9000000 points needs about 990 MB of memory for the results and the chart, "
         "and takes long to calculate. Calculate it anyway?"},
    };
    for (const Case& C : Cases) EXPECT_EQ(C.Text, C.Expected);
}

}  // namespace
