// The evaluation loop on its own: the arguments it gives a row kind in
// single-point and range mode, and the rows a sink receives, with a kind
// that is neither of the window's two.
#include "ui/core/calc_rows.h"

#include <gtest/gtest.h>
#include <vector>

#include "distrium/distrium.h"

namespace {

using model::TDistType;

// An upper tail, 1 - CDF: a row kind that the window does not have.
struct TUpperTail : uicore::TRowKind {
    const model::TProbDistribution& Dist;
    explicit TUpperTail(const model::TProbDistribution& D) : Dist(D) {}
    std::string_view Title() const override { return "Calculating 1-CDF"; }
    std::string_view TextColumns() const override { return "x\t\t1-CDF(x)"; }
    std::string_view CsvColumns() const override { return "x,Q"; }
    double SingleArg() const override { return 0.5; }
    void Evaluate(uicore::TCalcRow& Row) const override {
        Row.Values[0] = 1 - distrium::NormalCDF(Row.Arg, Dist.DistParams().Items(1).Value(), 1);
        Row.Count = 1;
    }
};

struct TRows : uicore::TRowSink {
    std::vector<uicore::TCalcRow> Rows;
    void Row(const uicore::TCalcRow& R) override { Rows.push_back(R); }
};

TEST(CalcRows, AKindOfItsOwnGetsTheArgumentsOfEitherMode) {
    model::TProbDistribution Dist;
    Dist.SetDistType(TDistType::distNORMAL);
    Dist.SetLB(-1);
    Dist.SetUB(1);
    Dist.SetNumPoints(4);
    const TUpperTail Kind(Dist);
    const struct {
        bool Single;
        std::vector<double> Args;
    } Cases[] = {{true, {0.5}}, {false, {-1, -0.5, 0, 0.5}}};
    for (const auto& C : Cases) {
        Dist.SetCalculateSinglePoint(C.Single);
        TRows Sink;
        const uicore::TCalcOutcome Outcome = uicore::ProduceRows(Dist, Kind, Sink);
        EXPECT_EQ(Outcome.Rows, static_cast<std::int64_t>(C.Args.size()));
        ASSERT_EQ(Sink.Rows.size(), C.Args.size());
        for (std::size_t I = 0; I < C.Args.size(); ++I) {
            EXPECT_EQ(Sink.Rows[I].Arg, C.Args[I]);
            EXPECT_EQ(Sink.Rows[I].Count, 1);
            EXPECT_EQ(Sink.Rows[I].Values[0], 1 - distrium::NormalCDF(C.Args[I], 0, 1));
        }
    }
}

}  // namespace
