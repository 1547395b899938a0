// The "Results" pane: a read-only monospace text of lines, wrapped at the
// pane's width. Lines are kept as one UTF-8 text with their start offsets,
// and only the rows in view are laid out and painted, so a million-line
// range costs tens of megabytes and no relayout per line (a text document
// with a block per line took over 500 MB and seconds for the same).
#pragma once

#include <QAbstractScrollArea>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quantiva {

class TResultsView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Tabs advance to the next multiple of this many columns.
    static constexpr std::int32_t TabColumns = 8;

    explicit TResultsView(QWidget* Parent = nullptr);

    // Stores a line; the pane shows it after LinesAdded.
    void AppendLine(std::string_view Line);
    // Lays out the lines stored since the last call and shows the end.
    void LinesAdded();
    // Room for Lines more lines of Bytes in all: a long range is then
    // never copied to grow (growing copied the text and its indexes over
    // and over, and touched their memory twice).
    void Reserve(std::size_t Lines, std::size_t Bytes);
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
    // The number of screen rows the wrapped text takes at the current width.
    std::int64_t RowCount() const { return FRowStart.empty() ? 0 : FRowStart.back(); }
    // Characters per row at the current width.
    std::int32_t RowColumns() const { return FRowColumns; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    // Display columns of a line with its tabs expanded.
    static std::int32_t Columns(std::string_view Line);
    std::int64_t RowsOf(std::int32_t LineColumns) const;
    void Relayout();
    void LayOutFrom(std::size_t FirstLine);
    void UpdateScrollBar();
    // The line under a point of the viewport (clamped to the last line).
    std::size_t LineAt(const QPoint& Point) const;
    int RowHeight() const;

    std::string FText;
    std::vector<std::size_t> FLineStart;     // offset of each line in FText
    std::vector<std::int32_t> FLineColumns;  // columns of each line
    std::vector<std::int64_t> FRowStart;     // first row of each line, then the total
    std::int32_t FRowColumns = 1;
    std::size_t FAnchor = 0;                 // selection: whole lines
    std::size_t FCursor = 0;
    bool FHasSelection = false;
};

}  // namespace quantiva
