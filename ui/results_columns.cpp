// Column starts follow from the widest entries: start(0) = 0 and
// start(j + 1) = the tab stop after start(j) + width(j), plus one stop per
// further tab. Widths only grow, so a line is measured once, when added.
#include "ui/results_columns.h"

#include <algorithm>
#include <climits>

namespace quantiva {

namespace {

bool ContinuationByte(char C) { return (static_cast<unsigned char>(C) & 0xC0) == 0x80; }

}  // namespace

void TResultsColumns::Include(std::string_view Line) {
    std::size_t Cell = 0;
    std::int64_t Width = 0;
    std::size_t I = 0;
    const auto Clamped = [](std::int64_t V) {
        return static_cast<std::int32_t>(std::min<std::int64_t>(V, INT32_MAX));
    };
    while (I < Line.size()) {
        if (Line[I] != '\t') {
            Width += ContinuationByte(Line[I]) ? 0 : 1;
            ++I;
            continue;
        }
        std::int32_t Tabs = 0;
        for (; I < Line.size() && Line[I] == '\t'; ++I) ++Tabs;
        IncludeCell(Cell++, Clamped(Width), Tabs);
        Width = 0;
    }
    IncludeLast(Cell, Clamped(Width));
}

void TResultsColumns::IncludeCell(std::size_t Index, std::int32_t Width, std::int32_t Tabs) {
    if (FColumns.size() <= Index) FColumns.resize(Index + 1);
    TColumn& C = FColumns[Index];
    C.Width = std::max(C.Width, Width);
    C.Tabs = std::max(C.Tabs, Tabs);
}

void TResultsColumns::IncludeLast(std::size_t Index, std::int32_t Width) {
    if (Index == 0) {
        FPlainWidth = std::max(FPlainWidth, Width);
        return;
    }
    if (FColumns.size() <= Index) FColumns.resize(Index + 1);
    FColumns[Index].LastWidth = std::max(FColumns[Index].LastWidth, Width);
}

std::int64_t TResultsColumns::Start(std::size_t Index) const {
    std::int64_t Start = 0;
    for (std::size_t J = 0; J < Index && J < FColumns.size(); ++J) {
        const TColumn& C = FColumns[J];
        // A cell no tab followed is not a column: nothing lies after it.
        if (C.Tabs == 0) break;
        Start = (Start + C.Width) / TabColumns * TabColumns + std::int64_t{C.Tabs} * TabColumns;
    }
    return Start;
}

std::int64_t TResultsColumns::Width() const {
    std::int64_t Widest = FPlainWidth;
    for (std::size_t J = 0; J < FColumns.size(); ++J)
        if (FColumns[J].LastWidth > 0) Widest = std::max(Widest, Start(J) + FColumns[J].LastWidth);
    return Widest;
}

}  // namespace quantiva
