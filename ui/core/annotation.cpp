// The annotation's subject and texts. The line height's factor 1.3 is held
// in extended precision, slightly below 1.3, so a product that would end in
// exactly .5 rounds down; integer arithmetic gives the same result exactly:
// round-half-down of 13 s / 10.
#include "ui/core/annotation.h"

#include <algorithm>
#include <cstdint>

#include "ui/core/number_text.h"

namespace uicore {

TCalcSubject CalcSubjectOf(const model::TProbDistribution& Distribution, TCalcMode Mode) {
    TCalcSubject Subject{Distribution.Caption(), {}, Distribution.LB(), Distribution.UB(), Mode};
    const model::TProbParameters& Params = Distribution.DistParams();
    for (std::int32_t I = 1; I < Params.Count(); ++I)
        Subject.Parameters.emplace_back(Params.Items(I).Name(), Params.Items(I).Value());
    return Subject;
}

TAnnotationText AnnotationText(const TCalcSubject& Subject, std::int32_t Decimals,
                               char DecimalSeparator) {
    const auto F = [&](double V) { return FixedText(V, Decimals, DecimalSeparator); };
    TAnnotationText Text{Subject.Caption + " distribution",
                         {},
                         "Plot range:" + F(Subject.LB) + " to " + F(Subject.UB)};
    for (const auto& [Name, Value] : Subject.Parameters)
        Text.Parameters.push_back(Name + ":" + F(Value));
    return Text;
}

std::int32_t AnnotationLineHeight(std::int32_t FontSize) {
    // 64-bit so that no font size overflows; floor division for negatives;
    // heights beyond 32 bits saturate.
    const std::int64_t Tenths = static_cast<std::int64_t>(FontSize) * 13 + 4;
    std::int64_t H = Tenths / 10;
    if (Tenths % 10 < 0) --H;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(H, INT32_MIN, INT32_MAX));
}

}  // namespace uicore
