// Batched x-ordered insertion: the pending points are stably sorted by x and
// merged after the shown ones, which equals inserting each point after the
// points of equal x.
#include "ui/series_sink.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quantiva {

namespace {

bool LessX(const QPointF& A, const QPointF& B) { return A.x() < B.x(); }

}  // namespace

QList<QPointF> MergeByX(const QList<QPointF>& Shown, QList<QPointF> Added) {
    std::stable_sort(Added.begin(), Added.end(), LessX);
    if (Added.isEmpty()) return Shown;
    if (Shown.isEmpty()) return Added;
    QList<QPointF> Merged;
    Merged.reserve(Shown.size() + Added.size());
    // std::merge takes from the first range on ties: shown points stay
    // before new ones of equal x.
    std::merge(Shown.cbegin(), Shown.cend(), Added.cbegin(), Added.cend(),
               std::back_inserter(Merged), LessX);
    return Merged;
}

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

void TChartSeriesSink::Flush() {
    for (std::size_t I = 0; I < FPending.size(); ++I) {
        if (FPending[I].isEmpty()) continue;
        FChart->SetPoints(I, MergeByX(FChart->Points(I), std::move(FPending[I])));
        FPending[I] = QList<QPointF>();
    }
}

}  // namespace quantiva
