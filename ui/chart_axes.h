// Value-axis scales for the chart: ticks on round numbers, as many as the
// plot's length has room for, and a few pixels of room beyond the end
// ticks so that point markers there are drawn whole.
#pragma once

#include <QValueAxis>

namespace quantiva {

// Ticks at First, First + Interval, ..., Last.
struct TAxisScale {
    qreal First = 0;
    qreal Last = 1;
    qreal Interval = 0.2;
};

// Round ticks covering Min..Max with at most MaxIntervals intervals. Ends
// beyond ±1e300 stop there; a span too small to divide into ticks (or a
// single value) gets a unit around its centre.
TAxisScale NiceScale(qreal Min, qreal Max, int MaxIntervals);

// Intervals that fit Length pixels at Spacing pixels each (2 to 10).
int TickRoom(qreal Length, qreal Spacing);

// Shows the scale on the axis, extended by Pixels beyond each end tick of
// an axis Length pixels long; the labels stay on the round ticks.
void ApplyScale(QValueAxis& Axis, const TAxisScale& Scale, qreal Length, qreal Pixels);

}  // namespace quantiva
