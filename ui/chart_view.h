// The "Chart" page's chart: series 0 "PDF" on the left axis, series 1 "CDF"
// on the right axis, legend on top, white, no grid lines, and the annotation
// (caption, parameters, plot range) drawn over the plot area after every
// repaint, read from the model at drawing time.
#pragma once

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QLineSeries>
#include <QValueAxis>
#include <array>
#include <limits>
#include <vector>

#include "model/prob_distribution.h"

namespace quantiva {

// The smallest and largest x and y of a series' points, kept up to date as
// points come so that fitting the axes need not look at all of them;
// empty while XMin > XMax.
struct TPointBounds {
    qreal XMin = std::numeric_limits<qreal>::infinity();
    qreal XMax = -std::numeric_limits<qreal>::infinity();
    qreal YMin = std::numeric_limits<qreal>::infinity();
    qreal YMax = -std::numeric_limits<qreal>::infinity();

    void Include(const QPointF* First, const QPointF* Last);
    void Include(const QList<QPointF>& Points) { Include(Points.constData(), Points.constData() + Points.size()); }
};

// The lowest and the highest point (first of equals) of each block of
// SummaryBlock points, so that a reduction reads a block's two instead of
// its every point.
inline constexpr qsizetype SummaryBlock = 64;
struct TBlockExtremes {
    qsizetype Low = 0;
    qsizetype High = 0;
};
using TPointSummary = std::vector<TBlockExtremes>;

// Brings Summary up to date for points appended to Points since it was
// last extended (the last, partial block is summed up again).
void ExtendSummary(const QList<QPointF>& Points, TPointSummary& Summary);

class TChartView : public QChartView {
    Q_OBJECT

public:
    TChartView(const model::TProbDistribution& Distribution, char DecimalSeparator,
               QWidget* Parent = nullptr);

    QLineSeries* Series1() const { return FSeries1; }  // "PDF", series 0
    QLineSeries* Series2() const { return FSeries2; }  // "CDF", series 1
    QValueAxis* AxisBottom() const { return FAxisBottom; }
    QValueAxis* AxisLeft() const { return FAxisLeft; }
    QValueAxis* AxisRight() const { return FAxisRight; }

    // The points of series 0 or 1, ascending in x. The line series draw a
    // reduction of them to what the plot's pixel columns can show.
    const QList<QPointF>& Points(std::size_t Series) const { return FPoints.at(Series); }
    void SetPoints(std::size_t Series, QList<QPointF> Points);
    // A point of series 0 or 1, placed by x as if inserted one by one: a
    // point not left of the last one kept (a range in ascending x) is kept
    // at once, any other waits for ShowAdded to merge it in.
    void TakePoint(std::size_t Series, const QPointF& Point);
    // Room for Count more points in each series: a long range is then never
    // copied to grow.
    void ReservePoints(qsizetype Count);
    // The points taken since the last call join the kept ones; the chart
    // fits the axes and redraws once. With Display false the axes and the
    // line series wait until the chart is next shown or displays: reducing
    // millions of points for a chart out of view would only delay the
    // window.
    void ShowAdded(bool Display = true);

    bool AnnotationShown() const { return FAnnotationShown; }
    // Shows or leaves out the annotation and repaints.
    void SetAnnotationShown(bool Shown);
    // Fits each axis to the points of its series (the bottom axis to both).
    void FitAxes();

protected:
    void showEvent(QShowEvent* Event) override;
    // The after-draw hook: runs after the chart has been drawn.
    void drawForeground(QPainter* Painter, const QRectF& Rect) override;

private:
    void Chart1AfterDraw(QPainter& Painter) const;
    // Fits the axes to the points, then shows them.
    void Redisplay();
    // Hands each line series its points, reduced for the plot's width.
    void ShowPoints();

    const model::TProbDistribution& FDistribution;
    char FDecimalSeparator;
    QLineSeries* FSeries1;
    QLineSeries* FSeries2;
    QValueAxis* FAxisBottom;
    QValueAxis* FAxisLeft;
    QValueAxis* FAxisRight;
    bool FAnnotationShown = true;
    std::array<QList<QPointF>, 2> FPoints;
    std::array<QList<QPointF>, 2> FTaken;  // left of the last kept point, to be merged
    std::array<qsizetype, 2> FCounted{};   // kept points already in the bounds
    std::array<TPointSummary, 2> FSummary;  // of the kept points
    std::array<TPointBounds, 2> FBounds;
    int FShownColumns = -1;  // plot width the series were reduced for
    bool FFitting = false;
    bool FUndisplayed = false;  // points added but not yet drawn
};

// Inserts Added into Shown (ascending x) as point-by-point insertion would:
// each point after those of equal x already there, in the order added. A
// range continuing to the right of Shown is appended in place, so a long
// range shown in chunks costs no more than shown at once.
void MergeByX(QList<QPointF>& Shown, QList<QPointF> Added);

// The points (ascending in x) that draw the same picture at Columns pixel
// columns between XMin and XMax: per column the first, the lowest, the
// highest and the last point, in x order. Up to 4 x Columns points are kept
// unchanged.
QList<QPointF> Decimated(const QList<QPointF>& Points, qreal XMin, qreal XMax, int Columns);
// The same with the points' summary: the ending repaint of a long range
// reads the points near the column edges only.
QList<QPointF> Decimated(const QList<QPointF>& Points, const TPointSummary& Summary, qreal XMin,
                         qreal XMax, int Columns);

// Point markers as images: Qt Charts' line series draw no triangles of
// their own.
QImage TriangleMarker(const QColor& Colour, bool PointingDown);

}  // namespace quantiva
