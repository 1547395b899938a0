// The chart on the "Chart" page. Pens are set after addSeries, which
// otherwise resets them to the theme's; the title stays empty and is used
// only for its font size, which sets the annotation's line height. The
// view keeps every point; its line series get only what the plot's pixel
// columns can show (Qt Charts strokes and hit-tests every point it holds,
// which took seconds for a million). Points come in chunks while a long
// range runs: each is merged in place and widens the kept bounds, so only
// the reduction reads every point, and a chart out of view leaves even
// that until it is shown. The annotation lies in the chart's top margin,
// clear of the curves and axes, and every repaint draws the whole view.
#include "ui/chart_view.h"

#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

#include "ui/chart_annotation.h"
#include "ui/chart_axes.h"
#include "ui/core/annotation.h"
#include "ui/huge_pages.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

constexpr int MarkerPixels = 7;  // a triangle 2 pixels either side of a 3-pixel middle
// The hidden title's font sets the annotation's size. Held in pixels, like
// the line height derived from it: 11 px text on 14 px lines.
constexpr int TitleFontPixels = 11;
const QColor PdfColour(128, 128, 255);
// Room beyond the end ticks for half a marker and its outline.
constexpr qreal MarkerRoom = MarkerPixels / 2 + 1;
// Pixels per tick interval: labels across need more room than labels up.
constexpr qreal TickSpacingAcross = 60;
constexpr qreal TickSpacingUp = 40;
// What the axes, their labels and titles and the legend take of the view.
constexpr QSizeF AxesAllowance(130, 110);
constexpr int BandInset = 8;  // annotation text from the chart's left edge
constexpr int BandPad = 4;    // above and below the annotation's rows

QValueAxis* ValueAxis(QChart* Chart, const QString& Title, Qt::Alignment Where) {
    auto* Axis = new QValueAxis;
    Axis->setTitleText(Title);
    Axis->setGridLineVisible(false);
    Axis->setMinorGridLineVisible(false);
    Chart->addAxis(Axis, Where);
    return Axis;
}

// The hidden title's font, upright: the annotation's size follows it.
QFont AnnotationFont(const QChart& Chart) {
    QFont Font = Chart.titleFont();
    Font.setBold(false);
    return Font;
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

void TPointBounds::Include(std::span<const QPointF> Points) {
    for (const QPointF& P : Points) {
        XMin = std::min(XMin, P.x());
        XMax = std::max(XMax, P.x());
        YMin = std::min(YMin, P.y());
        YMax = std::max(YMax, P.y());
    }
}

void MergeByX(TPointList& Shown, QList<QPointF> Added) {
    SortByX(Added);
    if (Added.isEmpty()) return;
    // Nothing new left of the last shown point: new points of equal x go
    // after the shown ones anyway.
    if (Shown.empty() || !(Added.front().x() < Shown.back().x())) {
        Shown.insert(Shown.end(), Added.cbegin(), Added.cend());
        return;
    }
    TPointList Merged;
    Merged.reserve(Shown.size() + Added.size());
    // std::merge takes from the first range on ties: shown points stay
    // before new ones of equal x.
    std::merge(Shown.cbegin(), Shown.cend(), Added.cbegin(), Added.cend(),
               std::back_inserter(Merged), LessX);
    Shown = std::move(Merged);
}

QImage TriangleMarker(const QColor& Colour, bool PointingDown, qreal Ratio) {
    const int Pixels = std::max(MarkerPixels, static_cast<int>(std::lround(MarkerPixels * Ratio)));
    QImage Image(Pixels, Pixels, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    // Corners on the image's outer edges so that the apex and the base
    // rows are covered by the fill.
    const qreal Size = Pixels;
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
    : QChartView(new QChart, Parent),
      FDistribution(Distribution),
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

    // Every repaint draws the whole view: the annotation over the band is
    // never left half old, half new.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);

    FAxisBottom = ValueAxis(Chart1, QStringLiteral("x"), Qt::AlignBottom);
    FAxisLeft = ValueAxis(Chart1, QStringLiteral("PDF"), Qt::AlignLeft);
    FAxisInverse = ValueAxis(Chart1, QStringLiteral("x(p)"), Qt::AlignLeft);
    FAxisRight = ValueAxis(Chart1, QStringLiteral("CDF"), Qt::AlignRight);

    FSeries1 = new QLineSeries;
    FSeries1->setName(QStringLiteral("PDF"));
    FSeries2 = new QLineSeries;
    FSeries2->setName(QStringLiteral("CDF"));
    FSeries3 = new QLineSeries;
    FSeries3->setName(QStringLiteral("x(p)"));
    Chart1->addSeries(FSeries1);
    Chart1->addSeries(FSeries2);
    Chart1->addSeries(FSeries3);
    FSeries1->attachAxis(FAxisBottom);
    FSeries1->attachAxis(FAxisLeft);
    FSeries2->attachAxis(FAxisBottom);
    FSeries2->attachAxis(FAxisRight);
    FSeries3->attachAxis(FAxisBottom);
    FSeries3->attachAxis(FAxisInverse);
    // The second and third series keep the colours the theme gave them.
    StyleSeries(FSeries1, PdfColour, false);
    StyleSeries(FSeries2, FSeries2->color(), true);
    StyleSeries(FSeries3, FSeries3->color(), false);
    FitAxes();
    // A new plot width needs a new reduction; while the axes are being
    // fitted, or points wait to be displayed, the reduction that follows
    // will do.
    connect(Chart1, &QChart::plotAreaChanged, this, [this](const QRectF& Area) {
        if (!FFitting && !FUndisplayed && static_cast<int>(Area.width()) != FShownColumns)
            ShowPoints();
    });
    FOverlay = new TChartOverlay(*this);
}

void TChartView::ClearPoints(std::size_t Series) {
    FPoints.at(Series) = {};
    FTaken[Series] = {};
    FCounted[Series] = 0;
    FBounds[Series] = {};
    FSummary[Series] = {};
    if (std::all_of(FPoints.cbegin(), FPoints.cend(), [](const auto& P) { return P.empty(); }))
        SetSubject(std::nullopt);
    // A chart out of view is fitted when shown: laying its axes out now
    // cost a millisecond or two at every calculation.
    if (isVisible())
        Redisplay();
    else
        FUndisplayed = true;
}

void TChartView::ReservePoints(std::size_t Series, qsizetype Count) {
    TPointList& Kept = FPoints.at(Series);
    Kept.reserve(Kept.size() + static_cast<std::size_t>(Count));
    FSummary.at(Series).reserve(Kept.capacity() / SummaryBlock);
}

void TChartView::ReleaseUnused() const {
    for (const TPointList& Kept : FPoints)
        quantiva::ReleaseUnused(Kept.data(), Kept.size() * sizeof(QPointF),
                                Kept.capacity() * sizeof(QPointF));
}

void TChartView::ShowAdded(bool Display) {
    for (std::size_t I = 0; I < FPoints.size(); ++I) {
        TPointList& Kept = FPoints[I];
        if (std::ssize(Kept) == FCounted[I] && FTaken[I].isEmpty()) continue;
        if (!FTaken[I].isEmpty()) {
            MergeByX(Kept, std::exchange(FTaken[I], {}));
            // Points moved: summed up anew.
            FSummary[I].clear();
            FBounds[I] = {};
            FCounted[I] = 0;
        }
        // The new points' bounds in y: whole new blocks through their
        // extremes (summed up as the points came), the few points before
        // and after them one by one; in x from the ends.
        ExtendSummary(Kept, FSummary[I]);
        TPointBounds& Bounds = FBounds[I];
        const auto Counted = static_cast<std::size_t>(FCounted[I]);
        const std::size_t Block = SummaryBlock;
        const std::size_t First = std::min(Kept.size(), (Counted + Block - 1) / Block * Block);
        const std::size_t Last = std::max(First, FSummary[I].size() * Block);
        Bounds.Include(std::span(Kept).subspan(Counted, First - Counted));
        for (std::size_t B = First / Block; B < Last / Block; ++B) {
            Bounds.YMin = std::min(Bounds.YMin, FSummary[I][B].LowY);
            Bounds.YMax = std::max(Bounds.YMax, FSummary[I][B].HighY);
        }
        Bounds.Include(std::span(Kept).subspan(Last));
        Bounds.XMin = Kept.front().x();  // ascending in x
        Bounds.XMax = Kept.back().x();
        FCounted[I] = std::ssize(Kept);
        FUndisplayed = true;
    }
    if (Display && FUndisplayed) Redisplay();
}

void TChartView::showEvent(QShowEvent* Event) {
    if (FUndisplayed) Redisplay();
    QChartView::showEvent(Event);
}

void TChartView::resizeEvent(QResizeEvent* Event) {
    QChartView::resizeEvent(Event);
    LayOutAnnotation();
    // Points waiting (a range ended while the chart was out of view) are
    // fitted once, when the chart is shown.
    if (FUndisplayed) return;
    FFitting = true;
    FitAxes();
    FFitting = false;
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

QSizeF TChartView::PlotEstimate() const {
    const QSizeF Rest = QSizeF(size()) - AxesAllowance - QSizeF(0, AnnotationBand().height());
    return Rest.expandedTo(QSizeF(100, 100));
}

void TChartView::FitAxes() {
    const QSizeF Plot = PlotEstimate();
    const int Across = TickRoom(Plot.width(), TickSpacingAcross);
    const int Up = TickRoom(Plot.height(), TickSpacingUp);
    TPointBounds All;
    for (const TPointBounds& B : FBounds) {
        All.XMin = std::min(All.XMin, B.XMin);
        All.XMax = std::max(All.XMax, B.XMax);
    }
    // No points (Min > Max): 0 to 1.
    const auto Scale = [](qreal Min, qreal Max, int Intervals) {
        return Min <= Max ? NiceScale(Min, Max, Intervals) : TAxisScale{};
    };
    ApplyScale(*FAxisBottom, Scale(All.XMin, All.XMax, Across), Plot.width(), MarkerRoom);
    // A density is never negative: its axis starts at 0 (and goes below
    // only for the odd law whose "density" does, log-Weibull with b < 0).
    const TPointBounds& Pdf = FBounds[0];
    ApplyScale(*FAxisLeft, Scale(std::min<qreal>(0, Pdf.YMin), Pdf.YMax, Up), Plot.height(),
               MarkerRoom);
    const TAxisScale Probability{0, 1, Up >= 10 ? 0.1 : Up >= 4 ? 0.2 : 0.5};
    ApplyScale(*FAxisRight, Probability, Plot.height(), MarkerRoom);
    ApplyScale(*FAxisInverse, Scale(FBounds[2].YMin, FBounds[2].YMax, Up), Plot.height(),
               MarkerRoom);
    ShowSeriesKinds();
}

void TChartView::ShowSeriesKinds() {
    const bool Inverse = !FPoints[2].empty();
    const bool Direct = !FPoints[0].empty() || !FPoints[1].empty() || !Inverse;
    FAxisLeft->setVisible(Direct);
    FAxisRight->setVisible(Direct);
    FAxisInverse->setVisible(Inverse);
    const std::pair<QLineSeries*, bool> Entries[] = {
        {FSeries1, Direct}, {FSeries2, Direct}, {FSeries3, Inverse}};
    for (const auto& [Series, Shown] : Entries)
        for (QLegendMarker* Marker : chart()->legend()->markers(Series)) Marker->setVisible(Shown);
    // A marker shown again keeps the empty label of its hidden layout
    // until the legend lays itself out anew.
    chart()->legend()->layout()->invalidate();
    FAxisBottom->setTitleText(Inverse ? (Direct ? QStringLiteral("x, p") : QStringLiteral("p"))
                                      : QStringLiteral("x"));
}

void TChartView::ShowPoints() {
    FShownColumns = std::max(1, static_cast<int>(chart()->plotArea().width()));
    const qreal XMin = FAxisBottom->min();
    const qreal XMax = FAxisBottom->max();
    // Points taken since the last ShowAdded wait for it.
    const auto Reduced = [&](std::size_t I) {
        return Decimated(std::span(FPoints[I]).first(static_cast<std::size_t>(FCounted[I])), XMin,
                         XMax, FShownColumns, FSummary[I]);
    };
    FSeries1->replace(Reduced(0));
    FSeries2->replace(Reduced(1));
    FSeries3->replace(Reduced(2));
    FOverlay->PointsShown();
}

void ExtendSummary(std::span<const QPointF> Points, TPointSummary& Summary) {
    const auto Count = static_cast<qsizetype>(Points.size());
    for (qsizetype First = static_cast<qsizetype>(Summary.size()) * SummaryBlock;
         First + SummaryBlock <= Count; First += SummaryBlock) {
        TBlockExtremes Block{First, First, Points[First].y(), Points[First].y()};
        for (qsizetype I = First + 1; I < First + SummaryBlock; ++I) {
            const qreal Y = Points[I].y();
            if (Y < Block.LowY) Block = {I, Block.High, Y, Block.HighY};
            if (Y > Block.HighY) Block = {Block.Low, I, Block.LowY, Y};
        }
        Summary.push_back(Block);
    }
}

QList<QPointF> Decimated(std::span<const QPointF> Points, qreal XMin, qreal XMax, int Columns,
                         const TPointSummary& Summary) {
    const qsizetype Keep = 4 * static_cast<qsizetype>(std::max(1, Columns));
    const auto Count = static_cast<qsizetype>(Points.size());
    if (Count <= Keep || !(XMax > XMin)) return QList<QPointF>(Points.begin(), Points.end());
    // Blocks past the points (a summary of more than a prefix) are not read.
    const auto Summed = std::min(static_cast<qsizetype>(Summary.size()), Count / SummaryBlock);
    const qreal Scale = Columns / (XMax - XMin);
    // Column of a point; x outside the axis (not the case here, the axis
    // spans the data) is clamped to the end columns.
    auto ColumnOf = [&](const QPointF& P) {
        return static_cast<qsizetype>(std::clamp<qreal>((P.x() - XMin) * Scale, 0, Columns));
    };
    QList<QPointF> Result;
    Result.reserve(Keep + 4);
    qsizetype First = 0;
    while (First < Count) {
        const qsizetype Column = ColumnOf(Points[First]);
        // Ascending x: a column's points are contiguous. Its end is found
        // by galloping from its start, then bisection: the probes stay
        // near the points read next.
        const auto InColumn = [&](const QPointF& P) { return ColumnOf(P) == Column; };
        qsizetype Inside = First, Step = 1;
        while (Inside + Step < Count && InColumn(Points[Inside + Step])) {
            Inside += Step;
            Step *= 2;
        }
        const auto End = std::partition_point(
            Points.begin() + Inside + 1, Points.begin() + std::min(Count, Inside + Step), InColumn);
        const qsizetype Last = (End - Points.begin()) - 1;
        // Whole blocks by their extremes, in order: the first of equals
        // stays, as a scan point by point keeps it.
        qsizetype Low = First, High = First;
        qreal LowY = Points[First].y(), HighY = LowY;
        const auto Include = [&](qsizetype LowAt, qreal LowAtY, qsizetype HighAt, qreal HighAtY) {
            if (LowAtY < LowY) {
                Low = LowAt;
                LowY = LowAtY;
            }
            if (HighAtY > HighY) {
                High = HighAt;
                HighY = HighAtY;
            }
        };
        for (qsizetype I = First + 1; I <= Last;) {
            const qsizetype Block = I / SummaryBlock;
            if (I % SummaryBlock == 0 && Block < Summed && I + SummaryBlock - 1 <= Last) {
                const TBlockExtremes& B = Summary[static_cast<std::size_t>(Block)];
                Include(B.Low, B.LowY, B.High, B.HighY);
                I += SummaryBlock;
            } else {
                Include(I, Points[I].y(), I, Points[I].y());
                ++I;
            }
        }
        std::array<qsizetype, 4> Kept{First, std::min(Low, High), std::max(Low, High), Last};
        for (std::size_t K = 0; K < Kept.size(); ++K)
            if (K == 0 || Kept[K] != Kept[K - 1]) Result.append(Points[Kept[K]]);
        First = Last + 1;
    }
    return Result;
}

void TChartView::SetSubject(std::optional<uicore::TCalcSubject> Subject) {
    FSubject = std::move(Subject);
    LayOutAnnotation();
}

void TChartView::SetAnnotationShown(bool Shown) {
    FAnnotationShown = Shown;
    LayOutAnnotation();
}

void TChartView::AnnotationChanged() { LayOutAnnotation(); }

QRectF TChartView::AnnotationBand() const {
    if (FAnnotationRows.isEmpty()) return {};
    const int Height = uicore::AnnotationLineHeight(chart()->titleFont().pixelSize());
    return QRectF(
        chart()->geometry().topLeft(),
        QSizeF(chart()->geometry().width(), FAnnotationRows.size() * Height + 2 * BandPad));
}

// The band's height is the chart's top margin: the legend and the plot
// lie below it.
void TChartView::LayOutAnnotation() {
    FAnnotationRows.clear();
    if (FAnnotationShown && FSubject) {
        const uicore::TAnnotationText Text =
            uicore::AnnotationText(*FSubject, FDistribution.Decimals(), FDecimalSeparator);
        FAnnotationRows = quantiva::AnnotationRows(Text, QFontMetrics(AnnotationFont(*chart())),
                                                   width() - 2 * BandInset);
    }
    // The answer of a question and the law's summary, under the calculation's lines.
    if (FAnnotationShown) FAnnotationRows += FAnnotationExtra;
    chart()->setMargins(QMargins(0, static_cast<int>(AnnotationBand().height()), 0, 0));
    viewport()->update();
}

void TChartView::drawForeground(QPainter* Painter, const QRectF& Rect) {
    QChartView::drawForeground(Painter, Rect);
    Painter->save();
    FOverlay->Paint(*Painter);
    Chart1AfterDraw(*Painter);
    Painter->restore();
}

void TChartView::Chart1AfterDraw(QPainter& Painter) const {
    const QRectF Band = AnnotationBand();
    if (Band.isEmpty()) return;
    Painter.fillRect(Band, Qt::white);
    Painter.setFont(AnnotationFont(*chart()));
    Painter.setPen(Qt::black);
    const int Height = uicore::AnnotationLineHeight(chart()->titleFont().pixelSize());
    for (qsizetype I = 0; I < FAnnotationRows.size(); ++I)
        Painter.drawText(QRectF(Band.left() + BandInset, Band.top() + BandPad + I * Height,
                                Band.width() - 2 * BandInset, Height),
                         Qt::AlignLeft | Qt::AlignVCenter, FAnnotationRows[I]);
}

}  // namespace quantiva
