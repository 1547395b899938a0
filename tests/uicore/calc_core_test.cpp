// The window's commands without widgets: Calculate's lines and points in
// both modes, single point and range, the failure and cancel paths, Clear,
// the ICDF dialog and the chart-tab rule.
#include "ui/core/calc_core.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/support/recording_sinks.h"
#include "ui/core/number_text.h"
#include "ui/core/range_steps.h"

namespace {

using model::TDistType;
using uicore::FixedText;
using uicore::TCalcMode;
using uicore::TQuantivaCore;

const std::string Rule(45, '-');

using Point = testsupport::TRecordedPoint;
using Recorder = testsupport::TRecorder;

// Answers the input dialog and remembers what it was asked.
struct Dialog : uicore::TInputDialog {
    std::string answer;
    bool cancel = false;
    int calls = 0;
    std::string caption, prompt, shown;
    std::string InputQuery(const std::string& c, const std::string& p,
                           const std::string& d) override {
        ++calls;
        caption = c;
        prompt = p;
        shown = d;
        return cancel ? d : answer;
    }
};

struct Fixture : ::testing::Test {
    model::TProbDistribution dist;
    Recorder out;
    TQuantivaCore core{dist, out, out};

    std::string Row(double a, double b) const {
        return FixedText(a, dist.Decimals()) + "\t\t" + FixedText(b, dist.Decimals());
    }
    std::string Row(double a, double b, double c) const {
        return Row(a, b) + "\t\t" + FixedText(c, dist.Decimals());
    }
};

using CalcCore = Fixture;

TEST_F(CalcCore, ConstructorSetsTheWindowsStartState) {
    EXPECT_EQ(dist.Decimals(), 4);
    EXPECT_EQ(dist.LB(), 0.0);
    EXPECT_EQ(dist.UB(), 1.0);
    EXPECT_EQ(dist.NumPoints(), 50);
    EXPECT_FALSE(dist.CalculateSinglePoint());
    EXPECT_EQ(dist.DistType(), TDistType::distBETA);
    EXPECT_EQ(core.Mode(), TCalcMode::PdfCdf);
    EXPECT_EQ(core.PValue(), 0.0);
    EXPECT_TRUE(core.ClearAfterEachCalculation());
    EXPECT_TRUE(core.ChartTabVisible());
    EXPECT_EQ(core.DecimalSeparator(), '.');
}

// The start-up range: 6 header lines, 50 rows from 0 to 0.98, the rule.
TEST_F(CalcCore, DefaultRangeGivesTheFiftySevenLines) {
    const double x = dist.DistParams().Items(0).Value();
    const auto outcome = core.Calculate();
    ASSERT_EQ(out.lines.size(), 57u);
    const std::vector<std::string> header = {
        "Beta distribution",     "a= 1.0000", "b= 0.2000", "Calculating PDF and CDF",
        "x\t\tPDF(x)\t\tCDF(x)", Rule};
    for (std::size_t i = 0; i < header.size(); ++i) EXPECT_EQ(out.lines[i], header[i]);
    for (int i = 0; i < 50; ++i) {
        const double t = i / 50.0;
        const std::string& line = out.lines[6 + static_cast<std::size_t>(i)];
        EXPECT_EQ(line, Row(t, distrium::BetaPDF(t, 1, 0.2), distrium::BetaCDF(t, 1, 0.2))) << i;
        EXPECT_EQ(line.substr(0, line.find('\t')), FixedText(i / 50.0, 4));
    }
    EXPECT_EQ(out.lines[55].substr(0, 6), "0.9800");
    EXPECT_EQ(out.lines[56], Rule);
    EXPECT_FALSE(outcome.Cancelled);
    EXPECT_EQ(outcome.Rows, 50);
    // x is left as it was.
    EXPECT_EQ(dist.DistParams().Items(0).Value(), x);
    // Every finite point went to the chart, PDF to series 0 and CDF to 1.
    std::vector<Point> want;
    for (int i = 0; i < 50; ++i) {
        const double t = i / 50.0;
        const double pdf = distrium::BetaPDF(t, 1, 0.2), cdf = distrium::BetaCDF(t, 1, 0.2);
        if (std::isfinite(pdf)) want.push_back({0, t, pdf});
        if (std::isfinite(cdf)) want.push_back({1, t, cdf});
    }
    EXPECT_EQ(want.size(), 100u);
    ASSERT_EQ(out.points.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(out.points[i].series, want[i].series) << i;
        EXPECT_EQ(out.points[i].x, want[i].x) << i;
        EXPECT_EQ(out.points[i].y, want[i].y) << i;
    }
}

TEST_F(CalcCore, RowsAndPointsAreThePointsOfTheRange) {
    dist.SetDistType(TDistType::distUNIFORM);
    dist.SetLB(0.1);
    dist.SetUB(0.7);
    dist.SetNumPoints(7);
    core.Calculate();
    const uicore::TRangeSteps steps(0.1, 0.7, 7);
    ASSERT_EQ(out.Count(0), 7u);
    for (std::int32_t i = 0; i < 7; ++i) {
        EXPECT_EQ(out.points[2 * static_cast<std::size_t>(i)].x, steps.At(i));
        EXPECT_EQ(out.lines[6 + static_cast<std::size_t>(i)].substr(0, 6),
                  FixedText(steps.At(i), 4));
    }
}

// The hypergeometric range whose row 2.0000 used to be 2.0000000000000004
// and print NAN NAN: whole points are whole, and the masses are there.
TEST_F(CalcCore, DiscreteRangeHitsTheWholePoints) {
    dist.SetDistType(TDistType::distHYPGEOMETRIC);
    dist.DistParams().Items(1).SetValue(10);  // M
    dist.DistParams().Items(2).SetValue(4);   // K
    dist.DistParams().Items(3).SetValue(5);   // N
    dist.SetLB(-3);
    dist.SetUB(3);
    dist.SetNumPoints(30);  // -3, -2.8, ..., 2.8: 2 at i = 25
    core.Calculate();
    const std::string& two = out.lines[7 + 25];  // 7 header lines
    EXPECT_EQ(two, Row(2, distrium::HypGeometricPDF(2, 10, 4, 5),
                       distrium::HypGeometricCDF(2, 10, 4, 5)));
    EXPECT_EQ(two.find("NAN"), std::string::npos) << two;
}

TEST_F(CalcCore, NoPointsGivesHeaderAndTwoRules) {
    for (const std::int32_t n : {0, -1, -2147483647 - 1}) {
        dist.SetNumPoints(n);
        const auto outcome = core.Calculate();
        ASSERT_EQ(out.lines.size(), 7u) << n;
        EXPECT_EQ(out.lines[4], "x\t\tPDF(x)\t\tCDF(x)");
        EXPECT_EQ(out.lines[5], Rule);
        EXPECT_EQ(out.lines[6], Rule);
        EXPECT_TRUE(out.points.empty());
        EXPECT_EQ(outcome.Rows, 0);
    }
}

TEST_F(CalcCore, ReversedAndEmptyRanges) {
    dist.SetDistType(TDistType::distUNIFORM);
    const struct {
        double lb, ub;
        std::vector<const char*> xs;
    } cases[] = {
        {1.0, 0.0, {"1.0000", "0.7500", "0.5000", "0.2500"}},
        {2.0, 2.0, {"2.0000", "2.0000", "2.0000", "2.0000"}},
        {-1.0, 1.0, {"-1.0000", "-0.5000", "0.0000", "0.5000"}},
    };
    for (const auto& c : cases) {
        dist.SetLB(c.lb);
        dist.SetUB(c.ub);
        dist.SetNumPoints(4);
        core.Calculate();
        ASSERT_EQ(out.lines.size(), 6u + 4u + 1u);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(out.lines[6 + i].substr(0, out.lines[6 + i].find('\t')), c.xs[i]) << c.lb;
    }
}

TEST_F(CalcCore, SinglePointPdfCdf) {
    dist.SetDistType(TDistType::distNORMAL);
    dist.DistParams().Items(0).SetValue(1.25);
    dist.SetDecimals(6);
    core.CalculationChoiceClicked(0);
    const auto outcome = core.Calculate();
    ASSERT_EQ(out.lines.size(), 8u);
    EXPECT_EQ(out.lines[0], "Normal distribution");
    EXPECT_EQ(out.lines[1], "mu= 0.000000");
    EXPECT_EQ(out.lines[2], "sigma= 1.000000");
    EXPECT_EQ(out.lines[6],
              Row(1.25, distrium::NormalPDF(1.25, 0, 1), distrium::NormalCDF(1.25, 0, 1)));
    EXPECT_EQ(out.lines[7], Rule);
    EXPECT_TRUE(out.points.empty());
    EXPECT_EQ(outcome.Rows, 1);
    EXPECT_EQ(dist.DistParams().Items(0).Value(), 1.25);
}

TEST_F(CalcCore, SinglePointIcdfBeforeAnyP) {
    dist.SetDistType(TDistType::distEXP);
    core.CalculationChoiceClicked(0);
    Dialog dialog;
    dialog.cancel = true;
    core.GetpValue(dialog);
    core.Calculate();
    ASSERT_EQ(out.lines.size(), 7u);
    EXPECT_EQ(out.lines[2], "Calculating x(p)");
    EXPECT_EQ(out.lines[3], "p\t\tx(p)");
    EXPECT_EQ(out.lines[5], "0.0000\t\t" + FixedText(distrium::ExpCDFInv(0, 4.3), 4));
    EXPECT_TRUE(out.points.empty());
}

// ICDF over a range: the bounds are probabilities, x stays, only series 0
// gets points, and NaN or infinite results are written but not plotted.
TEST_F(CalcCore, IcdfRangeWritesSpecialValuesAndSkipsTheirPoints) {
    dist.SetDistType(TDistType::distEXP);
    dist.SetLB(0.5);
    dist.SetUB(1.5);
    dist.SetNumPoints(4);  // p = 0.5, 0.75, 1 (+Inf), 1.25 (NaN)
    Dialog dialog;
    core.GetpValue(dialog);
    EXPECT_EQ(dialog.calls, 0);
    core.Calculate();
    ASSERT_EQ(out.lines.size(), 10u);
    EXPECT_EQ(out.lines[5], Row(0.5, distrium::ExpCDFInv(0.5, 4.3)));
    EXPECT_EQ(out.lines[7], "1.0000\t\tINF");
    EXPECT_EQ(out.lines[8], "1.2500\t\tNAN");
    EXPECT_EQ(out.lines[9], Rule);
    EXPECT_EQ(out.Count(0), 2u);
    EXPECT_EQ(out.Count(1), 0u);
    EXPECT_EQ(dist.DistParams().Items(0).Value(), 2.5);
}

TEST_F(CalcCore, NanAndInfinitePdfRowsAreWrittenButNotPlotted) {
    dist.SetDistType(TDistType::distNORMAL);
    dist.DistParams().Items(2).SetValue(-1.0);  // sigma <= 0: NaN everywhere
    dist.SetNumPoints(3);
    core.Calculate();
    ASSERT_EQ(out.lines.size(), 10u);
    EXPECT_EQ(out.lines[2], "sigma= -1.0000");
    EXPECT_EQ(out.lines[6], "0.0000\t\tNAN\t\tNAN");
    EXPECT_TRUE(out.points.empty());
}

TEST_F(CalcCore, ParameterLinesUseTheFixedText) {
    dist.SetDistType(TDistType::distBINOM);
    dist.DistParams().Items(1).SetValue(10);
    dist.DistParams().Items(2).SetValue(12345);
    dist.SetNumPoints(0);
    core.Calculate();
    EXPECT_EQ(out.lines[0], "Binomial distribution");
    EXPECT_EQ(out.lines[1], "n= 10");  // an integer parameter
    EXPECT_EQ(out.lines[2], "p= 12345.0000");
}

TEST_F(CalcCore, DecimalSeparatorReachesEveryNumber) {
    TQuantivaCore comma(dist, out, out, ',');
    dist.SetDistType(TDistType::distUNIFORM);
    dist.SetNumPoints(2);
    comma.Calculate();
    EXPECT_EQ(out.lines[1], "a= -2,1000");
    EXPECT_EQ(out.lines[6].substr(0, 8), "0,0000\t\t");
    EXPECT_EQ(out.lines[7].substr(0, 8), "0,5000\t\t");
}

TEST_F(CalcCore, BlocksAccumulateWithoutClearing) {
    core.SetClearAfterEachCalculation(false);
    dist.SetDistType(TDistType::distUNIFORM);  // finite everywhere
    dist.SetNumPoints(5);
    core.Calculate();
    core.Calculate();
    EXPECT_EQ(out.lines.size(), 2u * 12u);
    EXPECT_EQ(out.lines[12], "Uniform distribution");
    EXPECT_EQ(out.points.size(), 20u);
    EXPECT_EQ(out.lineClears, 0);

    core.SetClearAfterEachCalculation(true);
    core.Calculate();
    EXPECT_EQ(out.lines.size(), 12u);
    EXPECT_EQ(out.points.size(), 10u);
}

TEST_F(CalcCore, ClearEmptiesTextAndBothSeriesInOrder) {
    core.Calculate();
    core.Clear();
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(out.points.empty());
    EXPECT_EQ(out.pointClears, (std::vector<std::int32_t>{0, 1, 0, 1}));
}

// A progress hook that cancels after a given number of rows.
struct StopAfter : uicore::TCalcProgress {
    std::int64_t limit;
    std::vector<std::pair<std::int64_t, std::int64_t>> calls;
    explicit StopAfter(std::int64_t n) : limit(n) {}
    bool Continue(std::int64_t done, std::int64_t total) override {
        calls.emplace_back(done, total);
        return done < limit;
    }
};

TEST_F(CalcCore, ProgressIsToldEveryRowAndCanCancel) {
    dist.SetDistType(TDistType::distUNIFORM);
    dist.SetNumPoints(10);
    // Cancel after `limit` rows; from the last row on there is nothing left
    // to cancel and the block ends with its rule as usual.
    const struct {
        std::int64_t limit;
        bool cancelled;
        std::size_t rows;
    } cases[] = {{1, true, 1}, {3, true, 3}, {9, true, 9}, {10, false, 10}, {100, false, 10}};
    for (const auto& c : cases) {
        StopAfter stop(c.limit);
        const auto outcome = core.Calculate(&stop);
        ASSERT_EQ(stop.calls.size(), c.rows) << c.limit;
        for (std::size_t i = 0; i < c.rows; ++i)
            EXPECT_EQ(stop.calls[i],
                      std::make_pair(static_cast<std::int64_t>(i + 1), std::int64_t{10}));
        EXPECT_EQ(outcome.Cancelled, c.cancelled) << c.limit;
        EXPECT_EQ(outcome.Rows, static_cast<std::int64_t>(c.rows)) << c.limit;
        const std::size_t closing = c.cancelled ? 0 : 1;
        ASSERT_EQ(out.lines.size(), 6 + c.rows + closing) << c.limit;
        EXPECT_EQ(out.lines.back() == Rule, !c.cancelled) << c.limit;
        EXPECT_EQ(out.points.size(), 2 * c.rows) << c.limit;
    }
}

TEST_F(CalcCore, IcdfDialogStoresTypedP) {
    core.CalculationChoiceClicked(0);
    Dialog dialog;
    dialog.answer = " 0.25 ";
    core.GetpValue(dialog);
    EXPECT_EQ(dialog.calls, 1);
    EXPECT_EQ(dialog.caption, "Set p");
    EXPECT_EQ(dialog.prompt, "Valid range: 0<=p<=1");
    EXPECT_EQ(dialog.shown, "0.0000");
    EXPECT_EQ(core.PValue(), 0.25);
    EXPECT_EQ(core.Mode(), TCalcMode::Icdf);
    EXPECT_FALSE(core.ChartTabVisible());
    // The value is not checked against the prompt's range.
    dialog.answer = "7";
    core.GetpValue(dialog);
    EXPECT_EQ(core.PValue(), 7.0);
}

TEST_F(CalcCore, IcdfCancelKeepsPExactly) {
    core.CalculationChoiceClicked(0);
    Dialog dialog;
    // Cancel, and OK on the text as shown, keep p; an edit replaces it.
    struct Case {
        const char* before;
        std::int32_t decimals;
        bool cancel;
        const char* answer;
        const char* shown;
        double after;
    };
    const Case cases[] = {{"0.975", 2, true, "", "0.97", 0.975},
                          {"0.12345", 4, false, "0.1235", "0.1235", 0.12345},
                          {"0.12345", 4, false, "0.12350", "0.1235", 0.1235}};
    for (const Case& c : cases) {
        dialog.cancel = false;
        dialog.answer = c.before;
        core.GetpValue(dialog);
        dist.SetDecimals(c.decimals);
        dialog.cancel = c.cancel;
        dialog.answer = c.answer;
        core.GetpValue(dialog);
        EXPECT_EQ(dialog.shown, c.shown) << c.before;
        EXPECT_EQ(core.PValue(), c.after) << c.before;
    }
}

TEST_F(CalcCore, IcdfBadTextLeavesPAndTheTab) {
    dist.SetCalculateSinglePoint(true);  // as the frame would, without the rule
    ASSERT_TRUE(core.ChartTabVisible());
    Dialog dialog;
    dialog.answer = "abc";
    try {
        core.GetpValue(dialog);
        ADD_FAILURE() << "abc accepted";
    } catch (const uicore::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
        EXPECT_EQ(uicore::ErrorBoxText(e.what()), "'abc' is not a valid floating point value.");
    }
    EXPECT_EQ(core.PValue(), 0.0);
    EXPECT_TRUE(core.ChartTabVisible());
}

TEST_F(CalcCore, ChartTabRule) {
    Dialog dialog;
    dialog.answer = "0.5";
    // Range, ICDF pressed: hidden; PDF+CDF pressed: visible again.
    core.GetpValue(dialog);
    EXPECT_FALSE(core.ChartTabVisible());
    core.PdfCdfPressed();
    EXPECT_TRUE(core.ChartTabVisible());
    EXPECT_EQ(core.Mode(), TCalcMode::PdfCdf);
    // Single value: hidden; PDF+CDF pressed shows it even so.
    core.CalculationChoiceClicked(0);
    EXPECT_TRUE(dist.CalculateSinglePoint());
    EXPECT_FALSE(core.ChartTabVisible());
    core.PdfCdfPressed();
    EXPECT_TRUE(core.ChartTabVisible());
    // Back to range in PDF+CDF mode: visible; in ICDF mode: hidden.
    core.CalculationChoiceClicked(1);
    EXPECT_FALSE(dist.CalculateSinglePoint());
    EXPECT_TRUE(core.ChartTabVisible());
    core.GetpValue(dialog);
    core.CalculationChoiceClicked(1);
    EXPECT_FALSE(core.ChartTabVisible());
}

}  // namespace
