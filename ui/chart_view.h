// The "Chart" page's chart: series 0 "PDF" on the left axis, series 1 "CDF"
// on the right axis, legend on top, white, no grid lines, and the annotation
// (caption, parameters, plot range) drawn over the plot area after every
// repaint, read from the model at drawing time.
#pragma once

#include <QAreaSeries>
#include <QChartView>
#include <QList>
#include <QPointF>
#include <QStringList>
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

    void Include(const QList<QPointF>& Points);
};

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
    // Adds points to both series, each placed by x as if inserted one by
    // one, then fits the axes and redraws once. With Display false the
    // axes and the line series wait until the chart is next shown or
    // displays: reducing millions of points for a chart out of view would
    // only delay the window.
    void AddPoints(std::array<QList<QPointF>, 2> Added, bool Display = true);

    bool AnnotationShown() const { return FAnnotationShown; }
    // Shows or leaves out the annotation and repaints.
    void SetAnnotationShown(bool Shown);
    // Fits each axis to the points of its series (the bottom axis to both).
    void FitAxes();

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
    // The after-draw hook: runs after the chart has been drawn.
    void drawForeground(QPainter* Painter, const QRectF& Rect) override;

private:
    void Chart1AfterDraw(QPainter& Painter) const;
    void DrawAnnotationExtra(QPainter& Painter, int X, int Y, int LineHeight) const;
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
    std::array<TPointBounds, 2> FBounds;
    int FShownColumns = -1;  // plot width the series were reduced for
    bool FFitting = false;
    bool FUndisplayed = false;  // points added but not yet drawn
    QList<QAreaSeries*> FRegionAreas;
    QStringList FAnnotationExtra;
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

// Point markers as images: Qt Charts' line series draw no triangles of
// their own.
QImage TriangleMarker(const QColor& Colour, bool PointingDown);

}  // namespace quantiva
