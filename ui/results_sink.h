// The results pane as the core's text sink. Lines are stored as they come
// and laid out once when the command ends: laying out and repainting the
// pane per line made a million-line range take minutes.
#pragma once

#include "ui/core/calc_core.h"
#include "ui/results_view.h"

namespace quantiva {

class TMemoResultsSink : public uicore::TResultsSink {
public:
    explicit TMemoResultsSink(TResultsView* Memo) : FMemo(Memo) {}

    void AppendLine(std::string_view Line) override { FMemo->AppendLine(Line); }
    void AppendCells(std::string_view Line, std::span<const std::int32_t> Widths) override {
        FMemo->AppendCells(Line, Widths, uicore::RowTabs);
    }
    void ClearLines() override { FMemo->Clear(); }
    void ExpectLines(std::int64_t Lines, double Bytes) override {
        FMemo->Reserve(static_cast<std::size_t>(Lines), static_cast<std::size_t>(Bytes));
    }
    // Shows the lines stored since the last call.
    void Flush() { FMemo->LinesAdded(); }

private:
    TResultsView* FMemo;
};

}  // namespace quantiva
