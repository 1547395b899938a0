// Tail and interval probabilities, central intervals and upper-tail
// quantiles against mpmath references, deep tails included (the interval
// must come from the tail that keeps its digits), and the edges: empty and
// full regions, NaN bounds, the point x left as it was.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "model/intervals.h"
#include "tests/support/accuracy.h"

namespace {

using model::TDistType;
using model::TProbDistribution;
using model::TRegion;
using T = TDistType;
using R = TRegion;

void SetLaw(TProbDistribution& D, TDistType Type, const std::vector<double>& Params) {
    D.SetDistType(Type);
    for (std::size_t i = 0; i < Params.size(); ++i)
        D.DistParams().Items(static_cast<std::int32_t>(i + 1)).SetValue(Params[i]);
}

struct RegionCase {
    TDistType Type;
    std::vector<double> Params;
    TRegion Region;
    double A, B, Want;
};

TEST(Intervals, RegionProbabilitiesMatchReferences) {
    const std::vector<RegionCase> cases = {
#include "tests/model/data/intervals_regions.inc"
    };
    for (const RegionCase& c : cases) {
        TProbDistribution d;
        SetLaw(d, c.Type, c.Params);
        SCOPED_TRACE(d.Caption() + " " + std::to_string(c.A) + " " + std::to_string(c.B));
        EXPECT_NEAR_REL(model::RegionProbability(d, c.Region, c.A, c.B), c.Want, 1e-12);
    }
}

struct CentralCase {
    TDistType Type;
    std::vector<double> Params;
    double Q, Lower, Upper;
};

TEST(Intervals, CentralIntervalsMatchReferences) {
    const std::vector<CentralCase> cases = {
#include "tests/model/data/intervals_central.inc"
    };
    for (const CentralCase& c : cases) {
        TProbDistribution d;
        SetLaw(d, c.Type, c.Params);
        const model::TCentralInterval got = model::CentralInterval(d, c.Q);
        EXPECT_NEAR_REL(got.Lower, c.Lower, 1e-14) << d.Caption();
        EXPECT_NEAR_REL(got.Upper, c.Upper, 1e-14) << d.Caption();
    }
}

struct UpperCase {
    TDistType Type;
    std::vector<double> Params;
    double P, X;
};

TEST(Intervals, UpperTailQuantilesMatchReferences) {
    const std::vector<UpperCase> cases = {
#include "tests/model/data/intervals_upper.inc"
    };
    for (const UpperCase& c : cases) {
        TProbDistribution d;
        SetLaw(d, c.Type, c.Params);
        EXPECT_NEAR_REL(d.ICCDF(c.P), c.X, 1e-13) << d.Caption() << " p " << c.P;
    }
}

TEST(Intervals, EdgesAndThePointKept) {
    TProbDistribution d;
    SetLaw(d, T::distNORMAL, {0, 1});
    d.DistParams().Items(0).SetValue(0.25);
    struct Case {
        TRegion Region;
        double A, B, Want;
    };
    const Case cases[] = {
        {R::rgBetween, 2, 1, 0.0},       {R::rgBetween, 1, 1, 0.0},
        {R::rgOutside, 2, 1, 1.0},       {R::rgBetween, NAN, 1, NAN},
        {R::rgOutside, 0, NAN, NAN},     {R::rgBelow, INFINITY, 0, 1.0},
        {R::rgAbove, 0, -INFINITY, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_EPS(model::RegionProbability(d, c.Region, c.A, c.B), c.Want, 0)
            << int(c.Region) << " " << c.A << " " << c.B;
    EXPECT_EQ(d.DistParams().Items(0).Value(), 0.25);
    const model::TCentralInterval bad = model::CentralInterval(d, 1.5);
    EXPECT_TRUE(std::isnan(bad.Lower) && std::isnan(bad.Upper));
    // Laws with a density only have no tails.
    SetLaw(d, T::distFERMIDIRAC, {1, 0.1});
    EXPECT_TRUE(std::isnan(model::RegionProbability(d, R::rgAbove, 0, 1)));
}

}  // namespace
