// The chart annotation's lines: texts from the model at drawing time and
// their positions below the plot area's corner.
#include <gtest/gtest.h>

#include <limits>

#include "ui/core/annotation.h"
#include "ui/core/number_text.h"

namespace {

using uicore::AnnotationLineHeight;
using uicore::AnnotationLines;

TEST(AnnotationLineHeight, RoundsOnePointThreeTimesWithHalvesDown) {
    // 1.3 in extended precision lies just below 1.3: 6.5 and 19.5 go down.
    struct Case {
        std::int32_t Size, Height;
    };
    const Case Cases[] = {{5, 6},  {8, 10}, {10, 13}, {15, 19}, {0, 0},   {1, 1},
                          {2, 3},  {3, 4},  {4, 5},   {25, 32}, {9, 12},  {12, 16},
                          {-1, -1}, {-5, -7}};
    for (const Case& C : Cases) EXPECT_EQ(AnnotationLineHeight(C.Size), C.Height) << C.Size;
}

TEST(AnnotationLineHeight, ExtremeSizesSaturate) {
    // 1.3 times the largest sizes leaves 32 bits: the height stops there
    // instead of wrapping round to a negative distance.
    using Limits = std::numeric_limits<std::int32_t>;
    EXPECT_EQ(AnnotationLineHeight(Limits::max()), Limits::max());
    EXPECT_EQ(AnnotationLineHeight(Limits::min()), Limits::min());
    EXPECT_EQ(AnnotationLineHeight(1651910490), 2147483637);  // the largest exact one
}

TEST(AnnotationLines, BetaDefaultsAsDrawn) {
    model::TProbDistribution Model;  // Beta, a = 1, b = 0.2
    Model.SetDecimals(4);
    Model.SetLB(0.0);
    Model.SetUB(1.0);
    const auto Lines = AnnotationLines(Model, 40, 12, 8);
    // h = 10: lines at 0, 2h, 3h, 4h and 6h below 12 + 30.
    const uicore::TAnnotationLine Expected[] = {
        {70, 42, "Beta distribution"}, {70, 62, "parameters:"}, {70, 72, "a:1.0000"},
        {70, 82, "b:0.2000"},          {70, 102, "Plot range:0.0000 to 1.0000"}};
    ASSERT_EQ(Lines.size(), std::size(Expected));
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        EXPECT_EQ(Lines[I].X, Expected[I].X) << I;
        EXPECT_EQ(Lines[I].Y, Expected[I].Y) << I;
        EXPECT_EQ(Lines[I].Text, Expected[I].Text) << I;
    }
}

TEST(AnnotationLines, EveryDistributionFollowsTheOffsets) {
    model::TProbDistribution Model;
    for (int Type = 0; Type < model::DistTypeCount; ++Type) {
        Model.SetDistType(static_cast<model::TDistType>(Type));
        const std::int32_t K = Model.DistParams().Count() - 1;  // own parameters
        const std::int32_t Size = 5 + Type;
        const std::int32_t H = AnnotationLineHeight(Size);
        const auto Lines = AnnotationLines(Model, 7, 3, Size);
        ASSERT_EQ(Lines.size(), static_cast<std::size_t>(K + 3)) << Type;
        EXPECT_EQ(Lines.front().Text, Model.Caption() + " distribution");
        EXPECT_EQ(Lines.front().Y, 33);
        EXPECT_EQ(Lines[1].Y, 33 + 2 * H);
        for (std::int32_t I = 1; I <= K; ++I) {
            const auto& Line = Lines[static_cast<std::size_t>(I + 1)];
            EXPECT_EQ(Line.Y, 33 + (I + 2) * H) << Type;
            EXPECT_EQ(Line.Text.rfind(Model.DistParams().Items(I).Name() + ":", 0), 0u) << Type;
        }
        EXPECT_EQ(Lines.back().Y, 33 + (K + 4) * H) << Type;
        for (const auto& Line : Lines) EXPECT_EQ(Line.X, 37);
    }
}

TEST(AnnotationLines, ReadsTheModelAtDrawingTime) {
    model::TProbDistribution Model;
    Model.SetDecimals(2);
    Model.SetLB(-0.5);
    Model.SetUB(12345.678);
    Model.DistParams().Items(1).SetValue(std::numeric_limits<double>::quiet_NaN());
    Model.DistParams().Items(2).SetValue(-std::numeric_limits<double>::infinity());
    auto Lines = AnnotationLines(Model, 0, 0, 8, ',');
    EXPECT_EQ(Lines[2].Text, "a:NAN");
    EXPECT_EQ(Lines[3].Text, "b:-INF");
    EXPECT_EQ(Lines.back().Text,
              "Plot range:" + uicore::FixedText(-0.5, 2, ',') + " to " +
                  uicore::FixedText(12345.678, 2, ','));
    Model.SetDecimals(6);
    Lines = AnnotationLines(Model, 0, 0, 8, ',');
    EXPECT_EQ(Lines.back().Text, "Plot range:-0,500000 to " + uicore::FixedText(12345.678, 6, ','));
}

}  // namespace
