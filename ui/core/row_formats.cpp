// The results text and the chart points of a calculation's rows. A row is
// formatted into a stack buffer, so a long range allocates nothing per row.
#include "ui/core/row_formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "ui/core/number_text.h"
#include "ui/core/results_header.h"

namespace uicore {

std::string ParameterText(const model::TProbParameter& Parameter, std::int32_t Decimals,
                          char DecimalSeparator) {
    const double v = Parameter.Value();
    // Whole values up to the fixed form's 15 digits; anything else (a
    // fraction set through the model, NaN) shows as it is.
    if (Parameter.ParamType() == model::TProbParamType::ptInteger && std::abs(v) < ScientificFrom &&
        v == std::trunc(v)) {
        char text[24];
        return std::string(text,
                           std::to_chars(text, text + sizeof text, static_cast<long long>(v)).ptr);
    }
    return FixedText(v, Decimals, DecimalSeparator);
}

void TResultsText::Header(const model::TProbDistribution& Distribution, const TRowKind& Kind) {
    AppendDistributionHeader(FLines, Distribution, FDecimalSeparator);
    FLines.AppendLine(Kind.Title());
    FLines.AppendLine(Kind.TextColumns());
    FLines.AppendLine(ResultsRule);
}

void TResultsText::Row(const TCalcRow& Row) {
    char Line[(MaxRowValues + 1) * (FixedTextMax + RowTabs)];
    // The number text is ASCII: a cell is as wide as it is long.
    std::array<std::int32_t, MaxRowValues + 1> Widths{};
    std::size_t Len = FixedTextTo(Line, Row.Arg, FDecimals, FDecimalSeparator);
    Widths[0] = static_cast<std::int32_t>(Len);
    for (std::int32_t K = 0; K < Row.Count; ++K) {
        for (std::int32_t T = 0; T < RowTabs; ++T) Line[Len++] = '\t';
        const std::size_t Cell = FixedTextTo(Line + Len, Row.Values[static_cast<std::size_t>(K)],
                                             FDecimals, FDecimalSeparator);
        Widths[static_cast<std::size_t>(K) + 1] = static_cast<std::int32_t>(Cell);
        Len += Cell;
    }
    FLines.AppendCells(std::string_view(Line, Len),
                       std::span(Widths).first(static_cast<std::size_t>(Row.Count) + 1));
}

void TResultsText::Close() { FLines.AppendLine(ResultsRule); }

void TChartPoints::Row(const TCalcRow& Row) {
    const double X = Row.Arg;
    const auto Values = std::span(Row.Values).first(static_cast<std::size_t>(Row.Count));
    if (std::isfinite(X) &&
        std::all_of(Values.begin(), Values.end(), [](double Y) { return std::isfinite(Y); }))
        return FSeries.AddPoints(X, Values);
    for (std::int32_t K = 0; K < Row.Count; ++K) {
        const double Y = Row.Values[static_cast<std::size_t>(K)];
        // Neither coordinate NaN nor infinite.
        if (!std::isfinite(X) || !std::isfinite(Y)) continue;
        FSeries.AddPoint(K, X, Y);
    }
}

}  // namespace uicore
