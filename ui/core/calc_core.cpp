// The main window's commands without widgets: Calculate writes the header
// lines, one row per point and a closing rule to the results sink and the
// finite points to the series sink; Clear empties both; the ICDF and
// PDF+CDF buttons and the "Calculation" radio group set the mode, p and the
// chart tab's visibility. Rows are formatted into a stack buffer, so a long
// range allocates nothing per row.
#include "ui/core/calc_core.h"

#include "numkern/numkern.h"
#include "ui/core/number_text.h"
#include "ui/core/range_steps.h"
#include "ui/core/results_header.h"

namespace uicore {

namespace {

constexpr std::string_view RuleLine = ResultsRule;

// F(a) "\t\t" F(b) ["\t\t" F(c)] into a buffer of RowMax chars.
constexpr std::size_t RowMax = 3 * FixedTextMax + 4;

std::size_t AppendCell(char* Row, std::size_t Len, double Value, std::int32_t D, char Sep) {
    if (Len > 0) {
        Row[Len++] = '\t';
        Row[Len++] = '\t';
    }
    return Len + FixedTextTo(Row + Len, Value, D, Sep);
}

// The point rule: only points with neither coordinate NaN nor infinite.
void AddPoint(TSeriesSink& Series, std::int32_t Index, double X, double Y) {
    if (numkern::IsNaN(X) || numkern::IsNaN(Y) || numkern::IsInf(X) || numkern::IsInf(Y)) return;
    Series.AddPoint(Index, X, Y);
}

}  // namespace

TQuantivaCore::TQuantivaCore(model::TProbDistribution& Distribution, TResultsSink& Results,
                             TSeriesSink& Series, char DecimalSeparator)
    : FDistribution(Distribution), FResults(Results), FSeries(Series),
      FDecimalSeparator(DecimalSeparator) {
    FDistribution.SetDecimals(4);
    FDistribution.SetLB(0.0);
    FDistribution.SetUB(1.0);
    FDistribution.SetNumPoints(50);
    FDistribution.SetCalculateSinglePoint(false);
}

void TQuantivaCore::Clear() {
    FResults.ClearLines();
    FSeries.ClearPoints(0);
    FSeries.ClearPoints(1);
}

TCalcOutcome TQuantivaCore::Calculate(TCalcProgress* Progress) {
    if (FClearAfterEach) Clear();
    const TCalcMode mode = FMode;
    model::TProbDistribution& dist = FDistribution;
    const model::TProbParameters& params = dist.DistParams();
    const std::int32_t d = dist.Decimals();
    const char sep = FDecimalSeparator;

    AppendDistributionHeader(FResults, dist, sep);
    if (mode == TCalcMode::PdfCdf) {
        FResults.AppendLine("Calculating PDF and CDF");
        FResults.AppendLine("x\t\tPDF(x)\t\tCDF(x)");
    } else {
        FResults.AppendLine("Calculating x(p)");
        FResults.AppendLine("p\t\tx(p)");
    }
    FResults.AppendLine(RuleLine);

    TCalcOutcome outcome;
    char row[RowMax];
    if (dist.CalculateSinglePoint()) {
        std::size_t len = 0;
        if (mode == TCalcMode::PdfCdf) {
            const double x = params.Items(0).Value();
            const double pdf = dist.PDF();
            const double cdf = dist.CDF();
            len = AppendCell(row, len, x, d, sep);
            len = AppendCell(row, len, pdf, d, sep);
            len = AppendCell(row, len, cdf, d, sep);
        } else {
            const double x = dist.ICDF(FPValue);
            len = AppendCell(row, len, FPValue, d, sep);
            len = AppendCell(row, len, x, d, sep);
        }
        FResults.AppendLine(std::string_view(row, len));
        outcome.Rows = 1;
    } else {
        const TRangeSteps steps(dist.LB(), dist.UB(), dist.NumPoints());
        for (std::int32_t i = 0; i < steps.Count(); ++i) {
            const double t = steps.At(i);
            std::size_t len = AppendCell(row, 0, t, d, sep);
            if (mode == TCalcMode::PdfCdf) {
                params.Items(0).SetValue(t);
                const double pdf = dist.PDF();
                const double cdf = dist.CDF();
                len = AppendCell(row, len, pdf, d, sep);
                len = AppendCell(row, len, cdf, d, sep);
                FResults.AppendLine(std::string_view(row, len));
                AddPoint(FSeries, 0, t, pdf);
                AddPoint(FSeries, 1, t, cdf);
            } else {
                const double x = dist.ICDF(t);
                len = AppendCell(row, len, x, d, sep);
                FResults.AppendLine(std::string_view(row, len));
                AddPoint(FSeries, 0, t, x);
            }
            ++outcome.Rows;
            // A cancel that comes with the last row has nothing left to stop:
            // the block is complete and gets its closing rule.
            if (Progress && !Progress->Continue(outcome.Rows, steps.Count()) &&
                outcome.Rows < steps.Count()) {
                outcome.Cancelled = true;
                return outcome;
            }
        }
    }
    FResults.AppendLine(RuleLine);
    return outcome;
}

void TQuantivaCore::GetpValue(TInputDialog& Dialog) {
    FMode = TCalcMode::Icdf;
    if (FDistribution.CalculateSinglePoint()) {
        const std::string shown = FixedText(FPValue, FDistribution.Decimals(), FDecimalSeparator);
        const std::string text = Dialog.InputQuery("Set p", "Valid range: 0<=p<=1", shown);
        // Cancel (or OK on the text as shown) keeps p exactly: the text may
        // show it rounded to the decimals.
        if (text != shown) FPValue = ParseReal(text, FDecimalSeparator);
    }
    ApplyChartTabRule();
}

void TQuantivaCore::PdfCdfPressed() {
    FMode = TCalcMode::PdfCdf;
    FChartTabVisible = true;
}

void TQuantivaCore::CalculationChoiceClicked(std::int32_t ItemIndex) {
    FDistribution.SetCalculateSinglePoint(ItemIndex == 0);
    ApplyChartTabRule();
}

void TQuantivaCore::ApplyChartTabRule() {
    FChartTabVisible = FMode == TCalcMode::PdfCdf && !FDistribution.CalculateSinglePoint();
}

}  // namespace uicore
