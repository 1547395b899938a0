// The chart annotation: what a range calculation was (caption, parameters
// with x left out, range, mode), taken when it starts so that the chart
// describes the points it draws rather than whatever the editor shows
// later, and its texts at the decimals of the moment.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"

namespace uicore {

struct TCalcSubject {
    std::string Caption;
    std::vector<std::pair<std::string, double>> Parameters;  // x left out
    double LB = 0.0;
    double UB = 0.0;
    TCalcMode Mode = TCalcMode::PdfCdf;

    bool operator==(const TCalcSubject&) const = default;
};

TCalcSubject CalcSubjectOf(const model::TProbDistribution& Distribution, TCalcMode Mode);

struct TAnnotationText {
    std::string Title;                    // "Normal distribution"
    std::vector<std::string> Parameters;  // "mu:0.0000", ...
    std::string Range;                    // "Plot range:-4.0000 to 4.0000"
};

TAnnotationText AnnotationText(const TCalcSubject& Subject, std::int32_t Decimals,
                               char DecimalSeparator = '.');

// round(FontSize * 1.3) with an exact .5 going down (5 -> 6, 15 -> 19).
std::int32_t AnnotationLineHeight(std::int32_t FontSize);

}  // namespace uicore
