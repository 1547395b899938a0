// The annotation block drawn over the chart after every repaint. The factor
// 1.3 is held in extended precision, slightly below 1.3, so a product that
// would end in exactly .5 rounds down; integer arithmetic gives the same
// result exactly: round-half-down of 13 s / 10.
#include "ui/core/annotation.h"

#include <algorithm>
#include <cstdint>

#include "ui/core/number_text.h"

namespace uicore {

namespace {

constexpr std::int32_t Inset = 30;  // pixels from the plot area's corner

// Pixel positions beyond 32 bits stop at its ends.
std::int32_t Saturated(std::int64_t Value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Value, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int32_t AnnotationLineHeight(std::int32_t FontSize) {
    // 64-bit so that no font size overflows; floor division for negatives;
    // heights beyond 32 bits saturate.
    const std::int64_t Tenths = static_cast<std::int64_t>(FontSize) * 13 + 4;
    std::int64_t H = Tenths / 10;
    if (Tenths % 10 < 0) --H;
    return Saturated(H);
}

std::vector<TAnnotationLine> AnnotationLines(const model::TProbDistribution& Distribution,
                                             std::int32_t PlotLeft, std::int32_t PlotTop,
                                             std::int32_t FontSize, char DecimalSeparator) {
    const std::int64_t H = AnnotationLineHeight(FontSize);
    const std::int32_t D = Distribution.Decimals();
    const std::int32_t X = Saturated(std::int64_t{PlotLeft} + Inset);
    // 64-bit: a few dozen heights of at most 2^31 cannot overflow it.
    std::int64_t Y = std::int64_t{PlotTop} + Inset;
    std::vector<TAnnotationLine> Lines;
    auto Draw = [&](std::string Text) { Lines.push_back({X, Saturated(Y), std::move(Text)}); };
    Draw(Distribution.Caption() + " distribution");
    Y += 2 * H;
    Draw("parameters:");
    Y += H;
    const model::TProbParameters& Params = Distribution.DistParams();
    for (std::int32_t I = 1; I < Params.Count(); ++I) {
        const model::TProbParameter& P = Params.Items(I);
        Draw(P.Name() + ":" + FixedText(P.Value(), D, DecimalSeparator));
        Y += H;
    }
    Y += H;
    Draw("Plot range:" + FixedText(Distribution.LB(), D, DecimalSeparator) + " to " +
         FixedText(Distribution.UB(), D, DecimalSeparator));
    return Lines;
}

}  // namespace uicore
