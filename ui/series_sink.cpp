// The core's points gathered per series until the window flushes them into
// the chart.
#include "ui/series_sink.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quantiva {

std::size_t TChartSeriesSink::Checked(std::int32_t Series) const {
    if (Series < 0 || Series >= static_cast<std::int32_t>(FPending.size()))
        throw std::out_of_range("Series index out of bounds (" + std::to_string(Series) + ")");
    return static_cast<std::size_t>(Series);
}

void TChartSeriesSink::AddPoint(std::int32_t Series, double X, double Y) {
    FPending[Checked(Series)].append(QPointF(X, Y));
}

void TChartSeriesSink::ClearPoints(std::int32_t Series) {
    const std::size_t I = Checked(Series);
    FPending[I].clear();
    FChart->SetPoints(I, {});
}

void TChartSeriesSink::Flush(bool Display) {
    FChart->AddPoints(std::exchange(FPending, {}), Display);
}

}  // namespace quantiva
