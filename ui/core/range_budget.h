// How much memory a range calculation holds once written, and the window's
// words about long ranges: the question asked before a range that would
// hold more than ConfirmAboveBytes, and the line that reports a cancelled
// one. The estimate follows the results pane and the chart as built: each
// row is its text plus a newline and 4 bytes of index (the low half of its
// start offset), each chart point 16 bytes per series; the storage is set
// aside before the range, in whole huge pages, and faulted in as a whole
// (times 1.15). Measured as the window's peak resident set, Normal,
// 2,000,000 against 250,000 points, bytes per point (estimate): PDF+CDF
// 63.6 (71.3) at 4 decimals and 100.7 (112.7) at 16; inverse 38.2 (42.6)
// and 63.3 (70.2).
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

// A gigabyte: a quarter of an ordinary desktop's memory, and about 14
// million points of PDF+CDF at four decimals, with some 360 MB of text.
inline constexpr double ConfirmAboveBytes = 1e9;

// The text of one row of the given mode and decimals, tabs and newline
// included, as it usually comes out (a little more).
double RowTextBytes(std::int32_t Decimals, TCalcMode Mode);

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
