// The chart's two series as the core's point sink. Points go straight into
// the chart's kept lists and are drawn at a flush: append per point on a
// shown chart costs a relayout each time and grows quadratically.
#pragma once

#include "ui/chart_view.h"
#include "ui/core/calc_core.h"

namespace quantiva {

class TChartSeriesSink : public uicore::TSeriesSink {
public:
    explicit TChartSeriesSink(TChartView* Chart) : FChart(Chart) {}

    // Series outside 0..1 raise std::out_of_range.
    void AddPoint(std::int32_t Series, double X, double Y) override;
    void ClearPoints(std::int32_t Series) override;
    void ExpectPoints(std::int64_t Points) override { FChart->ReservePoints(Points); }
    // The points added since the last flush join the series; the chart
    // draws them now or, with Display false, at the next flush that
    // displays.
    void Flush(bool Display = true);

private:
    std::size_t Checked(std::int32_t Series) const;

    TChartView* FChart;
};

}  // namespace quantiva
