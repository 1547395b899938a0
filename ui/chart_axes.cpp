// Round ticks after Heckbert's "nice numbers" (Graphics Gems, 1990): the
// interval is 1, 2, 2.5 or 5 times a power of ten. The axis shows its
// ticks from an anchor at the first one, so widening the range for the
// markers adds no tick of its own.
#include "ui/chart_axes.h"

#include <algorithm>
#include <cmath>

namespace quantiva {

// Qt Charts maps values through span x pixels and plot width / span: a
// span near the top of the doubles, or one too small to divide by, gives
// non-finite positions and labels, and drawing markers there crashes.
TAxisScale NiceScale(qreal Min, qreal Max, int MaxIntervals) {
    constexpr qreal Limit = 1e300;
    Min = std::clamp(Min, -Limit, Limit);
    Max = std::clamp(Max, -Limit, Limit);
    // Ticks closer than about 1e-12 of their size would not differ as
    // doubles (the axis would add an interval that changes nothing).
    const qreal Smallest = std::max<qreal>(1e-300, std::max(std::abs(Min), std::abs(Max)) * 1e-12);
    if (!(Max - Min >= Smallest)) {
        const qreal Centre = Min / 2 + Max / 2;
        const qreal Half = std::max<qreal>(0.5, std::abs(Centre) * 0.05);
        Min = Centre - Half;
        Max = Centre + Half;
    }
    const qreal Raw = (Max - Min) / std::max(1, MaxIntervals);
    const qreal Magnitude = std::pow(qreal(10), std::floor(std::log10(Raw)));
    qreal Interval = 10 * Magnitude;
    for (const qreal Step : {1.0, 2.0, 2.5, 5.0})
        if (Step * Magnitude >= Raw) {
            Interval = Step * Magnitude;
            break;
        }
    return {std::floor(Min / Interval) * Interval, std::ceil(Max / Interval) * Interval, Interval};
}

int TickRoom(qreal Length, qreal Spacing) {
    return std::clamp(static_cast<int>(Length / Spacing), 2, 10);
}

void ApplyScale(QValueAxis& Axis, const TAxisScale& Scale, qreal Length, qreal Pixels) {
    const qreal Span = Scale.Last - Scale.First;
    const qreal Pad = Pixels * Span / std::max<qreal>(Length - 2 * Pixels, 1);
    Axis.setTickType(QValueAxis::TicksDynamic);
    Axis.setTickAnchor(Scale.First);
    Axis.setTickInterval(Scale.Interval);
    Axis.setRange(Scale.First - Pad, Scale.Last + Pad);
    // Qt's own labels are fixed notation with the decimals the interval
    // needs: right for everyday axes, but 1e300 would come out with all its
    // digits and 1e-300 after 300 zeros, and labels that long squeeze the
    // plot area to nothing.
    const qreal Magnitude = std::max(std::abs(Scale.First), std::abs(Scale.Last));
    const bool Everyday = Magnitude < 1e7 && Scale.Interval > 1e-6;
    Axis.setLabelFormat(Everyday ? QString() : QStringLiteral("%.6g"));
}

}  // namespace quantiva
