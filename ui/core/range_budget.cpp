// The memory estimate of a range and the texts around long ranges. Sizes
// are counted in doubles: a typed 2147483647 points times a row's bytes
// does not fit 32 bits, and the estimate never needs to be exact.
#include "ui/core/range_budget.h"

#include <algorithm>
#include <cstdio>

namespace uicore {

namespace {

// Index bytes per results line: the low half of its start offset.
constexpr double LineIndexBytes = 4;
constexpr double PointBytes = 16;  // a QPointF
// A fixed-text cell with d decimals: "0." or "-0." and d digits on
// average, larger values in the short scientific form.
constexpr double CellExtraChars = 3;
// The text, the indexes and the point lists are set aside before the range
// and faulted in whole, in huge pages; a little more keeps the estimate
// above every measurement.
constexpr double GrowthFactor = 1.15;

std::int32_t Cells(TCalcMode Mode) { return Mode == TCalcMode::PdfCdf ? 3 : 2; }
std::int32_t SeriesFilled(TCalcMode Mode) { return Mode == TCalcMode::PdfCdf ? 2 : 1; }

std::string Amount(double Bytes) {
    char Text[32];
    if (Bytes >= 1e9)
        std::snprintf(Text, sizeof Text, "%.1f GB", Bytes / 1e9);
    else
        std::snprintf(Text, sizeof Text, "%.0f MB", Bytes / 1e6);
    return Text;
}

}  // namespace

double RowTextBytes(std::int32_t Decimals, TCalcMode Mode) {
    // The fixed text writes 2 to 18 decimals, whatever the model holds.
    const double D = std::clamp(Decimals, 2, 18);
    const std::int32_t N = Cells(Mode);
    return N * (D + CellExtraChars) + 2 * (N - 1) + 1;  // tabs, newline
}

double RangeBytes(std::int64_t Rows, std::int32_t Decimals, TCalcMode Mode) {
    if (Rows <= 0) return 0;
    const double Row =
        RowTextBytes(Decimals, Mode) + LineIndexBytes + SeriesFilled(Mode) * PointBytes;
    return static_cast<double>(Rows) * Row * GrowthFactor;
}

double CalculationBytes(const model::TProbDistribution& Distribution, TCalcMode Mode,
                        std::int64_t RowsKept) {
    if (Distribution.CalculateSinglePoint()) return 0;
    // Kept rows are priced as rows of this mode: close enough for a limit.
    return RangeBytes(RowsKept, Distribution.Decimals(), Mode) +
           RangeBytes(Distribution.NumPoints(), Distribution.Decimals(), Mode);
}

std::string ConfirmRangeText(std::int32_t NumPoints, double Bytes) {
    return "A range of " + std::to_string(NumPoints) + " points needs about " + Amount(Bytes) +
           " of memory for the results and the chart, and takes long to calculate. "
           "Calculate it anyway?";
}

std::string CancelledText(std::int64_t Done, std::int64_t Total) {
    return "Calculation cancelled after " + std::to_string(Done) + " of " + std::to_string(Total) +
           " points.";
}

}  // namespace uicore
