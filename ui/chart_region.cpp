// The chart's shaded region and the annotation's extra lines. Each area is
// a QAreaSeries over the outline of the density, against the PDF's axes, in
// the PDF's colour made translucent so the curve stays visible; it has no
// legend entry.
#include <QLegendMarker>
#include <QPainter>
#include <algorithm>

#include "ui/chart_view.h"

namespace quantiva {

namespace {

const QColor RegionColour(128, 128, 255, 90);

}  // namespace

void TChartView::ClearRegion() {
    for (QAreaSeries* Area : std::as_const(FRegionAreas)) {
        chart()->removeSeries(Area);
        delete Area;
    }
    FRegionAreas.clear();
}

void TChartView::SetRegion(const std::vector<QList<QPointF>>& Outlines) {
    ClearRegion();
    const bool Empty = FPoints[0].empty() && FPoints[1].empty();
    TPointBounds Bounds;
    for (const QList<QPointF>& Outline : Outlines) {
        if (Outline.isEmpty()) continue;
        auto* Upper = new QLineSeries;
        Upper->replace(Outline);
        auto* Area = new QAreaSeries(Upper);
        // An area series does not own its boundary: as its child the line
        // goes with it.
        Upper->setParent(Area);
        Area->setName(QStringLiteral("Region"));
        Area->setBrush(RegionColour);
        Area->setPen(Qt::NoPen);
        chart()->addSeries(Area);
        Area->attachAxis(FAxisBottom);
        Area->attachAxis(FAxisLeft);
        for (QLegendMarker* Marker : chart()->legend()->markers(Area)) Marker->setVisible(false);
        FRegionAreas.append(Area);
        Bounds.Include(Outline);
    }
    // Without points the axes would stay at their start; the region alone
    // decides them then.
    if (Empty && Bounds.XMin < Bounds.XMax) {
        FAxisBottom->setRange(Bounds.XMin, Bounds.XMax);
        FAxisLeft->setRange(0, Bounds.YMax > 0 ? Bounds.YMax * 1.05 : 1);
    }
}

void TChartView::SetAnnotationExtra(QStringList Lines) {
    FAnnotationExtra = std::move(Lines);
    LayOutAnnotation();
}

}  // namespace quantiva
