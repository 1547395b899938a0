// The pacing rules of a long range. A recurring task's next turn waits for
// the longer of its interval and CostFactor times what its last turn cost,
// but no longer than its longest wait, counted from the end of that turn.
// The clock's stride scales the rows of the last stride by ReadInterval
// over the time they took.
#include "ui/core/progress_pacer.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace uicore {

void TPacedTask::Ran(TPaceClock::duration Cost, TPaceClock::time_point Ended) {
    using TDuration = TPaceClock::duration;
    // Cost * CostFactor, saturated: a longest wait of duration::max() is
    // "none" and must not overflow.
    const TDuration::rep Limit = TDuration::max().count() / std::max(FCostFactor, 1);
    const TDuration::rep Scaled = std::clamp<TDuration::rep>(Cost.count(), 0, Limit) * FCostFactor;
    const TDuration Wait = std::min(std::max(FInterval, TDuration(Scaled)), FMaxWait);
    // Ended + Wait, saturated as well.
    FNext = Wait >= TPaceClock::time_point::max() - Ended ? TPaceClock::time_point::max()
                                                          : Ended + Wait;
}

void TProgressPacer::ClockRead(TPaceClock::time_point Now) {
    const TPaceClock::duration::rep Took = (Now - FLastRead).count();
    // Rows that took no measurable time: as many as allowed. FStride is at
    // most MaxStride, so the product stays far from overflow.
    FStride = Took <= 0
                  ? FMaxStride
                  : std::clamp<std::int64_t>(FStride * FReadInterval.count() / Took, 1, FMaxStride);
    FRowsLeft = FStride;
    FLastRead = Now;
}

void TProgressPacer::ClockTurn(TPaceTurn& Turn, std::int64_t Done, std::int64_t Total) {
    using TDuration = TPaceClock::duration;
    const TPaceClock::time_point Now = Turn.Now();
    ClockRead(Now);
    if (!Pump.Due(Now)) return;
    Turn.ShowProgress(Done, Total);
    TPaceClock::time_point Mark = Turn.Now();
    const TDuration ProgressCost = Mark - Now;
    const auto Took = [&] {
        const TPaceClock::time_point Then = std::exchange(Mark, Turn.Now());
        return Mark - Then;
    };
    std::optional<TDuration> OutputCost, DrawCost;
    if (Output.Due(Mark)) {
        Turn.Output();
        OutputCost = Took();
    }
    if (Turn.ChartInView() && Draw.Due(Mark)) {
        Turn.Draw();
        DrawCost = Took();
    }
    Turn.ProcessEvents();
    const TDuration Events = Took();
    if (DrawCost)
        *DrawCost += Events;
    else if (OutputCost)
        *OutputCost += Events;
    if (OutputCost) Output.Ran(*OutputCost, Mark);
    if (DrawCost) Draw.Ran(*DrawCost, Mark);
    Pump.Ran(OutputCost || DrawCost ? ProgressCost : ProgressCost + Events, Mark);
    Resume(Mark);
}

}  // namespace uicore
