// The window's formatters over the rows of a calculation: the results text
// (header lines, one line per row, the closing rule) and the chart's points,
// each written to a sink that the widgets and the command line implement.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/prob_distribution.h"
#include "ui/core/calc_rows.h"

namespace uicore {

// The results text: lines are only appended or all removed.
class TResultsSink {
public:
    virtual ~TResultsSink() = default;
    virtual void AppendLine(std::string_view Line) = 0;
    // A line of cells with a run of RowTabs tabs after each cell but the
    // last, and the display width of each cell, which its writer knows, so
    // that a sink aligning columns need not measure the line again.
    virtual void AppendCells(std::string_view Line, std::span<const std::int32_t> /*Widths*/) {
        AppendLine(Line);
    }
    virtual void ClearLines() = 0;
    // Told before a range: about Lines more lines of Bytes in all will
    // follow, so that storage can be set aside once.
    virtual void ExpectLines(std::int64_t /*Lines*/, double /*Bytes*/) {}
};

// The chart's two series (0 "PDF", 1 "CDF"): points are only added or all
// removed.
class TSeriesSink {
public:
    virtual ~TSeriesSink() = default;
    virtual void AddPoint(std::int32_t Series, double X, double Y) = 0;
    // Point (X, Ys[k]) to series k, for each k: one call for a range's row.
    virtual void AddPoints(double X, std::span<const double> Ys) {
        for (std::size_t K = 0; K < Ys.size(); ++K)
            AddPoint(static_cast<std::int32_t>(K), X, Ys[K]);
    }
    virtual void ClearPoints(std::int32_t Series) = 0;
    // Told before a range: at most Points more points per series follow.
    virtual void ExpectPoints(std::int64_t /*Points*/) {}
};

// The text of a parameter's value in the header lines: a whole number for
// an integer parameter holding one ("n= 6"), else the fixed text.
std::string ParameterText(const model::TProbParameter& Parameter, std::int32_t Decimals,
                          char DecimalSeparator = '.');

// The tabs between the cells of a row of the results text.
inline constexpr std::int32_t RowTabs = 2;

// A block of the results text; numbers in the fixed text with the model's
// decimals.
class TResultsText final : public TRowSink {
public:
    TResultsText(TResultsSink& Lines, std::int32_t Decimals, char DecimalSeparator)
        : FLines(Lines), FDecimals(Decimals), FDecimalSeparator(DecimalSeparator) {}

    // The caption, one line per parameter but x, the kind's title and
    // column names, the rule.
    void Header(const model::TProbDistribution& Distribution, const TRowKind& Kind);
    // The argument and the values, RowTabs tabs apart.
    void Row(const TCalcRow& Row) override;
    // The closing rule.
    void Close();

private:
    TResultsSink& FLines;
    std::int32_t FDecimals;
    char FDecimalSeparator;
};

// The chart's points: value k of a row goes to series k at the row's
// argument, unless either coordinate is NaN or infinite.
class TChartPoints final : public TRowSink {
public:
    explicit TChartPoints(TSeriesSink& Series) : FSeries(Series) {}
    void Row(const TCalcRow& Row) override;

private:
    TSeriesSink& FSeries;
};

}  // namespace uicore
