// The main window's commands without widgets: Calculate writes the header
// lines, the rows of the evaluation loop and a closing rule to the results
// sink and the finite points to the series sink; Clear empties both; the
// ICDF and PDF+CDF buttons and the "Calculation" radio group set the mode,
// p and the chart tab's visibility.
#include "ui/core/calc_core.h"

#include <algorithm>
#include <new>

#include "ui/core/number_text.h"
#include "ui/core/range_budget.h"

namespace uicore {

namespace {

// Each row to the results text, then to the chart.
class TTextAndPoints final : public TRowSink {
public:
    TTextAndPoints(TResultsText& Text, TChartPoints& Points) : FText(Text), FPoints(Points) {}
    void Row(const TCalcRow& Row) override {
        FText.Row(Row);
        FPoints.Row(Row);
    }

private:
    TResultsText& FText;
    TChartPoints& FPoints;
};

}  // namespace

TQuantivaCore::TQuantivaCore(model::TProbDistribution& Distribution, TResultsSink& Results,
                             TSeriesSink& Series, char DecimalSeparator)
    : FDistribution(Distribution),
      FResults(Results),
      FSeries(Series),
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
    const std::unique_ptr<TRowKind> Kind = RowKind();
    TResultsText Text(FResults, FDistribution.Decimals(), FDecimalSeparator);
    Text.Header(FDistribution, *Kind);
    TChartPoints Points(FSeries);
    TTextAndPoints Both(Text, Points);
    // A single point is written, not plotted.
    TRowSink& Sink = FDistribution.CalculateSinglePoint() ? static_cast<TRowSink&>(Text) : Both;
    if (!FDistribution.CalculateSinglePoint()) ExpectRange();
    const TCalcOutcome Outcome = ProduceRows(FDistribution, *Kind, Sink, Progress);
    if (!Outcome.Cancelled) Text.Close();
    return Outcome;
}

void TQuantivaCore::ExpectRange() {
    // Storage is set aside for as many rows as the memory budget holds: a
    // larger range, asked for and confirmed, grows beyond it as it comes.
    const std::int32_t D = FDistribution.Decimals();
    const auto Rows = std::min<std::int64_t>(
        FDistribution.NumPoints(),
        static_cast<std::int64_t>(ConfirmAboveBytes / RangeBytes(1, D, FMode)));
    if (Rows <= 0) return;
    try {
        FResults.ExpectLines(Rows + 1, static_cast<double>(Rows) * RowTextBytes(D, FMode));
        FSeries.ExpectPoints(Rows);
    } catch (const std::bad_alloc&) {
        // Only a hint: the rows still find room as they come, or fail there.
    }
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
