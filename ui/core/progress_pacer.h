// When a long range lets the window breathe. The calculation runs on the
// window's one thread and tells the window after every row; the pacer says
// when that row is the moment to show the progress, repaint and look for a
// Cancel click, when to bring the results text and the chart's points up
// to date, and when to draw the chart anew. Nothing happens in the first
// ShowAfter, so a short range shows no progress at all. After that each
// task runs at most once per its interval and never again sooner than
// CostFactor times its last cost, so however slow a repaint or a chart
// becomes, it takes a small, bounded share of the run; only the turn that
// answers Cancel has a longest wait as well. Even the clock is read only
// every few rows: a reading costs about 2 % of a fast row. The pacer runs
// the turns itself through TPaceTurn and times each part, so the rules
// are tested with a made-up clock and no display.
#pragma once

#include <chrono>
#include <cstdint>

namespace uicore {

using TPaceClock = std::chrono::steady_clock;

struct TPaceTiming {
    TPaceClock::duration ShowAfter = std::chrono::milliseconds(500);
    // Progress and input: often enough that Cancel answers at once, and
    // never less often than PumpMaxWait, whatever a repaint costs.
    TPaceClock::duration PumpInterval = std::chrono::milliseconds(20);
    TPaceClock::duration PumpMaxWait = std::chrono::milliseconds(40);
    // The rows so far: laying out the text and merging the chart's points
    // cost more than the progress bar, and nobody reads that fast.
    TPaceClock::duration OutputInterval = std::chrono::milliseconds(250);
    // Drawing the chart reduces every point it holds: its cost grows with
    // the run, and CostFactor spaces its turns out accordingly.
    TPaceClock::duration DrawInterval = std::chrono::milliseconds(250);
    std::int32_t CostFactor = 50;
    // The clock is read about this often, and at least every MaxStride rows
    // (a row that suddenly takes longer delays a turn by MaxStride rows).
    TPaceClock::duration ReadInterval = std::chrono::microseconds(250);
    std::int64_t MaxStride = 64;
};

// A task that recurs: due once its wait since the end of its last turn
// has passed.
class TPacedTask {
public:
    TPacedTask(TPaceClock::duration Interval, std::int32_t CostFactor, TPaceClock::time_point First,
               TPaceClock::duration MaxWait = TPaceClock::duration::max())
        : FInterval(Interval), FMaxWait(MaxWait), FCostFactor(CostFactor), FNext(First) {}

    bool Due(TPaceClock::time_point Now) const { return Now >= FNext; }
    // A turn that took Cost has ended at Ended.
    void Ran(TPaceClock::duration Cost, TPaceClock::time_point Ended);

private:
    TPaceClock::duration FInterval;
    TPaceClock::duration FMaxWait;
    std::int32_t FCostFactor;
    TPaceClock::time_point FNext;
};

// The window's side of a turn; the pacer times every part through Now.
class TPaceTurn {
public:
    virtual ~TPaceTurn() = default;
    virtual TPaceClock::time_point Now() = 0;
    // The progress bar at Done of Total (shown at the first turn).
    virtual void ShowProgress(std::int64_t Done, std::int64_t Total) = 0;
    // The rows and points so far into the widgets, the chart not drawn.
    virtual void Output() = 0;
    virtual bool ChartInView() const = 0;
    // The chart drawn anew with every point so far.
    virtual void Draw() = 0;
    // The event loop: repaints, and a Cancel click.
    virtual void ProcessEvents() = 0;
};

// The pacing of one running range: when to read the clock, and the three
// tasks, all first due ShowAfter after Start.
class TProgressPacer {
public:
    TProgressPacer(const TPaceTiming& Timing, TPaceClock::time_point Start)
        : Pump(Timing.PumpInterval, Timing.CostFactor, Start + Timing.ShowAfter,
               Timing.PumpMaxWait),
          Output(Timing.OutputInterval, Timing.CostFactor, Start + Timing.ShowAfter),
          Draw(Timing.DrawInterval, Timing.CostFactor, Start + Timing.ShowAfter),
          FReadInterval(Timing.ReadInterval),
          FMaxStride(Timing.MaxStride > 0 ? Timing.MaxStride : 1),
          FLastRead(Start) {}

    // After a row: reads the clock when it is due, and when the pump is
    // due runs a turn: the progress, the output and the drawing that are
    // due, then the event loop. The event loop's time (mostly the repaint)
    // counts toward the largest change made for it, the drawing before the
    // output, so that the turns that answer Cancel stay frequent.
    // Inline: most rows only count down to the next reading.
    void AfterRow(TPaceTurn& Turn, std::int64_t Done, std::int64_t Total) {
        if (ClockDue()) ClockTurn(Turn, Done, Total);
    }

    // After a row: whether this is a row to read the clock at.
    bool ClockDue() { return --FRowsLeft <= 0; }
    // The clock read Now: the rows until the next reading are as many as
    // took ReadInterval since the last one, 1 to MaxStride.
    void ClockRead(TPaceClock::time_point Now);
    // A turn ended at Ended: its time is not the rows' time.
    void Resume(TPaceClock::time_point Ended) { FLastRead = Ended; }
    std::int64_t Stride() const { return FStride; }

    TPacedTask Pump;    // progress bar, repaint, Cancel
    TPacedTask Output;  // the rows and points so far into the widgets
    TPacedTask Draw;    // the chart drawn anew, while it is in view

private:
    // AfterRow on a row whose clock reading is due.
    void ClockTurn(TPaceTurn& Turn, std::int64_t Done, std::int64_t Total);

    TPaceClock::duration FReadInterval;
    std::int64_t FMaxStride;
    TPaceClock::time_point FLastRead;
    std::int64_t FStride = 1;
    std::int64_t FRowsLeft = 1;
};

}  // namespace uicore
