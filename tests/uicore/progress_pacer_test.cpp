// The pacing of a long range without a clock of its own: times are made up,
// so every decision is checked at its exact edge.
#include "ui/core/progress_pacer.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

using namespace std::chrono_literals;
using uicore::TPaceClock;
using uicore::TPacedTask;
using uicore::TPaceTiming;
using uicore::TProgressPacer;

const TPaceClock::time_point T0{};  // an arbitrary start
constexpr TPaceClock::duration Tick = 1ns;

TEST(PacedTask, NextTurnWaitsForIntervalOrScaledCostCappedByMaxWait) {
    struct Case {
        const char* Name;
        TPaceClock::duration Interval, MaxWait, Cost;
        std::int32_t Factor;
        TPaceClock::duration Wait;  // from the end of the turn
    };
    const Case Cases[] = {
        {"cheap turn: the interval", 40ms, TPaceClock::duration::max(), 100us, 50, 40ms},
        {"dear turn: fifty times its cost", 40ms, TPaceClock::duration::max(), 3ms, 50, 150ms},
        {"dear turn, capped", 40ms, 80ms, 3ms, 50, 80ms},
        {"cap below the interval wins", 40ms, 10ms, 0ms, 50, 10ms},
        {"a clock that went back counts as free", 40ms, TPaceClock::duration::max(), -5ms, 50,
         40ms},
        {"no factor: the interval", 40ms, TPaceClock::duration::max(), 1s, 0, 40ms},
        {"no interval, no cost: at once", 0ms, TPaceClock::duration::max(), 0ms, 50, 0ms},
    };
    for (const Case& C : Cases) {
        TPacedTask Task(C.Interval, C.Factor, T0, C.MaxWait);
        EXPECT_TRUE(Task.Due(T0)) << C.Name;
        const TPaceClock::time_point Ended = T0 + 1s;
        Task.Ran(C.Cost, Ended);
        if (C.Wait > 0ns) {
            EXPECT_FALSE(Task.Due(Ended + C.Wait - Tick)) << C.Name;
        }
        EXPECT_TRUE(Task.Due(Ended + C.Wait)) << C.Name;
    }
}

// A turn that took forever must not wrap the next turn into the past.
TEST(PacedTask, HugeCostsSaturateInsteadOfOverflowing) {
    TPacedTask Task(40ms, 50, T0);
    Task.Ran(TPaceClock::duration::max() / 2, T0 + 1s);
    EXPECT_FALSE(Task.Due(T0 + 1s));
    EXPECT_FALSE(Task.Due(TPaceClock::time_point::max() - 1s));

    TPacedTask Capped(40ms, 50, T0, 80ms);
    Capped.Ran(TPaceClock::duration::max(), T0 + 1s);
    EXPECT_TRUE(Capped.Due(T0 + 1s + 80ms));
}

TEST(ProgressPacer, NothingIsDueBeforeShowAfter) {
    TPaceTiming Timing;
    Timing.ShowAfter = 500ms;
    const TProgressPacer Pacer(Timing, T0);
    for (const auto* Task : {&Pacer.Pump, &Pacer.Output, &Pacer.Draw}) {
        EXPECT_FALSE(Task->Due(T0 + 500ms - Tick));
        EXPECT_TRUE(Task->Due(T0 + 500ms));
    }
}

TEST(ProgressPacer, PumpWaitIsCappedButChartDrawingIsNot) {
    TPaceTiming Timing;  // the window's own figures
    TProgressPacer Pacer(Timing, T0);
    const TPaceClock::time_point Ended = T0 + 1s;
    Pacer.Pump.Ran(20ms, Ended);  // a repaint of 20 ms
    Pacer.Draw.Ran(20ms, Ended);
    EXPECT_TRUE(Pacer.Pump.Due(Ended + Timing.PumpMaxWait));
    EXPECT_FALSE(Pacer.Draw.Due(Ended + Timing.PumpMaxWait));
    EXPECT_TRUE(Pacer.Draw.Due(Ended + 20ms * Timing.CostFactor));
}

// The rows between clock readings: as many as took ReadInterval last time.
TEST(ProgressPacer, ClockStrideFollowsTheRowsSpeed) {
    struct Case {
        const char* Name;
        TPaceClock::duration RowsTook;  // the rows of the current stride
        std::int64_t Stride;            // rows until the next reading
    };
    TPaceTiming Timing;
    Timing.ReadInterval = 256us;
    Timing.MaxStride = 64;
    // Applied in order: each case starts from the stride the last one set.
    const Case Steps[] = {
        {"one fast row: as many as allowed", 1us, 64},
        {"64 rows of 8 us: 32 of them make 256 us", 512us, 32},
        {"32 rows of 1 ms: one row at a time", 32ms, 1},
        {"a row of no measurable time", 0us, 64},
        {"64 rows of 2 us: 128 would fit, 64 allowed", 128us, 64},
    };
    TProgressPacer Pacer(Timing, T0);
    TPaceClock::time_point Now = T0;
    ASSERT_TRUE(Pacer.ClockDue());  // the first row reads the clock
    for (const Case& C : Steps) {
        Now += C.RowsTook;
        Pacer.ClockRead(Now);
        EXPECT_EQ(Pacer.Stride(), C.Stride) << C.Name;
        for (std::int64_t Row = 1; Row < C.Stride; ++Row) ASSERT_FALSE(Pacer.ClockDue()) << C.Name;
        ASSERT_TRUE(Pacer.ClockDue()) << C.Name;
    }
}

// Time spent in a turn (repainting, say) is not the rows' time.
TEST(ProgressPacer, TurnTimeDoesNotSlowTheStride) {
    TPaceTiming Timing;
    Timing.ReadInterval = 256us;
    Timing.MaxStride = 64;
    TProgressPacer Pacer(Timing, T0);
    ASSERT_TRUE(Pacer.ClockDue());
    Pacer.ClockRead(T0 + 1us);
    ASSERT_EQ(Pacer.Stride(), 64);
    Pacer.Resume(T0 + 50ms);  // a turn of 50 ms
    Pacer.ClockRead(T0 + 50ms + 64us);
    EXPECT_EQ(Pacer.Stride(), 64);
}

TEST(ProgressPacer, NonPositiveMaxStrideReadsEveryRow) {
    TPaceTiming Timing;
    Timing.MaxStride = 0;
    TProgressPacer Pacer(Timing, T0);
    for (int Row = 0; Row < 5; ++Row) {
        ASSERT_TRUE(Pacer.ClockDue());
        Pacer.ClockRead(T0 + (Row + 1) * 1ns);
        EXPECT_EQ(Pacer.Stride(), 1);
    }
}

// A window whose every part of a turn takes a scripted time on a made-up
// clock, and that records the parts in order.
struct TScriptedTurn : uicore::TPaceTurn {
    TPaceClock::time_point Clock = T0;
    TPaceClock::duration ProgressTakes{}, OutputTakes{}, DrawTakes{}, EventsTakes{};
    bool InView = true;
    std::string Parts;

    TPaceClock::time_point Now() override { return Clock; }
    void ShowProgress(std::int64_t, std::int64_t) override { Did('p', ProgressTakes); }
    void Output() override { Did('o', OutputTakes); }
    bool ChartInView() const override { return InView; }
    void Draw() override { Did('d', DrawTakes); }
    void ProcessEvents() override { Did('e', EventsTakes); }
    void Did(char Part, TPaceClock::duration Takes) {
        Parts += Part;
        Clock += Takes;
    }
};

// Each case runs one turn at ShowAfter, when every task is due, then
// checks when each task is next due: the event loop's time is charged to
// the drawing, else to the output, else to the pump.
TEST(ProgressPacer, TurnsChargeTheEventLoopToTheLargestChange) {
    struct Case {
        const char* Name;
        bool InView;
        TPaceClock::duration Events;
        const char* Parts;
        TPaceClock::duration PumpWait, OutputWait, DrawWait;  // from the turn's end
    };
    // Progress 1 ms, output 2 ms, drawing 4 ms; cost factor 10; intervals
    // 5 ms (pump, capped at 100 ms), 6 ms (output), 7 ms (drawing).
    const Case Cases[] = {
        {"chart in view: events to the drawing", true, 3ms, "pode", 10ms, 20ms, 70ms},
        {"chart out of view: events to the output", false, 3ms, "poe", 10ms, 50ms, 0ms},
        {"a slow repaint spaces the output, not the pump", false, 30ms, "poe", 10ms, 320ms, 0ms},
    };
    for (const Case& C : Cases) {
        TPaceTiming Timing;
        Timing.ShowAfter = 1s;
        Timing.PumpInterval = 5ms;
        Timing.PumpMaxWait = 100ms;
        Timing.OutputInterval = 6ms;
        Timing.DrawInterval = 7ms;
        Timing.CostFactor = 10;
        Timing.MaxStride = 1;
        TProgressPacer Pacer(Timing, T0);
        TScriptedTurn Turn;
        Turn.ProgressTakes = 1ms;
        Turn.OutputTakes = 2ms;
        Turn.DrawTakes = 4ms;
        Turn.EventsTakes = C.Events;
        Turn.InView = C.InView;
        Turn.Clock = T0 + 1s - Tick;
        Pacer.AfterRow(Turn, 1, 10);
        EXPECT_EQ(Turn.Parts, "") << C.Name << ": before ShowAfter";
        Turn.Clock = T0 + 1s;
        Pacer.AfterRow(Turn, 2, 10);
        EXPECT_EQ(Turn.Parts, C.Parts) << C.Name;
        const TPaceClock::time_point Ended = Turn.Clock;
        const std::pair<const uicore::TPacedTask*, TPaceClock::duration> Waits[] = {
            {&Pacer.Pump, C.PumpWait}, {&Pacer.Output, C.OutputWait}, {&Pacer.Draw, C.DrawWait}};
        for (const auto& [Task, Wait] : Waits) {
            if (Wait == 0ms) {
                EXPECT_TRUE(Task->Due(T0 + 1s)) << C.Name << ": a task that did not run";
                continue;
            }
            EXPECT_FALSE(Task->Due(Ended + Wait - Tick)) << C.Name;
            EXPECT_TRUE(Task->Due(Ended + Wait)) << C.Name;
        }
    }
}

// Between clock readings no turn runs, however late it is.
TEST(ProgressPacer, RowsBetweenReadingsRunNoTurn) {
    TPaceTiming Timing;
    Timing.ShowAfter = 0ms;
    Timing.ReadInterval = 256us;
    Timing.MaxStride = 64;
    TProgressPacer Pacer(Timing, T0);
    TScriptedTurn Turn;
    Turn.Clock = T0 + 1us;  // the first reading finds fast rows: stride 64
    Pacer.AfterRow(Turn, 1, 1000);
    ASSERT_EQ(Turn.Parts, "pode");
    Turn.Parts.clear();
    Turn.Clock += 1s;
    for (std::int64_t Row = 2; Row < 65; ++Row) Pacer.AfterRow(Turn, Row, 1000);
    EXPECT_EQ(Turn.Parts, "");
    Pacer.AfterRow(Turn, 65, 1000);
    EXPECT_EQ(Turn.Parts, "pode");
}

}  // namespace
