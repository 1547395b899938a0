// The main window's logic without widgets: what the window holds (the model,
// the mode, the probability p of a single-point inverse, "Clear after each
// calculation", the chart tab's visibility) and its commands, writing to a
// list of text lines and two point series that the widgets and the command
// line both implement.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/prob_distribution.h"
#include "ui/core/calc_rows.h"
#include "ui/core/row_formats.h"

namespace uicore {

// The modal input dialog; Cancel returns the default text.
class TInputDialog {
public:
    virtual ~TInputDialog() = default;
    virtual std::string InputQuery(const std::string& Caption, const std::string& Prompt,
                                   const std::string& Default) = 0;
};

class TQuantivaCore {
public:
    // Sets up the model as the window does at creation (Decimals 4, range
    // 0 to 1 with 50 points, range mode); PDF+CDF mode, p = 0, clearing on.
    TQuantivaCore(model::TProbDistribution& Distribution, TResultsSink& Results,
                  TSeriesSink& Series, char DecimalSeparator = '.');

    model::TProbDistribution& Distribution() const { return FDistribution; }
    TCalcMode Mode() const { return FMode; }
    double PValue() const { return FPValue; }
    bool ClearAfterEachCalculation() const { return FClearAfterEach; }
    void SetClearAfterEachCalculation(bool AClear) { FClearAfterEach = AClear; }
    bool ChartTabVisible() const { return FChartTabVisible; }
    char DecimalSeparator() const { return FDecimalSeparator; }

    // Calculate: header lines, the rows, the closing rule. Exceptions from
    // the model (EOrlenException "Failed to converge!") leave the rows and
    // points written so far and propagate without the closing rule.
    TCalcOutcome Calculate(TCalcProgress* Progress = nullptr);
    // The rows of the current mode, for ProduceRows into other formatters
    // (the CSV table, say).
    std::unique_ptr<TRowKind> RowKind() const { return ModeRows(FDistribution, FMode, FPValue); }
    // Clear all: the results text and both series.
    void Clear();
    // The ICDF button: ICDF mode; in single-point mode asks for p (raising
    // EConvertError, with p unchanged, when the text does not parse); then
    // the chart-tab rule.
    void GetpValue(TInputDialog& Dialog);
    // The PDF+CDF button: PDF+CDF mode; the chart tab becomes visible.
    void PdfCdfPressed();
    // The radio group "Calculation": index 0 single value, 1 range; then
    // the chart-tab rule.
    void CalculationChoiceClicked(std::int32_t ItemIndex);

private:
    void ApplyChartTabRule();
    // Tells the sinks how much a range will write.
    void ExpectRange();

    model::TProbDistribution& FDistribution;
    TResultsSink& FResults;
    TSeriesSink& FSeries;
    char FDecimalSeparator;
    TCalcMode FMode = TCalcMode::PdfCdf;
    double FPValue = 0.0;
    bool FClearAfterEach = true;
    bool FChartTabVisible = true;
};

}  // namespace uicore
