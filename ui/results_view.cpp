// One screen row per line: the rows in view are found by index, expanded
// with their cells at the columns' starts and painted, shifted by the
// horizontal scroll.
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

namespace quantiva {

namespace {

constexpr int Margin = 4;  // pixels around the text

}  // namespace

TResultsView::TResultsView(QWidget* Parent) : QAbstractScrollArea(Parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // rows never wrap
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
}

void TResultsView::AppendLine(std::string_view Line) {
    FLineStart.push_back(FText.size());
    FColumns.Include(Line);
    FText.append(Line);
    FText.push_back('\n');
}

void TResultsView::LinesAdded() {
    FShownCount = FLineStart.size();
    UpdateScrollBars();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void TResultsView::Reserve(std::size_t Lines, std::size_t Bytes) {
    FText.reserve(FText.size() + Bytes);
    FLineStart.reserve(FLineStart.size() + Lines);
}

void TResultsView::ReleaseUnused() {
    quantiva::ReleaseUnused(FText.data(), FText.size() + 1, FText.capacity() + 1);  // and its end
    FLineStart.ReleaseUnused();
}

void TResultsView::Clear() {
    FText.clear();
    FText.shrink_to_fit();
    FLineStart = {};
    FShownCount = 0;
    FColumns.Clear();
    FHasSelection = false;
    UpdateScrollBars();
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

QString TResultsView::ShownLine(std::size_t Index) const {
    const std::string_view Raw = Line(Index);
    const QString Utf16 = QString::fromUtf8(Raw.data(), static_cast<qsizetype>(Raw.size()));
    QString Text;
    Text.reserve(Utf16.size() + 16);
    std::size_t Cell = 0;
    for (qsizetype I = 0; I < Utf16.size(); ++I) {
        if (Utf16[I] != QLatin1Char('\t')) {
            Text += Utf16[I];
            continue;
        }
        // A run of tabs ends the cell; the next starts at its column.
        while (I + 1 < Utf16.size() && Utf16[I + 1] == QLatin1Char('\t')) ++I;
        const qsizetype Start = static_cast<qsizetype>(FColumns.Start(++Cell));
        Text += QString(std::max<qsizetype>(1, Start - Text.size()), QLatin1Char(' '));
    }
    return Text;
}

int TResultsView::RowHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int TResultsView::CharWidth() const {
    return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void TResultsView::UpdateScrollBars() {
    const int Visible = std::max(1, (viewport()->height() - Margin) / RowHeight());
    const std::int64_t Maximum = std::max<std::int64_t>(0, std::int64_t(FShownCount) - Visible);
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::int64_t>(Maximum, INT_MAX)));
    verticalScrollBar()->setPageStep(Visible);
    verticalScrollBar()->setSingleStep(1);
    const std::int64_t Wide = FColumns.Width() * CharWidth() + 2 * Margin;
    const std::int64_t Across = std::max<std::int64_t>(0, Wide - viewport()->width());
    horizontalScrollBar()->setRange(0, static_cast<int>(std::min<std::int64_t>(Across, INT_MAX)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(CharWidth());
}

void TResultsView::paintEvent(QPaintEvent*) {
    QPainter Painter(viewport());
    const int Height = RowHeight();
    const int Ascent = fontMetrics().ascent();
    const int Left = Margin - horizontalScrollBar()->value();
    const std::size_t SelFirst = std::min(FAnchor, FCursor);
    const std::size_t SelLast = std::max(FAnchor, FCursor);
    int Y = Margin;
    for (std::size_t Line = static_cast<std::size_t>(verticalScrollBar()->value());
         Line < FShownCount && Y < viewport()->height(); ++Line, Y += Height) {
        if (FHasSelection && Line >= SelFirst && Line <= SelLast) {
            Painter.fillRect(QRect(0, Y, viewport()->width(), Height), palette().highlight());
            Painter.setPen(palette().color(QPalette::HighlightedText));
        } else {
            Painter.setPen(palette().color(QPalette::Text));
        }
        Painter.drawText(Left, Y + Ascent, ShownLine(Line));
    }
}

void TResultsView::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    UpdateScrollBars();
}

void TResultsView::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) UpdateScrollBars();
}

std::size_t TResultsView::LineAt(const QPoint& Point) const {
    if (FLineStart.empty()) return 0;
    const std::int64_t Row =
        verticalScrollBar()->value() + std::max(0, Point.y() - Margin) / RowHeight();
    return std::min(static_cast<std::size_t>(Row), FLineStart.size() - 1);
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
