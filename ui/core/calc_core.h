// The main window's logic without widgets: what the window holds (the model,
// the mode, the probability p of a single-point inverse, "Clear after each
// calculation", the chart tab's visibility) and its commands, writing to a
// list of text lines and two point series that the widgets and the command
// line both implement.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/prob_distribution.h"

namespace uicore {

// The results text: lines are only appended or all removed.
class TResultsSink {
public:
    virtual ~TResultsSink() = default;
    virtual void AppendLine(std::string_view Line) = 0;
    virtual void ClearLines() = 0;
};

// The chart's two series (0 "PDF", 1 "CDF"): points are only added or all
// removed.
class TSeriesSink {
public:
    virtual ~TSeriesSink() = default;
    virtual void AddPoint(std::int32_t Series, double X, double Y) = 0;
    virtual void ClearPoints(std::int32_t Series) = 0;
};

// The modal input dialog; Cancel returns the default text.
class TInputDialog {
public:
    virtual ~TInputDialog() = default;
    virtual std::string InputQuery(const std::string& Caption, const std::string& Prompt,
                                   const std::string& Default) = 0;
};

// Told after every row of a range; answering false cancels the calculation
// after that row, unless it was the last.
class TCalcProgress {
public:
    virtual ~TCalcProgress() = default;
    virtual bool Continue(std::int64_t Done, std::int64_t Total) = 0;
};

enum class TCalcMode : std::uint8_t { PdfCdf, Icdf };

struct TCalcOutcome {
    bool Cancelled = false;
    std::int64_t Rows = 0;  // result rows written
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
