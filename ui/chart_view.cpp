// The chart on the "Chart" page. Pens are set after addSeries, which
// otherwise resets them to the theme's; the title stays empty and is used
// only for its font size, which sets the annotation's line height. The
// view keeps every point; its line series get only what the plot's pixel
// columns can show (Qt Charts strokes and hit-tests every point it holds,
// which took seconds for a million). Points come in chunks while a long
// range runs: each is merged in place and widens the kept bounds, so only
// the reduction reads every point, and a chart out of view leaves even
// that until it is shown.
#include "ui/chart_view.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

#include "ui/core/annotation.h"
#include "ui/huge_pages.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

constexpr int MarkerPixels = 7;      // a triangle 2 pixels either side of a 3-pixel middle
// The hidden title's font sets the annotation's size. Held in pixels, like
// the line height derived from it: 11 px text on 14 px lines.
constexpr int TitleFontPixels = 11;
const QColor PdfColour(128, 128, 255);

QValueAxis* ValueAxis(QChart* Chart, const QString& Title, Qt::Alignment Where) {
    auto* Axis = new QValueAxis;
    Axis->setTitleText(Title);
    Axis->setGridLineVisible(false);
    Axis->setMinorGridLineVisible(false);
    Chart->addAxis(Axis, Where);
    return Axis;
}

// An axis spans its data with rounded ticks; a single value gets a unit
// around it, and no data (Min > Max) leaves the axis as it was. Qt Charts
// maps values through span × pixels and plot width / span: a span near the
// top of the doubles, or one too small to divide by, gives non-finite
// positions and labels, and drawing markers there crashes. Such axes end
// at ±1e300, or get a unit around their centre.
void FitAxis(QValueAxis& Axis, qreal Min, qreal Max) {
    if (Min > Max) return;
    constexpr qreal Limit = 1e300;
    constexpr qreal Smallest = 1e-300;
    Min = std::clamp(Min, -Limit, Limit);
    Max = std::clamp(Max, -Limit, Limit);
    if (!(Max - Min >= Smallest)) {
        const qreal Centre = Min / 2 + Max / 2;
        const qreal Half = std::max<qreal>(0.5, std::abs(Centre) * 0.05);
        Min = Centre - Half;
        Max = Centre + Half;
    }
    Axis.setRange(Min, Max);
    Axis.applyNiceNumbers();
    // Qt's own labels are fixed notation with the decimals the tick
    // interval needs: right for everyday axes, but 1e300 would come out
    // with all its digits and 1e-300 after 300 zeros, and labels that long
    // squeeze the plot area to nothing.
    const qreal Magnitude = std::max(std::abs(Axis.min()), std::abs(Axis.max()));
    const bool Everyday = Magnitude < 1e7 && Axis.max() - Axis.min() > 1e-6;
    Axis.setLabelFormat(Everyday ? QString() : QStringLiteral("%.6g"));
}

bool LessX(const QPointF& A, const QPointF& B) { return A.x() < B.x(); }

// A stable sort by x that sees the usual cases in one pass: a range comes
// in ascending x, or in descending x when LB > UB.
void SortByX(QList<QPointF>& Points) {
    if (std::is_sorted(Points.cbegin(), Points.cend(), LessX)) return;
    const auto NotBelow = [](const QPointF& A, const QPointF& B) { return !(B.x() < A.x()); };
    // Strictly descending: no ties whose order reversing would swap.
    if (std::adjacent_find(Points.cbegin(), Points.cend(), NotBelow) == Points.cend())
        std::reverse(Points.begin(), Points.end());
    else
        std::stable_sort(Points.begin(), Points.end(), LessX);
}

void StyleSeries(QLineSeries* Series, const QColor& Colour, bool MarkerDown) {
    QPen Pen(Colour);
    Pen.setWidth(1);
    Series->setPen(Pen);
    Series->setPointsVisible(true);
    Series->setMarkerSize(MarkerPixels);
    Series->setLightMarker(TriangleMarker(Colour, MarkerDown));
}

}  // namespace

void TPointBounds::Include(const QPointF* First, const QPointF* Last) {
    for (const QPointF* P = First; P != Last; ++P) {
        XMin = std::min(XMin, P->x());
        XMax = std::max(XMax, P->x());
        YMin = std::min(YMin, P->y());
        YMax = std::max(YMax, P->y());
    }
}

void MergeByX(QList<QPointF>& Shown, QList<QPointF> Added) {
    SortByX(Added);
    if (Added.isEmpty()) return;
    if (Shown.isEmpty()) {
        Shown = std::move(Added);
        return;
    }
    // Nothing new left of the last shown point: new points of equal x go
    // after the shown ones anyway.
    if (!(Added.front().x() < Shown.back().x())) {
        Shown.append(std::move(Added));
        return;
    }
    QList<QPointF> Merged;
    Merged.reserve(Shown.size() + Added.size());
    // std::merge takes from the first range on ties: shown points stay
    // before new ones of equal x.
    std::merge(Shown.cbegin(), Shown.cend(), Added.cbegin(), Added.cend(),
               std::back_inserter(Merged), LessX);
    Shown = std::move(Merged);
}

QImage TriangleMarker(const QColor& Colour, bool PointingDown) {
    QImage Image(MarkerPixels, MarkerPixels, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    // Corners on the image's outer edges so that the apex and the base
    // rows are covered by the fill.
    const qreal Size = MarkerPixels;
    const qreal Apex = PointingDown ? Size : 0;
    const qreal Base = PointingDown ? 0 : Size;
    QPainterPath Path;
    Path.moveTo(Size / 2, Apex);
    Path.lineTo(0, Base);
    Path.lineTo(Size, Base);
    Path.closeSubpath();
    QPainter Painter(&Image);
    Painter.fillPath(Path, Colour);
    return Image;
}

// The chart goes in at construction: a chart given later by setChart
// leaves the view's own default chart to its caller, which would leak it.
TChartView::TChartView(const model::TProbDistribution& Distribution, char DecimalSeparator,
                       QWidget* Parent)
    : QChartView(new QChart, Parent), FDistribution(Distribution),
      FDecimalSeparator(DecimalSeparator) {
    QChart* Chart1 = chart();
    Chart1->setBackgroundBrush(Qt::white);
    Chart1->setBackgroundRoundness(0);
    Chart1->setPlotAreaBackgroundVisible(false);
    Chart1->setMargins(QMargins(0, 0, 0, 0));
    Chart1->setTitle(QString());
    QFont TitleFont = Chart1->titleFont();
    TitleFont.setPixelSize(TitleFontPixels);
    Chart1->setTitleFont(TitleFont);
    Chart1->legend()->setAlignment(Qt::AlignTop);
    Chart1->legend()->setVisible(true);
    // Axis labels in the user's locale, as the results text is written.
    Chart1->setLocale(QLocale::system());
    Chart1->setLocalizeNumbers(true);
    setRenderHint(QPainter::Antialiasing, false);

    FAxisBottom = ValueAxis(Chart1, QString(), Qt::AlignBottom);
    FAxisLeft = ValueAxis(Chart1, QStringLiteral("PDF"), Qt::AlignLeft);
    FAxisRight = ValueAxis(Chart1, QStringLiteral("CDF"), Qt::AlignRight);

    FSeries1 = new QLineSeries;
    FSeries1->setName(QStringLiteral("PDF"));
    FSeries2 = new QLineSeries;
    FSeries2->setName(QStringLiteral("CDF"));
    Chart1->addSeries(FSeries1);
    Chart1->addSeries(FSeries2);
    FSeries1->attachAxis(FAxisBottom);
    FSeries1->attachAxis(FAxisLeft);
    FSeries2->attachAxis(FAxisBottom);
    FSeries2->attachAxis(FAxisRight);
    // The second series keeps the colour the theme gave it.
    StyleSeries(FSeries1, PdfColour, false);
    StyleSeries(FSeries2, FSeries2->color(), true);
    // A new plot width needs a new reduction; while the axes are being
    // fitted, the reduction that follows them will do.
    connect(Chart1, &QChart::plotAreaChanged, this, [this](const QRectF& Area) {
        if (!FFitting && static_cast<int>(Area.width()) != FShownColumns) ShowPoints();
    });
}

void TChartView::SetPoints(std::size_t Series, QList<QPointF> Points) {
    FPoints.at(Series) = std::move(Points);
    FTaken[Series].clear();
    FCounted[Series] = FPoints[Series].size();
    FBounds[Series] = {};
    FBounds[Series].Include(FPoints[Series]);
    FSummary[Series].clear();
    ExtendSummary(FPoints[Series], FSummary[Series]);
    Redisplay();
}

void TChartView::TakePoint(std::size_t Series, const QPointF& Point) {
    QList<QPointF>& Kept = FPoints.at(Series);
    // Points left of the last kept one wait: their place needs a merge.
    // Those taken at the end meanwhile lie right of all of them, so the
    // merge puts every point where insertion one by one would.
    if (Kept.isEmpty() || !(Point.x() < Kept.back().x()))
        Kept.append(Point);
    else
        FTaken[Series].append(Point);
}

void TChartView::ReservePoints(qsizetype Count) {
    for (QList<QPointF>& Kept : FPoints) {
        Kept.reserve(Kept.size() + Count);
        AdviseHugePages(Kept.constData(), static_cast<std::size_t>(Kept.capacity()) * sizeof(QPointF));
    }
}

void TChartView::ShowAdded(bool Display) {
    for (std::size_t I = 0; I < FPoints.size(); ++I) {
        QList<QPointF>& Kept = FPoints[I];
        if (Kept.size() == FCounted[I] && FTaken[I].isEmpty()) continue;
        FBounds[I].Include(Kept.constData() + FCounted[I], Kept.constData() + Kept.size());
        FBounds[I].Include(FTaken[I]);
        if (!FTaken[I].isEmpty()) {
            MergeByX(Kept, std::exchange(FTaken[I], {}));
            FSummary[I].clear();  // points moved: summed up anew
        }
        ExtendSummary(Kept, FSummary[I]);
        FCounted[I] = Kept.size();
        FUndisplayed = true;
    }
    if (Display && FUndisplayed) Redisplay();
}

void TChartView::showEvent(QShowEvent* Event) {
    if (FUndisplayed) Redisplay();
    QChartView::showEvent(Event);
}

void TChartView::Redisplay() {
    FUndisplayed = false;
    // New axis labels can change the plot's width, which asks for a new
    // reduction at once: one reduction afterwards is enough.
    FFitting = true;
    FitAxes();
    FFitting = false;
    ShowPoints();
}

void TChartView::FitAxes() {
    FitAxis(*FAxisBottom, std::min(FBounds[0].XMin, FBounds[1].XMin),
            std::max(FBounds[0].XMax, FBounds[1].XMax));
    FitAxis(*FAxisLeft, FBounds[0].YMin, FBounds[0].YMax);
    FitAxis(*FAxisRight, FBounds[1].YMin, FBounds[1].YMax);
}

void TChartView::ShowPoints() {
    FShownColumns = std::max(1, static_cast<int>(chart()->plotArea().width()));
    const qreal XMin = FAxisBottom->min();
    const qreal XMax = FAxisBottom->max();
    FSeries1->replace(Decimated(FPoints[0], FSummary[0], XMin, XMax, FShownColumns));
    FSeries2->replace(Decimated(FPoints[1], FSummary[1], XMin, XMax, FShownColumns));
}

void ExtendSummary(const QList<QPointF>& Points, TPointSummary& Summary) {
    const qsizetype Count = Points.size();
    if (!Summary.empty()) Summary.pop_back();  // the last block may have grown
    for (qsizetype First = static_cast<qsizetype>(Summary.size()) * SummaryBlock; First < Count;
         First += SummaryBlock) {
        TBlockExtremes Block{First, First};
        for (qsizetype I = First + 1; I < std::min(Count, First + SummaryBlock); ++I) {
            if (Points[I].y() < Points[Block.Low].y()) Block.Low = I;
            if (Points[I].y() > Points[Block.High].y()) Block.High = I;
        }
        Summary.push_back(Block);
    }
}

QList<QPointF> Decimated(const QList<QPointF>& Points, qreal XMin, qreal XMax, int Columns) {
    TPointSummary Summary;
    ExtendSummary(Points, Summary);
    return Decimated(Points, Summary, XMin, XMax, Columns);
}

QList<QPointF> Decimated(const QList<QPointF>& Points, const TPointSummary& Summary, qreal XMin,
                         qreal XMax, int Columns) {
    const qsizetype Keep = 4 * static_cast<qsizetype>(std::max(1, Columns));
    if (Points.size() <= Keep || !(XMax > XMin)) return Points;
    const qreal Scale = Columns / (XMax - XMin);
    // Column of a point; x outside the axis (not the case here, the axis
    // spans the data) is clamped to the end columns.
    auto ColumnOf = [&](const QPointF& P) {
        return static_cast<qsizetype>(std::clamp<qreal>((P.x() - XMin) * Scale, 0, Columns));
    };
    QList<QPointF> Result;
    Result.reserve(Keep + 4);
    qsizetype First = 0;
    while (First < Points.size()) {
        const qsizetype Column = ColumnOf(Points[First]);
        // Ascending x: a column's points are contiguous, its end found by
        // bisection rather than by placing every point.
        const auto End = std::partition_point(Points.cbegin() + First + 1, Points.cend(),
                                              [&](const QPointF& P) { return ColumnOf(P) == Column; });
        const qsizetype Last = (End - Points.cbegin()) - 1;
        // Whole blocks by their extremes, in order: the first of equals
        // stays, as a scan point by point would keep it.
        qsizetype Low = First, High = First;
        for (qsizetype I = First + 1; I <= Last;) {
            qsizetype L = I, H = I, Next = I + 1;
            if (I % SummaryBlock == 0 && I + SummaryBlock - 1 <= Last) {
                const TBlockExtremes& Block = Summary[static_cast<std::size_t>(I / SummaryBlock)];
                L = Block.Low;
                H = Block.High;
                Next = I + SummaryBlock;
            }
            if (Points[L].y() < Points[Low].y()) Low = L;
            if (Points[H].y() > Points[High].y()) High = H;
            I = Next;
        }
        std::array<qsizetype, 4> Kept{First, std::min(Low, High), std::max(Low, High), Last};
        for (std::size_t K = 0; K < Kept.size(); ++K)
            if (K == 0 || Kept[K] != Kept[K - 1]) Result.append(Points[Kept[K]]);
        First = Last + 1;
    }
    return Result;
}

void TChartView::SetAnnotationShown(bool Shown) {
    FAnnotationShown = Shown;
    viewport()->update();
}

void TChartView::drawForeground(QPainter* Painter, const QRectF& Rect) {
    QChartView::drawForeground(Painter, Rect);
    Painter->save();
    Chart1AfterDraw(*Painter);
    Painter->restore();
}

void TChartView::Chart1AfterDraw(QPainter& Painter) const {
    if (!FAnnotationShown) return;
    const int FontSize = chart()->titleFont().pixelSize();
    QFont Font = Painter.font();
    Font.setPixelSize(FontSize);
    Painter.setFont(Font);
    const QRectF Plot = chart()->plotArea();
    const auto Lines =
        uicore::AnnotationLines(FDistribution, static_cast<std::int32_t>(Plot.left()),
                                static_cast<std::int32_t>(Plot.top()), FontSize, FDecimalSeparator);
    for (const uicore::TAnnotationLine& Line : Lines)
        Painter.drawText(QRect(Line.X, Line.Y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         ToQString(Line.Text));
}

}  // namespace quantiva
