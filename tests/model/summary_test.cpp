// The law's summary against mpmath references computed by an independent
// path (moments by integrating or summing the density, the median by
// solving CDF = 1/2, the mode by maximising the density), every law at two
// parameter sets; infinite and undefined moments where they do not exist.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "model/summary.h"
#include "tests/support/accuracy.h"

namespace {

using model::TDistType;
using model::TProbDistribution;
using model::TSummary;
using model::TSummaryKind;
using model::TSummaryValue;

struct SummaryRow {
    TDistType Type;
    std::vector<double> Params;  // after x, in catalogue order
    TSummaryValue TSummary::*Field;
    TSummaryKind Kind;
    double Want;
};

const std::vector<SummaryRow> kRows = {
#include "tests/model/data/summary_reference.inc"
};

TSummary SummaryOf(TDistType Type, const std::vector<double>& Params) {
    TProbDistribution d;
    d.SetDistType(Type);
    for (std::size_t i = 0; i < Params.size(); ++i)
        d.DistParams().Items(static_cast<std::int32_t>(i + 1)).SetValue(Params[i]);
    return model::Summarize(d);
}

TEST(Summary, MatchesIndependentReferences) {
    for (const SummaryRow& row : kRows) {
        const TSummaryValue got = SummaryOf(row.Type, row.Params).*row.Field;
        std::string params;
        for (double p : row.Params) params += std::to_string(p) + " ";
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(row.Type)) + " params " + params);
        ASSERT_EQ(static_cast<int>(got.Kind), static_cast<int>(row.Kind));
        // Medians and modes that come from iterations are good to about
        // 1e-13; the closed forms to a few ulps.
        if (row.Kind == TSummaryKind::skValue) {
            EXPECT_NEAR_REL(got.Value, row.Want, 1e-12);
        }
    }
}

// Parameters outside the law's domain give NaN throughout, as the
// distribution functions do, never a plausible number.
TEST(Summary, InvalidParametersGiveNaN) {
    const struct {
        TDistType Type;
        std::vector<double> Params;
    } cases[] = {
        {TDistType::distNORMAL, {0, -1}},       {TDistType::distBETA, {0, 1}},
        {TDistType::distPOISSON, {NAN}},        {TDistType::distHYPGEOMETRIC, {3, 2, 5}},
        {TDistType::distTRIANGULAR, {2, 1, 3}}, {TDistType::distGEOMETRIC, {0}},
    };
    for (const auto& c : cases) {
        const TSummary s = SummaryOf(c.Type, c.Params);
        for (auto field : {&TSummary::Mean, &TSummary::Variance, &TSummary::Median}) {
            EXPECT_EQ(static_cast<int>((s.*field).Kind), static_cast<int>(TSummaryKind::skValue));
            EXPECT_TRUE(std::isnan((s.*field).Value)) << static_cast<int>(c.Type);
        }
    }
}

}  // namespace
