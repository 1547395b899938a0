// The core's points handed to the chart as they come; the window's
// flushes draw them.
#include "ui/series_sink.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quantiva {

std::size_t TChartSeriesSink::Checked(std::int32_t Series) const {
    if (Series < 0 || Series > 1)
        throw std::out_of_range("Series index out of bounds (" + std::to_string(Series) + ")");
    return static_cast<std::size_t>(Series);
}

void TChartSeriesSink::AddPoint(std::int32_t Series, double X, double Y) {
    FChart->TakePoint(Checked(Series), QPointF(X, Y));
}

void TChartSeriesSink::ClearPoints(std::int32_t Series) {
    FChart->SetPoints(Checked(Series), {});
}

void TChartSeriesSink::Flush(bool Display) {
    FChart->ShowAdded(Display);
}

}  // namespace quantiva
