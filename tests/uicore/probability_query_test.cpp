// The texts of the probability questions: a probability that would read 0
// turns scientific, each region says what it is (with the whole numbers of
// a discrete law), the central interval and upper quantile lines, the
// written block, and the summary as lines and as one annotation line.
#include "ui/core/probability_query.h"

#include "tests/support/recording_sinks.h"
#include "ui/core/region_shading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using model::TDistType;
using uicore::TQueryKind;

TEST(ProbabilityText, ScientificOnlyWhereFixedReadsZero) {
    struct Case {
        double P;
        int D;
        char Sep;
        const char* Want;
    };
    const Case cases[] = {
        {1.5239706048321052e-23, 4, '.', "1.5240e-23"},
        {1.5239706048321052e-23, 2, ',', "1,52e-23"},
        {0.00004, 4, '.', "4.0000e-05"},
        {0.00006, 4, '.', "0.0001"},
        {0.95000420970355913, 4, '.', "0.9500"},
        {0.0, 4, '.', "0.0000"},
        {1.0, 4, '.', "1.0000"},
        {NAN, 4, '.', "NAN"},
        {9.99999e-10, 3, '.', "1.000e-09"},
    };
    for (const Case& c : cases) EXPECT_EQ(uicore::ProbabilityText(c.P, c.D, c.Sep), c.Want);
}

using Recorder = testsupport::TRecorder;

TEST(QueryLine, SaysWhatItIs) {
    struct Case {
        TDistType Type;
        TQueryKind Kind;
        double A, B;
        const char* Want;
    };
    // Normal(0, 1), Poisson(2.3) and Uniform(-2.1, 3.5) at their defaults.
    const Case cases[] = {
        {TDistType::distNORMAL, TQueryKind::Between, -1.96, 1.96,
         "P(-1.9600 < X <= 1.9600) = 0.9500"},
        {TDistType::distNORMAL, TQueryKind::Above, 0, 10, "P(X > 10.0000) = 7.6199e-24"},
        {TDistType::distUNIFORM, TQueryKind::Below, 0.7, 0, "P(X <= 0.7000) = 0.5000"},
        {TDistType::distUNIFORM, TQueryKind::Outside, -1.54, 2.94,
         "P(X <= -1.5400 or X > 2.9400) = 0.2000"},
        {TDistType::distPOISSON, TQueryKind::Between, 2, 5,
         "P(2.0000 < X <= 5.0000) = 0.3740, i.e. X in 3..5"},
        {TDistType::distPOISSON, TQueryKind::Below, 2.5, 0, "P(X <= 2.5000) = 0.5960, i.e. X <= 2"},
        {TDistType::distPOISSON, TQueryKind::Above, 0, 1, "P(X > 1.0000) = 0.6691, i.e. X >= 2"},
        {TDistType::distPOISSON, TQueryKind::Outside, 0, 3,
         "P(X <= 0.0000 or X > 3.0000) = 0.3009, i.e. X <= 0 or X >= 4"},
        {TDistType::distNORMAL, TQueryKind::Central, 0.95, 0,
         "Central interval holding 0.9500: -1.9600 to 1.9600"},
        {TDistType::distNORMAL, TQueryKind::UpperP, 0.05, 0, "x with P(X > x) = 0.0500: 1.6449"},
    };
    for (const Case& c : cases) {
        model::TProbDistribution d;
        d.SetDistType(c.Type);
        d.SetDecimals(4);
        const uicore::TProbabilityQuery q{c.Kind, c.A, c.B};
        EXPECT_EQ(uicore::QueryLine(d, q, uicore::AnswerQuery(d, q)), c.Want);
    }
}

TEST(WriteQuery, BlockWithHeaderAndShadedRegion) {
    model::TProbDistribution d;
    d.SetDistType(TDistType::distCHISQUARE);
    d.DistParams().Items(1).SetValue(1);
    d.SetDecimals(4);
    Recorder r;
    const uicore::TQueryAnswer a = uicore::WriteQuery(r, d, {TQueryKind::Above, 0, 100}, ',');
    const std::string rule(45, '-');
    const std::vector<std::string> want = {"Chi-Squared distribution",     "nu= 1",
                                           "Calculating a probability",    rule,
                                           "P(X > 100,0000) = 1,5240e-23", rule};
    EXPECT_EQ(r.lines, want);
    EXPECT_EQ(a.Lower, 100);
    EXPECT_EQ(a.Upper, INFINITY);
    EXPECT_FALSE(a.Outside);
}

TEST(Summary, LinesAndAnnotation) {
    model::TProbDistribution d;
    d.SetDistType(TDistType::distSTUDENT);
    d.DistParams().Items(1).SetValue(3);
    d.SetDecimals(4);
    Recorder r;
    uicore::WriteSummary(r, d);
    const std::string rule(45, '-');
    const std::vector<std::string> want = {"Student(T) distribution",
                                           "nu= 3",
                                           "Summary of the law",
                                           rule,
                                           "Mean = 0.0000",
                                           "Variance = 3.0000",
                                           "Standard deviation = 1.7321",
                                           "Skewness = undefined",
                                           "Excess kurtosis = infinite",
                                           "Median = 0.0000",
                                           "Mode = 0.0000",
                                           rule};
    EXPECT_EQ(r.lines, want);
    EXPECT_EQ(uicore::SummaryAnnotation(model::Summarize(d), 2),
              "mean 0.00, var 3.00, sd 1.73, skew undefined, ex.kurt infinite, "
              "median 0.00, mode 0.00");
}

TEST(RegionShading, SpansClippedToTheView) {
    using Spans = std::vector<std::pair<double, double>>;
    struct Case {
        uicore::TQueryAnswer Answer;
        Spans Want;
    };
    const Case cases[] = {
        {{0.5, -INFINITY, 1.0, false}, {{-4, 1}}},
        {{0.5, 1.0, INFINITY, false}, {{1, 4}}},
        {{0.5, -1.0, 1.0, true}, {{-4, -1}, {1, 4}}},
        {{0.5, -9.0, 9.0, true}, {}},
        {{0.5, 5.0, 6.0, false}, {}},
        {{0.5, NAN, 1.0, false}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(uicore::VisibleSpans(c.Answer, -4, 4), c.Want);
}

TEST(RegionShading, OutlineFollowsTheDensityAndKeepsThePoint) {
    model::TProbDistribution d;
    d.SetDistType(TDistType::distUNIFORM);  // a = -2.1, b = 3.5: density 1/5.6
    d.DistParams().Items(0).SetValue(0.75);
    const auto flat = uicore::DensityOutline(d, 0, 1, 4);
    ASSERT_EQ(flat.size(), 7u);
    EXPECT_EQ(flat.front().Y, 0);
    EXPECT_EQ(flat.back().X, 1);
    EXPECT_DOUBLE_EQ(flat[3].Y, 1 / 5.6);
    EXPECT_EQ(d.DistParams().Items(0).Value(), 0.75);
    // Poisson: bars of width 1 at the whole numbers 3..5 of (2.5, 5].
    d.SetDistType(TDistType::distPOISSON);
    const auto bars = uicore::DensityOutline(d, 2.5, 5);
    ASSERT_EQ(bars.size(), 12u);
    EXPECT_EQ(bars[0].X, 2.5);
    EXPECT_EQ(bars[11].X, 5.5);
    EXPECT_EQ(d.DistParams().Items(0).Value(), 4);  // Poisson's own default point
    EXPECT_TRUE(uicore::DensityOutline(d, 1e308, INFINITY).empty());
    // Whole numbers past 2^53 do not step by 1: the count still ends it.
    EXPECT_LE(uicore::DensityOutline(d, 1e17, 2e17).size(), 4u * uicore::MaxSteps);
}

}  // namespace
