// The chart annotation's text lines and their positions: the caption, the
// parameters (x left out) and the plot range, placed 30 pixels inside the
// plot area's top-left corner with a line height of 1.3 times the font size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/prob_distribution.h"

namespace uicore {

struct TAnnotationLine {
    std::int32_t X = 0;  // top-left corner of the text, in pixels
    std::int32_t Y = 0;
    std::string Text;
};

// round(FontSize * 1.3) with an exact .5 going down (5 -> 6, 15 -> 19).
std::int32_t AnnotationLineHeight(std::int32_t FontSize);

// Lines at offsets 0, 2h, 3h, ..., (k + 2)h and (k + 4)h below PlotTop + 30
// for k own parameters; numbers in the fixed text with the model's decimals.
std::vector<TAnnotationLine> AnnotationLines(const model::TProbDistribution& Distribution,
                                             std::int32_t PlotLeft, std::int32_t PlotTop,
                                             std::int32_t FontSize, char DecimalSeparator = '.');

}  // namespace uicore
