// The core's points gathered per series until the window flushes them into
// the chart.
#include "ui/series_sink.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quantiva {

// The core's two series: 0 (PDF or x(p)) and 1 (CDF).
std::size_t TChartSeriesSink::Checked(std::int32_t Series) const {
    if (Series < 0 || Series > 1)
        throw std::out_of_range("Series index out of bounds (" + std::to_string(Series) + ")");
    return static_cast<std::size_t>(Series);
}

void TChartSeriesSink::BeginRange(uicore::TCalcSubject Subject) {
    FInverse = Subject.Mode == uicore::TCalcMode::Icdf;
    FPendingSubject = std::move(Subject);
}

void TChartSeriesSink::AddPoint(std::int32_t Series, double X, double Y) {
    const std::size_t I = Checked(Series);
    FPending[I == 0 && FInverse ? 2 : I].append(QPointF(X, Y));
}

// Series 0 stands for both the PDF and the x(p) curve.
void TChartSeriesSink::ClearPoints(std::int32_t Series) {
    const std::size_t I = Checked(Series);
    const auto ClearShown = [this](std::size_t Shown) {
        FPending[Shown].clear();
        FChart->SetPoints(Shown, {});
    };
    ClearShown(I);
    if (I == 0) ClearShown(2);
}

void TChartSeriesSink::Flush(bool Display) {
    if (FPendingSubject) FChart->SetSubject(std::exchange(FPendingSubject, std::nullopt));
    FChart->AddPoints(std::exchange(FPending, {}), Display);
}

}  // namespace quantiva
