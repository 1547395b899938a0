// What the chart shows beyond its two curves: the discrete laws' sticks
// and staircase, the point of a single-value calculation, the readout of
// x, PDF and CDF under the mouse, rubber-band zoom with its reset
// (double-click), the logarithmic PDF axis, and colours from the palette.
// The chart view calls it after it hands its series their points and when
// it draws its foreground; everything else it learns by watching the view.
#pragma once

#include <QImage>
#include <QLogValueAxis>
#include <QObject>
#include <QPainter>
#include <QPointF>
#include <optional>
#include <span>

namespace quantiva {

class TChartView;

// The single-value result marked on the curves.
struct TMarkedPoint {
    double X = 0.0;
    double Pdf = 0.0;
    double Cdf = 0.0;
};

// The values under the mouse: the nearest sample of each series (for a
// discrete law the nearest stick, with the staircase's value there).
struct TReadout {
    std::optional<QPointF> Pdf;
    std::optional<QPointF> Cdf;
};

// The index of the point nearest to X in Points (ascending x); -1 when
// there are none.
qsizetype NearestByX(std::span<const QPointF> Points, qreal X);
// The index of the last point at or left of X; -1 when there is none.
qsizetype LastAtOrBefore(std::span<const QPointF> Points, qreal X);

class TChartOverlay : public QObject {
    Q_OBJECT

public:
    explicit TChartOverlay(TChartView& View);

    // Sticks and staircase instead of curves.
    void SetDiscrete(bool Discrete);
    bool Discrete() const { return FDiscrete; }
    void SetMarkedPoint(std::optional<TMarkedPoint> Point);
    const std::optional<TMarkedPoint>& MarkedPoint() const { return FMarked; }
    void SetLogPdfAxis(bool Log);
    bool LogPdfAxis() const { return FLog; }
    QLogValueAxis* AxisLeftLog() const { return FAxisLeftLog; }
    // The axes fitted to all points again.
    void ResetZoom();

    TReadout ReadoutAt(qreal X) const;
    // The mouse position the readout follows, in viewport pixels.
    void SetMouse(std::optional<QPointF> Position);

    // Called by the view after its series got their points.
    void PointsShown();
    // Called by the view while it draws its foreground.
    void Paint(QPainter& Painter) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void ApplyPalette();
    // Markers drawn anew for the screen's pixel density when shown.
    void ApplyPixelRatio();
    void AttachPdfAxis();
    void FitLogAxis();
    void PaintSticks(QPainter& Painter) const;
    void PaintMarkedPoint(QPainter& Painter) const;
    void PaintReadout(QPainter& Painter) const;
    QString Number(double Value) const;

    TChartView& FView;
    QLogValueAxis* FAxisLeftLog;
    bool FDiscrete = false;
    bool FLog = false;
    bool FZoomed = false;  // the axes show a rubber band's range
    std::optional<TMarkedPoint> FMarked;
    std::optional<QPointF> FMouse;
    QList<QPointF> FSticks;  // stick tops of all points, for the readout
    QImage FMarkers[2];      // the curves' markers, also while sticks are shown
    qreal FMarkerRatio = 1;  // the device pixel ratio they were drawn for
};

}  // namespace quantiva
