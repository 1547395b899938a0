// The evaluation loop and the two row kinds of the window's modes. The
// PDF+CDF kind evaluates at a point by writing it into parameter 0, which
// the model's PDF and CDF read; the inverse takes its probability as an
// argument and leaves x alone.
#include "ui/core/calc_rows.h"

#include "ui/core/range_steps.h"

namespace uicore {

namespace {

class TPdfCdfRows : public TRowKind {
public:
    explicit TPdfCdfRows(model::TProbDistribution& Distribution)
        : FDistribution(Distribution), FPoint(Distribution.DistParams().Items(0)) {}

    std::string_view Title() const override { return "Calculating PDF and CDF"; }
    std::string_view TextColumns() const override { return "x\t\tPDF(x)\t\tCDF(x)"; }
    std::string_view CsvColumns() const override { return "x,PDF,CDF"; }
    double SingleArg() const override { return FPoint.Value(); }
    void Evaluate(TCalcRow& Row) const override {
        FPoint.SetValue(Row.Arg);
        Row.Values[0] = FDistribution.PDF();
        Row.Values[1] = FDistribution.CDF();
        Row.Count = 2;
    }

private:
    const model::TProbDistribution& FDistribution;
    model::TProbParameter& FPoint;
};

class TIcdfRows : public TRowKind {
public:
    TIcdfRows(const model::TProbDistribution& Distribution, double P)
        : FDistribution(Distribution), FP(P) {}

    std::string_view Title() const override { return "Calculating x(p)"; }
    std::string_view TextColumns() const override { return "p\t\tx(p)"; }
    std::string_view CsvColumns() const override { return "p,x(p)"; }
    double SingleArg() const override { return FP; }
    void Evaluate(TCalcRow& Row) const override {
        Row.Values[0] = FDistribution.ICDF(Row.Arg);
        Row.Count = 1;
    }

private:
    const model::TProbDistribution& FDistribution;
    double FP;
};

}  // namespace

std::unique_ptr<TRowKind> ModeRows(model::TProbDistribution& Distribution, TCalcMode Mode,
                                   double P) {
    if (Mode == TCalcMode::PdfCdf) return std::make_unique<TPdfCdfRows>(Distribution);
    return std::make_unique<TIcdfRows>(Distribution, P);
}

TCalcOutcome ProduceRows(model::TProbDistribution& Distribution, const TRowKind& Kind,
                         TRowSink& Sink, TCalcProgress* Progress) {
    TCalcOutcome Outcome;
    TCalcRow Row;
    if (Distribution.CalculateSinglePoint()) {
        Row.Arg = Kind.SingleArg();
        Kind.Evaluate(Row);
        Sink.Row(Row);
        Outcome.Rows = 1;
        return Outcome;
    }
    // A range moves the point x; it is the user's again however the range
    // ends, so a following single-point calculation uses the x shown.
    model::TProbParameter& Point = Distribution.DistParams().Items(0);
    const struct TRestore {
        model::TProbParameter& Point;
        double Value;
        ~TRestore() { Point.SetValue(Value); }
    } Restore{Point, Point.Value()};
    const TRangeSteps Steps(Distribution.LB(), Distribution.UB(), Distribution.NumPoints());
    for (std::int32_t I = 0; I < Steps.Count(); ++I) {
        Row.Arg = Steps.At(I);
        Kind.Evaluate(Row);
        Sink.Row(Row);
        ++Outcome.Rows;
        // A cancel that comes with the last row has nothing left to stop:
        // the block is complete.
        if (Progress && !Progress->Continue(Outcome.Rows, Steps.Count()) &&
            Outcome.Rows < Steps.Count()) {
            Outcome.Cancelled = true;
            break;
        }
    }
    return Outcome;
}

}  // namespace uicore
