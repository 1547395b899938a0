// The core's points handed to the chart as they come; the window's flushes
// draw them.
#include "ui/series_sink.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quantiva {

// The core's two series: 0 (PDF or x(p)) and 1 (CDF).
std::size_t TChartSeriesSink::Shown(std::int32_t Series) const {
    if (Series < 0 || Series > 1)
        throw std::out_of_range("Series index out of bounds (" + std::to_string(Series) + ")");
    return Series == 0 && FInverse ? 2 : static_cast<std::size_t>(Series);
}

void TChartSeriesSink::BeginRange(uicore::TCalcSubject Subject) {
    FInverse = Subject.Mode == uicore::TCalcMode::Icdf;
    FPendingSubject = std::move(Subject);
}

void TChartSeriesSink::AddPoint(std::int32_t Series, double X, double Y) {
    FChart->TakePoint(Shown(Series), QPointF(X, Y));
}

void TChartSeriesSink::AddPoints(double X, std::span<const double> Ys) {
    for (std::size_t K = 0; K < Ys.size(); ++K)
        FChart->TakePoint(Shown(static_cast<std::int32_t>(K)), QPointF(X, Ys[K]));
}

// Series 0 stands for both the PDF and the x(p) curve.
void TChartSeriesSink::ClearPoints(std::int32_t Series) {
    FChart->ClearPoints(Shown(Series));
    if (Series == 0) FChart->ClearPoints(FInverse ? 0 : 2);
}

void TChartSeriesSink::ExpectPoints(std::int64_t Points) {
    // The inverse has one series: storage set aside is readied too.
    FChart->ReservePoints(Shown(0), Points);
    if (!FInverse) FChart->ReservePoints(Shown(1), Points);
}

void TChartSeriesSink::Flush(bool Display) {
    if (FPendingSubject) FChart->SetSubject(std::exchange(FPendingSubject, std::nullopt));
    FChart->ShowAdded(Display);
}

}  // namespace quantiva
