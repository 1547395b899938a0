// The overlay reshapes what the view hands its series (sticks, staircase,
// only positive values on a logarithmic axis) and paints over the plot.
// Its readout reads the view's points by bisection, so a mouse move costs
// a repaint of what is drawn, not a look at every point.
#include "ui/chart_overlay.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/chart_view.h"
#include "ui/core/number_text.h"
#include "ui/discrete_series.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

constexpr qreal MarkRadius = 4;
constexpr qreal ReadoutPadding = 4;

bool LessX(const QPointF& A, const QPointF& B) { return A.x() < B.x(); }

}  // namespace

qsizetype NearestByX(std::span<const QPointF> Points, qreal X) {
    if (Points.empty()) return -1;
    const auto After = std::lower_bound(Points.begin(), Points.end(), QPointF(X, 0), LessX);
    const qsizetype I = After - Points.begin();
    if (I == 0) return 0;
    if (I == std::ssize(Points)) return I - 1;
    const auto At = static_cast<std::size_t>(I);
    return X - Points[At - 1].x() <= Points[At].x() - X ? I - 1 : I;
}

qsizetype LastAtOrBefore(std::span<const QPointF> Points, qreal X) {
    const auto After = std::upper_bound(Points.begin(), Points.end(), QPointF(X, 0), LessX);
    return (After - Points.begin()) - 1;
}

TChartOverlay::TChartOverlay(TChartView& View)
    : QObject(&View), FView(View), FAxisLeftLog(new QLogValueAxis) {
    FAxisLeftLog->setBase(10);
    FAxisLeftLog->setLabelFormat(QStringLiteral("%g"));
    FAxisLeftLog->setTitleText(View.AxisLeft()->titleText());
    FAxisLeftLog->setGridLineVisible(false);
    FAxisLeftLog->setMinorGridLineVisible(false);
    FAxisLeftLog->setVisible(false);
    View.chart()->addAxis(FAxisLeftLog, Qt::AlignLeft);
    View.setRubberBand(QChartView::RectangleRubberBand);
    View.viewport()->setMouseTracking(true);
    View.viewport()->installEventFilter(this);
    View.installEventFilter(this);
    // A range the view did not fit is a zoom: the view shows the points
    // for the new range, and the logarithmic axis keeps its zoomed range.
    connect(View.AxisBottom(), &QValueAxis::rangeChanged, this, [this] {
        FZoomed = !FView.FFitting;
        if (FZoomed) FView.ShowPoints();
    });
    ApplyPalette();
    FMarkers[0] = View.Series1()->lightMarker();
    FMarkers[1] = View.Series2()->lightMarker();
}

void TChartOverlay::SetDiscrete(bool Discrete) {
    if (Discrete == FDiscrete) return;
    FDiscrete = Discrete;
    // Markers would sit on the sticks' feet and the steps' corners too.
    QLineSeries* Series[] = {FView.Series1(), FView.Series2()};
    for (std::size_t I = 0; I < 2; ++I) {
        Series[I]->setLightMarker(Discrete ? QImage() : FMarkers[I]);
        Series[I]->setPointsVisible(!Discrete);
    }
    QPen Sticks = FView.Series1()->pen();
    Sticks.setWidth(Discrete ? 2 : 1);
    FView.Series1()->setPen(Sticks);
    FView.ShowPoints();
}

void TChartOverlay::SetMarkedPoint(std::optional<TMarkedPoint> Point) {
    FMarked = Point;
    FView.viewport()->update();
}

void TChartOverlay::SetLogPdfAxis(bool Log) {
    if (Log == FLog) return;
    FLog = Log;
    QLineSeries* Pdf = FView.Series1();
    QAbstractAxis* Off = Log ? static_cast<QAbstractAxis*>(FView.AxisLeft()) : FAxisLeftLog;
    QAbstractAxis* On = Log ? static_cast<QAbstractAxis*>(FAxisLeftLog) : FView.AxisLeft();
    // Zeros would reach the logarithmic axis before the points are reshaped.
    Pdf->clear();
    Pdf->detachAxis(Off);
    Off->setVisible(false);
    Pdf->attachAxis(On);
    On->setVisible(true);
    if (Log) FitLogAxis();
    FView.ShowPoints();
}

void TChartOverlay::ResetZoom() {
    FView.chart()->zoomReset();
    FZoomed = false;
    FView.Redisplay();
    if (FLog) {
        FitLogAxis();
        FView.ShowPoints();
    }
}

void TChartOverlay::FitLogAxis() {
    qreal Min = std::numeric_limits<qreal>::infinity();
    qreal Max = 0;
    for (const QPointF& P : FView.Points(0)) {
        if (P.y() > 0) Min = std::min(Min, P.y());
        Max = std::max(Max, P.y());
    }
    if (!(Max > 0)) return;
    // Whole decades, at least one, inside what the doubles can show.
    qreal Low = std::pow(10.0, std::floor(std::log10(std::max<qreal>(Min, 1e-300))));
    qreal High = std::pow(10.0, std::ceil(std::log10(std::min<qreal>(Max, 1e300))));
    if (!(High > Low)) High = Low * 10;
    FAxisLeftLog->setRange(Low, High);
}

void TChartOverlay::PointsShown() {
    if (FLog && !FZoomed) FitLogAxis();
    const qreal Base = FLog ? FAxisLeftLog->min() : 0.0;
    const qreal XMin = FView.AxisBottom()->min();
    const qreal XMax = FView.AxisBottom()->max();
    const int Columns = std::max(1, FView.FShownColumns);
    if (FDiscrete) {
        FSticks = StickTops(FView.Points(0));
        QList<QPointF> Tops = FSticks;
        if (FLog) Tops.removeIf([](const QPointF& P) { return !(P.y() > 0); });
        FView.Series1()->replace(Decimated(StickLine(Tops, Base), XMin, XMax, Columns));
        FView.Series2()->replace(Decimated(Staircase(FView.Points(1)), XMin, XMax, Columns));
    } else {
        FSticks.clear();
        if (FLog) {
            QList<QPointF> Shown = FView.Series1()->points();
            Shown.removeIf([](const QPointF& P) { return !(P.y() > 0); });
            FView.Series1()->replace(Shown);
        }
    }
}

TReadout TChartOverlay::ReadoutAt(qreal X) const {
    TReadout Result;
    const TPointList& Cdf = FView.Points(1);
    if (FDiscrete) {
        const qsizetype Stick = NearestByX(FSticks, X);
        if (Stick >= 0) {
            X = FSticks[Stick].x();
            Result.Pdf = FSticks[Stick];
        }
        // The staircase's value: the last sample at or left of the stick.
        const qsizetype Step = LastAtOrBefore(Cdf, X);
        if (Step >= 0) Result.Cdf = QPointF(X, Cdf[static_cast<std::size_t>(Step)].y());
        return Result;
    }
    const qsizetype Pdf = NearestByX(FView.Points(0), X);
    if (Pdf >= 0) Result.Pdf = FView.Points(0)[static_cast<std::size_t>(Pdf)];
    const qsizetype Near = NearestByX(Cdf, X);
    if (Near >= 0) Result.Cdf = Cdf[static_cast<std::size_t>(Near)];
    return Result;
}

void TChartOverlay::SetMouse(std::optional<QPointF> Position) {
    FMouse = Position;
    FView.viewport()->update();
}

bool TChartOverlay::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == &FView) {
        if (Event->type() == QEvent::PaletteChange) ApplyPalette();
        if (Event->type() == QEvent::Show) ApplyPixelRatio();
        return false;
    }
    switch (Event->type()) {
        case QEvent::MouseMove: SetMouse(static_cast<QMouseEvent*>(Event)->position()); break;
        case QEvent::Leave: SetMouse(std::nullopt); break;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
                ResetZoom();
                return true;
            }
            break;
        default: break;
    }
    return false;
}

void TChartOverlay::ApplyPalette() {
    const QPalette& Palette = FView.palette();
    const QColor Text = Palette.color(QPalette::Text);
    QChart* Chart = FView.chart();
    Chart->setBackgroundBrush(Palette.color(QPalette::Base));
    FView.setBackgroundBrush(Palette.color(QPalette::Base));
    Chart->legend()->setLabelColor(Text);
    for (QAbstractAxis* Axis : Chart->axes()) {
        Axis->setLabelsColor(Text);
        Axis->setTitleBrush(Text);
        Axis->setLinePenColor(Palette.color(QPalette::Mid));
    }
}

void TChartOverlay::ApplyPixelRatio() {
    const qreal Ratio = FView.devicePixelRatioF();
    if (Ratio == FMarkerRatio) return;
    FMarkerRatio = Ratio;
    QLineSeries* Series[] = {FView.Series1(), FView.Series2()};
    for (std::size_t I = 0; I < 2; ++I) {
        FMarkers[I] = TriangleMarker(Series[I]->color(), I == 1, Ratio);
        if (!FDiscrete) Series[I]->setLightMarker(FMarkers[I]);
    }
}

QString TChartOverlay::Number(double Value) const {
    return ToQString(
        uicore::FixedText(Value, FView.FDistribution.Decimals(), FView.FDecimalSeparator));
}

void TChartOverlay::Paint(QPainter& Painter) const {
    PaintMarkedPoint(Painter);
    PaintReadout(Painter);
    // The annotation drawn next takes the painter's colour.
    Painter.setPen(FView.palette().color(QPalette::Text));
}

void TChartOverlay::PaintMarkedPoint(QPainter& Painter) const {
    if (!FMarked) return;
    const QRectF Plot = FView.chart()->plotArea();
    QChart* Chart = FView.chart();
    const QPointF Pdf = Chart->mapToPosition(QPointF(FMarked->X, FMarked->Pdf), FView.Series1());
    const QPointF Cdf = Chart->mapToPosition(QPointF(FMarked->X, FMarked->Cdf), FView.Series2());
    if (!std::isfinite(Pdf.x()) || Pdf.x() < Plot.left() || Pdf.x() > Plot.right()) return;
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, true);
    QPen Dashed(FView.palette().color(QPalette::Text), 1, Qt::DashLine);
    Painter.setPen(Dashed);
    Painter.drawLine(QPointF(Pdf.x(), Plot.top()), QPointF(Pdf.x(), Plot.bottom()));
    const QColor Colours[] = {FView.Series1()->color(), FView.Series2()->color()};
    const QPointF Marks[] = {Pdf, Cdf};
    for (int I = 0; I < 2; ++I) {
        if (!Plot.contains(Marks[I])) continue;
        Painter.setPen(QPen(FView.palette().color(QPalette::Text), 1));
        Painter.setBrush(Colours[I]);
        Painter.drawEllipse(Marks[I], MarkRadius, MarkRadius);
    }
    Painter.drawText(QPointF(Pdf.x() + MarkRadius, Plot.bottom() - MarkRadius),
                     QStringLiteral("x = ") + Number(FMarked->X));
    Painter.restore();
}

void TChartOverlay::PaintReadout(QPainter& Painter) const {
    const QRectF Plot = FView.chart()->plotArea();
    if (!FMouse || !Plot.contains(*FMouse)) return;
    QChart* Chart = FView.chart();
    const qreal X = Chart->mapToValue(*FMouse, FView.Series2()).x();
    const TReadout Values = ReadoutAt(X);
    if (!Values.Pdf && !Values.Cdf) return;
    const qreal AtX = Values.Pdf ? Values.Pdf->x() : Values.Cdf->x();
    QStringList Lines{QStringLiteral("x = ") + Number(AtX)};
    if (Values.Pdf)
        Lines << FView.Series1()->name() + QStringLiteral(" = ") + Number(Values.Pdf->y());
    if (Values.Cdf)
        Lines << FView.Series2()->name() + QStringLiteral(" = ") + Number(Values.Cdf->y());

    Painter.save();
    const QPalette& Palette = FView.palette();
    const qreal LineX = Chart->mapToPosition(QPointF(AtX, 0), FView.Series2()).x();
    Painter.setPen(QPen(Palette.color(QPalette::Mid), 1, Qt::DotLine));
    if (std::isfinite(LineX) && LineX >= Plot.left() && LineX <= Plot.right())
        Painter.drawLine(QPointF(LineX, Plot.top()), QPointF(LineX, Plot.bottom()));
    const QString Text = Lines.join(QLatin1Char('\n'));
    QRectF Box = Painter.fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft, Text);
    Box.adjust(-ReadoutPadding, -ReadoutPadding, ReadoutPadding, ReadoutPadding);
    // Beside the pointer, turned back inside the plot at its edges.
    QPointF Corner = *FMouse + QPointF(12, 12);
    if (Corner.x() + Box.width() > Plot.right()) Corner.rx() = FMouse->x() - 12 - Box.width();
    if (Corner.y() + Box.height() > Plot.bottom()) Corner.ry() = FMouse->y() - 12 - Box.height();
    Box.moveTopLeft(Corner);
    Painter.setPen(Palette.color(QPalette::ToolTipText));
    Painter.setBrush(Palette.color(QPalette::ToolTipBase));
    Painter.drawRect(Box);
    Painter.drawText(Box.adjusted(ReadoutPadding, ReadoutPadding, 0, 0), Qt::AlignLeft, Text);
    Painter.restore();
}

}  // namespace quantiva
