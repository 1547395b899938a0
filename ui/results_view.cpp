// Wrapped rows are counted, not laid out: in a monospace font a line of c
// display columns (tabs expanded) takes ceil(c / columns per row) rows. The
// first row of every line is kept as a running sum, so the rows in view are
// found by a binary search and only they are expanded and painted.
#include "ui/results_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "ui/huge_pages.h"

namespace quantiva {

namespace {

constexpr int Margin = 4;  // pixels around the text

bool ContinuationByte(char C) { return (static_cast<unsigned char>(C) & 0xC0) == 0x80; }

// The line with its tabs replaced by blanks up to the next tab stop.
QString Expanded(std::string_view Line) {
    QString Text;
    const QString Utf16 = QString::fromUtf8(Line.data(), static_cast<qsizetype>(Line.size()));
    Text.reserve(Utf16.size());
    for (const QChar C : Utf16) {
        if (C == QLatin1Char('\t'))
            do Text += QLatin1Char(' ');
            while (Text.size() % TResultsView::TabColumns != 0);
        else
            Text += C;
    }
    return Text;
}

}  // namespace

TResultsView::TResultsView(QWidget* Parent) : QAbstractScrollArea(Parent), FRowStart{0} {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap instead
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
}

std::int32_t TResultsView::Columns(std::string_view Line) {
    std::int64_t Count = 0;
    for (const char C : Line) {
        if (C == '\t')
            Count += TabColumns - Count % TabColumns;
        else if (!ContinuationByte(C))
            ++Count;
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(Count, INT32_MAX));
}

std::int64_t TResultsView::RowsOf(std::int32_t LineColumns) const {
    return std::max<std::int64_t>(1, (std::int64_t{LineColumns} + FRowColumns - 1) / FRowColumns);
}

void TResultsView::AppendLine(std::string_view Line) {
    FLineStart.push_back(FText.size());
    FLineColumns.push_back(Columns(Line));
    FText.append(Line);
    FText.push_back('\n');
}

void TResultsView::LinesAdded() {
    LayOutFrom(FRowStart.size() - 1);
    UpdateScrollBar();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void TResultsView::Reserve(std::size_t Lines, std::size_t Bytes) {
    FText.reserve(FText.size() + Bytes);
    FLineStart.reserve(FLineStart.size() + Lines);
    FLineColumns.reserve(FLineColumns.size() + Lines);
    FRowStart.reserve(FRowStart.size() + Lines);
    AdviseHugePages(FText.data(), FText.capacity());
    AdviseHugePages(FLineStart.data(), FLineStart.capacity() * sizeof(std::size_t));
    AdviseHugePages(FLineColumns.data(), FLineColumns.capacity() * sizeof(std::int32_t));
    AdviseHugePages(FRowStart.data(), FRowStart.capacity() * sizeof(std::int64_t));
}

void TResultsView::Clear() {
    FText.clear();
    FText.shrink_to_fit();
    FLineStart = {};
    FLineColumns = {};
    FRowStart = {0};
    FHasSelection = false;
    UpdateScrollBar();
    viewport()->update();
}

std::string_view TResultsView::Line(std::size_t Index) const {
    const std::size_t Start = FLineStart.at(Index);
    const std::size_t End = Index + 1 < FLineStart.size() ? FLineStart[Index + 1] : FText.size();
    return std::string_view(FText).substr(Start, End - Start - 1);  // without its newline
}

QString TResultsView::PlainText() const {
    if (FText.empty()) return {};
    return QString::fromUtf8(FText.data(), static_cast<qsizetype>(FText.size() - 1));
}

void TResultsView::SelectLines(std::size_t First, std::size_t Last) {
    if (FLineStart.empty()) return;
    FAnchor = std::min(First, FLineStart.size() - 1);
    FCursor = std::min(Last, FLineStart.size() - 1);
    FHasSelection = true;
    viewport()->update();
}

void TResultsView::SelectAll() {
    if (!FLineStart.empty()) SelectLines(0, FLineStart.size() - 1);
}

QString TResultsView::SelectedText() const {
    if (!FHasSelection || FLineStart.empty()) return {};
    const std::size_t First = std::min(FAnchor, FCursor);
    const std::size_t Last = std::max(FAnchor, FCursor);
    const std::size_t Start = FLineStart[First];
    const std::size_t End = Last + 1 < FLineStart.size() ? FLineStart[Last + 1] : FText.size();
    return QString::fromUtf8(FText.data() + Start, static_cast<qsizetype>(End - Start - 1));
}

void TResultsView::Copy() const {
    if (FHasSelection) QApplication::clipboard()->setText(SelectedText());
}

int TResultsView::RowHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

void TResultsView::Relayout() {
    const int CharWidth = std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0')));
    FRowColumns = std::max(1, (viewport()->width() - 2 * Margin) / CharWidth);
    FRowStart.resize(1);
    FRowStart.reserve(FLineColumns.size() + 1);
    LayOutFrom(0);
    UpdateScrollBar();
}

void TResultsView::LayOutFrom(std::size_t FirstLine) {
    // No exact reserve here: a long range lays out its lines in many small
    // steps, and growing to the exact size each time copied them all.
    FRowStart.resize(FirstLine + 1);
    for (std::size_t I = FirstLine; I < FLineColumns.size(); ++I)
        FRowStart.push_back(FRowStart.back() + RowsOf(FLineColumns[I]));
}

void TResultsView::UpdateScrollBar() {
    const int Visible = std::max(1, (viewport()->height() - Margin) / RowHeight());
    const std::int64_t Maximum = std::max<std::int64_t>(0, RowCount() - Visible);
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::int64_t>(Maximum, INT_MAX)));
    verticalScrollBar()->setPageStep(Visible);
    verticalScrollBar()->setSingleStep(1);
}

void TResultsView::paintEvent(QPaintEvent*) {
    QPainter Painter(viewport());
    const int Height = RowHeight();
    const int Ascent = fontMetrics().ascent();
    const std::int64_t FirstRow = verticalScrollBar()->value();
    // The line holding the first row in view.
    std::size_t Line =
        static_cast<std::size_t>(std::upper_bound(FRowStart.begin(), FRowStart.end(), FirstRow) -
                                 FRowStart.begin()) - 1;
    std::int64_t Skip = FirstRow - FRowStart[std::min(Line, FRowStart.size() - 1)];
    const std::size_t SelFirst = std::min(FAnchor, FCursor);
    const std::size_t SelLast = std::max(FAnchor, FCursor);
    // Only lines already laid out are painted.
    const std::size_t LaidOut = FRowStart.size() - 1;
    int Y = Margin;
    for (; Line < LaidOut && Y < viewport()->height(); ++Line) {
        const QString Text = Expanded(this->Line(Line));
        const bool Selected = FHasSelection && Line >= SelFirst && Line <= SelLast;
        const std::int64_t Rows = FRowStart[Line + 1] - FRowStart[Line];
        for (std::int64_t Row = Skip; Row < Rows && Y < viewport()->height(); ++Row) {
            if (Selected) {
                Painter.fillRect(QRect(0, Y, viewport()->width(), Height), palette().highlight());
                Painter.setPen(palette().color(QPalette::HighlightedText));
            } else {
                Painter.setPen(palette().color(QPalette::Text));
            }
            Painter.drawText(Margin, Y + Ascent, Text.mid(Row * FRowColumns, FRowColumns));
            Y += Height;
        }
        Skip = 0;
    }
}

void TResultsView::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    Relayout();
}

void TResultsView::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) Relayout();
}

std::size_t TResultsView::LineAt(const QPoint& Point) const {
    if (FLineStart.empty()) return 0;
    const std::int64_t Row =
        verticalScrollBar()->value() + std::max(0, Point.y() - Margin) / RowHeight();
    const auto After = std::upper_bound(FRowStart.begin(), FRowStart.end(), Row);
    const auto Line = static_cast<std::size_t>(After - FRowStart.begin()) - 1;
    return std::min(Line, FLineStart.size() - 1);
}

void TResultsView::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton || FLineStart.empty()) return;
    const std::size_t Line = LineAt(Event->position().toPoint());
    SelectLines((Event->modifiers() & Qt::ShiftModifier) && FHasSelection ? FAnchor : Line, Line);
}

void TResultsView::mouseMoveEvent(QMouseEvent* Event) {
    if (!(Event->buttons() & Qt::LeftButton) || !FHasSelection) return;
    FCursor = LineAt(Event->position().toPoint());
    viewport()->update();
}

void TResultsView::keyPressEvent(QKeyEvent* Event) {
    if (Event->matches(QKeySequence::Copy))
        Copy();
    else if (Event->matches(QKeySequence::SelectAll))
        SelectAll();
    else
        QAbstractScrollArea::keyPressEvent(Event);
}

void TResultsView::contextMenuEvent(QContextMenuEvent* Event) {
    QMenu Menu(this);
    QAction* CopyAction = Menu.addAction(tr("&Copy"), this, &TResultsView::Copy);
    CopyAction->setEnabled(FHasSelection);
    Menu.addAction(tr("Select &All"), this, &TResultsView::SelectAll);
    Menu.exec(Event->globalPos());
}

}  // namespace quantiva
