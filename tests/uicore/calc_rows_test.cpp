// The evaluation loop on its own: the arguments it gives a row kind in
// single-point and range mode, and the rows a sink receives, with a kind
// that is neither of the window's two.
#include "ui/core/calc_rows.h"

#include <gtest/gtest.h>
#include <stdexcept>
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

namespace {

// A kind that fails at a given row, as a non-converging inverse does.
struct TFailAt : uicore::TRowKind {
    model::TProbParameter& Point;
    int FailAt;
    mutable int Rows = 0;
    TFailAt(model::TProbParameter& P, int F) : Point(P), FailAt(F) {}
    std::string_view Title() const override { return ""; }
    std::string_view TextColumns() const override { return ""; }
    std::string_view CsvColumns() const override { return ""; }
    double SingleArg() const override { return 0; }
    void Evaluate(uicore::TCalcRow& Row) const override {
        Point.SetValue(Row.Arg);
        if (++Rows == FailAt) throw std::runtime_error("Failed to converge!");
        Row.Count = 0;
    }
};

struct TCancelAt : uicore::TCalcProgress {
    std::int64_t At;
    explicit TCancelAt(std::int64_t A) : At(A) {}
    bool Continue(std::int64_t Done, std::int64_t) override { return Done < At; }
};

// However a range ends, the point x is the one the user set.
TEST(CalcRows, ARangeLeavesXAsTheUserSetIt) {
    const struct {
        const char* Name;
        int FailAt;
        std::int64_t CancelAt;
    } Cases[] = {{"complete", 0, 100}, {"cancelled", 0, 3}, {"failed", 4, 100}};
    for (const auto& C : Cases) {
        model::TProbDistribution Dist;
        Dist.SetCalculateSinglePoint(false);
        Dist.SetLB(-4);
        Dist.SetUB(4);
        Dist.SetNumPoints(8);
        model::TProbParameter& X = Dist.DistParams().Items(0);
        X.SetValue(2.5);
        const TFailAt Kind(X, C.FailAt);
        TRows Sink;
        TCancelAt Progress(C.CancelAt);
        try {
            uicore::ProduceRows(Dist, Kind, Sink, &Progress);
        } catch (const std::runtime_error&) {
        }
        EXPECT_GT(Kind.Rows, 1) << C.Name;
        EXPECT_EQ(X.Value(), 2.5) << C.Name;
    }
}

}  // namespace
