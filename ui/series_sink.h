// The chart's series as the core's point sink. Points are gathered and
// merged into the series by x at once: append per point on a shown chart
// costs a relayout each time and grows quadratically. The core's series 0
// is the chart's "x(p)" during an inverse range, its "PDF" otherwise.
#pragma once

#include <QList>
#include <QPointF>
#include <array>
#include <optional>

#include "ui/chart_view.h"
#include "ui/core/annotation.h"
#include "ui/core/calc_core.h"

namespace quantiva {

class TChartSeriesSink : public uicore::TSeriesSink {
public:
    explicit TChartSeriesSink(TChartView* Chart) : FChart(Chart) {}

    // Before a range calculation: what it is, for the points' series and
    // for the annotation, which the chart takes with the first flush.
    void BeginRange(uicore::TCalcSubject Subject);
    // Series outside 0..1 raise std::out_of_range.
    void AddPoint(std::int32_t Series, double X, double Y) override;
    void ClearPoints(std::int32_t Series) override;
    // Merges the pending points into the series; the chart draws them
    // now or, with Display false, at the next flush that displays.
    void Flush(bool Display = true);

private:
    std::size_t Checked(std::int32_t Series) const;

    TChartView* FChart;
    std::array<QList<QPointF>, TChartView::SeriesCount> FPending;
    std::optional<uicore::TCalcSubject> FPendingSubject;
    bool FInverse = false;  // the range running is of x(p)
};

}  // namespace quantiva
