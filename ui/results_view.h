// The "Results" pane: a read-only monospace text of lines, one screen row
// each, never wrapped (the pane scrolls sideways), with the tab-separated
// cells aligned in columns under their headers. Lines are kept as one
// UTF-8 text with their start offsets, and only the rows in view are
// expanded and painted, so a million-line range costs tens of megabytes
// and no relayout per line (a text document with a block per line took
// over 500 MB and seconds for the same).
#pragma once

#include <QAbstractScrollArea>
#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/huge_pages.h"
#include "ui/results_columns.h"

namespace quantiva {

// The start offsets of the lines in a text, ascending: the low 32 bits of
// each, and the lines at which the high part steps up (a text beyond 4 GB),
// half the memory of whole offsets for the millions of lines of a range.
class TLineStarts {
public:
    void push_back(std::size_t Offset) {
        while ((Offset >> 32) > FSteps.size()) FSteps.push_back(FLow.size());
        FLow.push_back(static_cast<std::uint32_t>(Offset));
    }
    std::size_t operator[](std::size_t Line) const {
        const auto High = std::upper_bound(FSteps.cbegin(), FSteps.cend(), Line) - FSteps.cbegin();
        return static_cast<std::size_t>(High) << 32 | FLow[Line];
    }
    // Raises std::out_of_range past the last line.
    std::size_t at(std::size_t Line) const {
        if (Line >= FLow.size()) throw std::out_of_range("No line " + std::to_string(Line));
        return (*this)[Line];
    }
    std::size_t size() const { return FLow.size(); }
    bool empty() const { return FLow.empty(); }
    void reserve(std::size_t Lines) { FLow.reserve(Lines); }
    void ReleaseUnused() const {
        quantiva::ReleaseUnused(FLow.data(), FLow.size() * sizeof(std::uint32_t),
                                FLow.capacity() * sizeof(std::uint32_t));
    }

private:
    std::vector<std::uint32_t, THugePageAllocator<std::uint32_t>> FLow;
    std::vector<std::size_t> FSteps;  // [k]: the first line at or past (k + 1) << 32
};

class TResultsView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TResultsView(QWidget* Parent = nullptr);

    // Stores a line; the pane shows it after LinesAdded.
    void AppendLine(std::string_view Line);
    // The same for a line of cells of known display widths, a run of Tabs
    // tabs after each but the last.
    void AppendCells(std::string_view Line, std::span<const std::int32_t> Widths,
                     std::int32_t Tabs) {
        FLineStart.push_back(FText.size());
        FColumns.IncludeCells(Widths, Tabs);
        FText.append(Line);
        FText.push_back('\n');
    }
    // Shows the lines stored since the last call, scrolled to the end.
    void LinesAdded();
    // Room for Lines more lines of Bytes in all: a long range is then
    // never copied to grow (growing copied the text and its indexes over
    // and over, and touched their memory twice).
    void Reserve(std::size_t Lines, std::size_t Bytes);
    // The room reserved and not filled holds no memory.
    void ReleaseUnused();
    void Clear();

    std::size_t LineCount() const { return FLineStart.size(); }
    std::string_view Line(std::size_t Index) const;
    // All lines joined by newlines.
    QString PlainText() const;
    // Lines First..Last (inclusive, in either order) are selected; Copy puts
    // the selection on the clipboard.
    void SelectLines(std::size_t First, std::size_t Last);
    void SelectAll();
    QString SelectedText() const;
    void Copy() const;
    // Line Index as shown: its cells at their columns' starts.
    QString ShownLine(std::size_t Index) const;
    // Display columns of the widest shown line.
    std::int64_t ShownColumns() const { return FColumns.Width(); }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    void UpdateScrollBars();
    // The line under a point of the viewport (clamped to the last line).
    std::size_t LineAt(const QPoint& Point) const;
    int RowHeight() const;
    int CharWidth() const;

    std::basic_string<char, std::char_traits<char>, THugePageAllocator<char>> FText;
    TLineStarts FLineStart;       // of each line in FText
    std::size_t FShownCount = 0;  // lines shown so far
    TResultsColumns FColumns;
    std::size_t FAnchor = 0;  // selection: whole lines
    std::size_t FCursor = 0;
    bool FHasSelection = false;
};

}  // namespace quantiva
