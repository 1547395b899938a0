// The "Chart" page's chart: series 0 "PDF" on the left axis, series 1 "CDF"
// on the right axis, legend on top, white, no grid lines, and the annotation
// (caption, parameters, plot range) drawn over the plot area after every
// repaint, read from the model at drawing time.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include "model/prob_distribution.h"

namespace quantiva {

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

    bool AnnotationShown() const { return FAnnotationShown; }
    // Shows or leaves out the annotation and repaints.
    void SetAnnotationShown(bool Shown);
    // Fits each axis to the points of its series (the bottom axis to both).
    void FitAxes();

protected:
    // The after-draw hook: runs after the chart has been drawn.
    void drawForeground(QPainter* Painter, const QRectF& Rect) override;

private:
    void Chart1AfterDraw(QPainter& Painter) const;

    const model::TProbDistribution& FDistribution;
    char FDecimalSeparator;
    QLineSeries* FSeries1;
    QLineSeries* FSeries2;
    QValueAxis* FAxisBottom;
    QValueAxis* FAxisLeft;
    QValueAxis* FAxisRight;
    bool FAnnotationShown = true;
};

// Point markers as images: Qt Charts' line series draw no triangles of
// their own.
QImage TriangleMarker(const QColor& Colour, bool PointingDown);

}  // namespace quantiva
