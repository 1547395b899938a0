// How much memory a range calculation holds once written, and the window's
// words about long ranges: the question asked before a range that would
// hold more than ConfirmAboveBytes, and the line that reports a cancelled
// one. The estimate follows the results pane and the chart as built: each
// row is its text plus a newline and 20 bytes of index (start offset,
// display columns, first wrapped row), each chart point 16 bytes per
// series, and a container that grows holds its old and its new copy for a
// moment (times 1.5). Measured as the window's peak resident set, Normal,
// 2,000,000 against 250,000 points, bytes per point (estimate): PDF+CDF
// 93 to 104 (117) at 4 decimals and 141 to 150 (171) at 16; inverse 59
// (80) and 110 to 113 (116).
#pragma once

#include <cstdint>
#include <string>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"

namespace uicore {

// The modal question with Yes and No; true for Yes.
class TConfirmDialog {
public:
    virtual ~TConfirmDialog() = default;
    virtual bool Confirm(const std::string& Text) = 0;
};

// A gigabyte: a quarter of an ordinary desktop's memory, and about 8.5
// million points of PDF+CDF at four decimals, with some 370 MB of text.
inline constexpr double ConfirmAboveBytes = 1e9;

// Bytes that Rows rows of the given mode and decimals hold in the results
// pane and the chart.
double RangeBytes(std::int64_t Rows, std::int32_t Decimals, TCalcMode Mode);

// What the next Calculate would hold: the rows already shown (when they are
// kept) and the new range. Zero in single-point mode: one row is nothing.
double CalculationBytes(const model::TProbDistribution& Distribution, TCalcMode Mode,
                        std::int64_t RowsKept);

// Whether Calculate should ask before it starts.
inline bool NeedsConfirmation(double Bytes) { return Bytes > ConfirmAboveBytes; }

std::string ConfirmRangeText(std::int32_t NumPoints, double Bytes);
std::string CancelledText(std::int64_t Done, std::int64_t Total);

}  // namespace uicore
