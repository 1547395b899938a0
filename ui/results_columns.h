// The columns of the results text: a line's cells are separated by runs of
// tabs, and every cell is shown at the same display column as the cells
// above it, so values stand under their headers however wide they grow.
// Lines without a tab (captions, parameters, rules) are shown as they are.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quantiva {

class TResultsColumns {
public:
    // Tab stops: a run of k tabs after a cell reaches the next multiple of
    // this many columns past the cell's widest entry, then k - 1 more.
    static constexpr std::int32_t TabColumns = 8;

    // Widens the columns for one more line.
    void Include(std::string_view Line);
    // The same for a line whose cells' display widths are known, with a
    // run of Tabs tabs after each cell but the last.
    // Inline, with one size check for the whole row rather than one per
    // cell as IncludeCell takes: a range calls it for every row, and the
    // per-cell form cost 3 ms of a million-point range.
    void IncludeCells(std::span<const std::int32_t> Widths, std::int32_t Tabs) {
        if (Widths.size() < 2) return IncludeLast(0, Widths.empty() ? 0 : Widths[0]);
        if (FColumns.size() < Widths.size()) FColumns.resize(Widths.size());
        for (std::size_t Cell = 0; Cell + 1 < Widths.size(); ++Cell) {
            TColumn& C = FColumns[Cell];
            C.Width = std::max(C.Width, Widths[Cell]);
            C.Tabs = std::max(C.Tabs, Tabs);
        }
        TColumn& Last = FColumns[Widths.size() - 1];
        Last.LastWidth = std::max(Last.LastWidth, Widths.back());
    }
    void Clear() { *this = {}; }

    // The display column at which cell Index starts.
    std::int64_t Start(std::size_t Index) const;
    // Display columns of the widest line as laid out.
    std::int64_t Width() const;

private:
    // Cell Index, Width wide, followed by a run of Tabs tabs.
    void IncludeCell(std::size_t Index, std::int32_t Width, std::int32_t Tabs);
    // Cell Index, Width wide, ending a line.
    void IncludeLast(std::size_t Index, std::int32_t Width);
    struct TColumn {
        std::int32_t Width = 0;      // widest cell that a tab follows
        std::int32_t Tabs = 0;       // longest run of tabs after it
        std::int32_t LastWidth = 0;  // widest cell that ends a line
    };
    std::vector<TColumn> FColumns;
    std::int32_t FPlainWidth = 0;  // widest line without a tab
};

}  // namespace quantiva
