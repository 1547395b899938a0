// The "Chart" page's chart: series 0 "PDF" on the left axis (from 0),
// series 1 "CDF" on the right axis (0 to 1), series 2 "x(p)" (the inverse
// over a range of p) on an axis of its own, legend on top, white, no grid
// lines, and the annotation (caption, parameters, plot range of the
// calculation whose points are drawn) in a band above the plot.
#pragma once

#include <QAreaSeries>
#include <QChartView>
#include <QLineSeries>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QValueAxis>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/chart_overlay.h"
#include "ui/core/annotation.h"
#include "ui/huge_pages.h"

namespace quantiva {

// A series' kept points: a long range's are millions.
using TPointList = std::vector<QPointF, THugePageAllocator<QPointF>>;

// The smallest and largest x and y of a series' points, kept up to date as
// points come so that fitting the axes need not look at all of them;
// empty while XMin > XMax.
struct TPointBounds {
    qreal XMin = std::numeric_limits<qreal>::infinity();
    qreal XMax = -std::numeric_limits<qreal>::infinity();
    qreal YMin = std::numeric_limits<qreal>::infinity();
    qreal YMax = -std::numeric_limits<qreal>::infinity();

    void Include(std::span<const QPointF> Points);
};

// The lowest and the highest point (first of equals) of each whole block
// of SummaryBlock points, and their y, so that a reduction reads a block's
// summary instead of its every point.
inline constexpr qsizetype SummaryBlock = 64;
struct TBlockExtremes {
    qsizetype Low = 0;
    qsizetype High = 0;
    qreal LowY = 0;
    qreal HighY = 0;
};
using TPointSummary = std::vector<TBlockExtremes>;

// Sums up the whole blocks of Points that Summary does not cover yet.
void ExtendSummary(std::span<const QPointF> Points, TPointSummary& Summary);

class TChartView : public QChartView {
    Q_OBJECT

public:
    TChartView(const model::TProbDistribution& Distribution, char DecimalSeparator,
               QWidget* Parent = nullptr);

    QLineSeries* Series1() const { return FSeries1; }  // "PDF", series 0
    QLineSeries* Series2() const { return FSeries2; }  // "CDF", series 1
    QLineSeries* Series3() const { return FSeries3; }  // "x(p)", series 2
    static constexpr std::size_t SeriesCount = 3;
    QValueAxis* AxisBottom() const { return FAxisBottom; }
    QValueAxis* AxisLeft() const { return FAxisLeft; }
    QValueAxis* AxisRight() const { return FAxisRight; }
    QValueAxis* AxisInverse() const { return FAxisInverse; }

    // The points of a series, ascending in x. The line series draw a
    // reduction of them to what the plot's pixel columns can show.
    const TPointList& Points(std::size_t Series) const { return FPoints.at(Series); }
    // Removes a series' points. With no points left in any series, the
    // annotation has nothing to describe and goes too.
    void ClearPoints(std::size_t Series);
    // A point placed by x as if inserted one by one: a point not left of
    // the last one kept (a range in ascending x) is kept at once, any other
    // waits for ShowAdded to merge it in. Either is drawn after ShowAdded.
    void TakePoint(std::size_t Series, const QPointF& Point) {
        TPointList& Kept = FPoints[Series];
        // Those taken at the end meanwhile lie right of every waiting
        // point, so the merge puts each where insertion would.
        if (Kept.empty() || !(Point.x() < Kept.back().x())) {
            Kept.push_back(Point);
            // A block is summed up while its points are in cache: read
            // again at the flush, a million-point range took 7 ms more.
            if (Kept.size() % SummaryBlock == 0) ExtendSummary(Kept, FSummary[Series]);
        } else {
            FTaken[Series].append(Point);
        }
    }
    // Room for Count more points in a series: a long range is then never
    // copied to grow.
    void ReservePoints(std::size_t Series, qsizetype Count);
    // The room reserved and not filled holds no memory.
    void ReleaseUnused() const;
    // The points taken since the last call join the drawn ones; the chart
    // fits the axes and redraws once. With Display false the axes and the
    // line series wait until the chart is next shown or displays: reducing
    // millions of points for a chart out of view would only delay the
    // window.
    void ShowAdded(bool Display = true);

    // The calculation that the annotation describes; none before the first.
    const std::optional<uicore::TCalcSubject>& Subject() const { return FSubject; }
    void SetSubject(std::optional<uicore::TCalcSubject> Subject);
    bool AnnotationShown() const { return FAnnotationShown; }
    // Shows or leaves out the annotation and repaints.
    void SetAnnotationShown(bool Shown);
    // Lays the annotation out anew (the decimals changed) and repaints.
    void AnnotationChanged();
    // The annotation's rows as drawn, and the band that holds them.
    const QStringList& AnnotationRows() const { return FAnnotationRows; }
    QRectF AnnotationBand() const;
    // Fits the axes: x to every series, PDF from 0, CDF 0 to 1, x(p) to its
    // points; round ticks as many as the view has room for.
    void FitAxes();
    // Sticks, marked point, readout, zoom and logarithmic axis.
    TChartOverlay& Overlay() const { return *FOverlay; }

    // The shaded region of a probability question: one filled area under
    // the PDF axis per outline (baseline first and last); the axes are
    // fitted to them when the chart holds no points. Replaces the previous
    // region; ClearRegion removes it.
    void SetRegion(const std::vector<QList<QPointF>>& Outlines);
    void ClearRegion();
    const QList<QAreaSeries*>& RegionAreas() const { return FRegionAreas; }
    // Lines drawn under the annotation (the region's probability, the
    // law's summary), while the annotation is shown.
    void SetAnnotationExtra(QStringList Lines);
    const QStringList& AnnotationExtra() const { return FAnnotationExtra; }

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    // The after-draw hook: runs after the chart has been drawn.
    void drawForeground(QPainter* Painter, const QRectF& Rect) override;

private:
    friend class TChartOverlay;
    void Chart1AfterDraw(QPainter& Painter) const;
    // Fits the axes to the points, then shows them.
    void Redisplay();
    // Hands each line series its points, reduced for the plot's width.
    void ShowPoints();
    // Axes, legend entries and the bottom axis' title for the kinds of
    // points held: PDF and CDF against x, or x(p) against p.
    void ShowSeriesKinds();
    void LayOutAnnotation();
    // The plot's size estimated from the view's: the axes are scaled for
    // it before Qt lays the plot out.
    QSizeF PlotEstimate() const;

    const model::TProbDistribution& FDistribution;
    char FDecimalSeparator;
    QLineSeries* FSeries1;
    QLineSeries* FSeries2;
    QLineSeries* FSeries3;
    QValueAxis* FAxisBottom;
    QValueAxis* FAxisLeft;
    QValueAxis* FAxisRight;
    QValueAxis* FAxisInverse;
    bool FAnnotationShown = true;
    std::optional<uicore::TCalcSubject> FSubject;
    QStringList FAnnotationRows;
    std::array<TPointList, SeriesCount> FPoints;
    std::array<QList<QPointF>, SeriesCount> FTaken;  // left of the last kept point, to be merged
    std::array<qsizetype, SeriesCount> FCounted{};   // leading kept points that are drawn
    std::array<TPointBounds, SeriesCount> FBounds;   // of the counted points
    std::array<TPointSummary, SeriesCount> FSummary;
    int FShownColumns = -1;  // plot width the series were reduced for
    bool FFitting = false;
    bool FUndisplayed = false;  // points added but not yet drawn
    TChartOverlay* FOverlay;    // a child of the view
    QList<QAreaSeries*> FRegionAreas;
    QStringList FAnnotationExtra;
};

// Inserts Added into Shown (ascending x) as point-by-point insertion would:
// each point after those of equal x already there, in the order added. A
// range continuing to the right of Shown is appended in place, so a long
// range shown in chunks costs no more than shown at once.
void MergeByX(TPointList& Shown, QList<QPointF> Added);

// The points (ascending in x) that draw the same picture at Columns pixel
// columns between XMin and XMax: per column the first, the lowest, the
// highest and the last point, in x order. Up to 4 x Columns points are kept
// unchanged. Whole blocks that Summary covers are read through their
// extremes, so the reduction of a long range reads little more than the
// points at the columns' edges.
QList<QPointF> Decimated(std::span<const QPointF> Points, qreal XMin, qreal XMax, int Columns,
                         const TPointSummary& Summary = {});

// Point markers as images: Qt Charts' line series draw no triangles of
// their own. Ratio is the screen's device pixel ratio: the image has that
// many pixels per logical one, so the marker stays sharp.
QImage TriangleMarker(const QColor& Colour, bool PointingDown, qreal Ratio = 1);

}  // namespace quantiva
