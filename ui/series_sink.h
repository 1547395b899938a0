// The chart's series as the core's point sink. Points go straight into the
// chart's kept lists and are drawn at a flush: append per point on a shown
// line series costs a relayout each time and grows quadratically. The
// core's series 0 is the chart's "x(p)" during an inverse range, its "PDF"
// otherwise.
#pragma once

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
    void AddPoints(double X, std::span<const double> Ys) override;
    void ClearPoints(std::int32_t Series) override;
    void ExpectPoints(std::int64_t Points) override;
    // The points added since the last flush join the series; the chart
    // draws them now or, with Display false, at the next flush that
    // displays.
    void Flush(bool Display = true);

private:
    // The chart's series for one of the core's.
    std::size_t Shown(std::int32_t Series) const;

    TChartView* FChart;
    std::optional<uicore::TCalcSubject> FPendingSubject;
    bool FInverse = false;  // the range running is of x(p)
};

}  // namespace quantiva
