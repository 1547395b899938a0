// The chart annotation: the subject taken when a range starts, its texts
// at the decimals of the moment, and the line height.
#include <gtest/gtest.h>

#include <limits>

#include "ui/core/annotation.h"
#include "ui/core/number_text.h"

namespace {

using uicore::AnnotationLineHeight;
using uicore::AnnotationText;
using uicore::CalcSubjectOf;
using uicore::TAnnotationText;
using uicore::TCalcSubject;

TEST(AnnotationLineHeight, RoundsOnePointThreeTimesWithHalvesDown) {
    // 1.3 in extended precision lies just below 1.3: 6.5 and 19.5 go down.
    struct Case {
        std::int32_t Size, Height;
    };
    const Case Cases[] = {{5, 6}, {8, 10}, {10, 13}, {15, 19}, {0, 0},   {1, 1},   {2, 3},
                          {3, 4}, {4, 5},  {25, 32}, {9, 12},  {12, 16}, {-1, -1}, {-5, -7}};
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

TEST(AnnotationText, DescribesTheSubjectNotTheLaterModel) {
    model::TProbDistribution Model;  // Beta, a = 1, b = 0.2
    Model.SetLB(0.0);
    Model.SetUB(1.0);
    const TCalcSubject Subject = CalcSubjectOf(Model, uicore::TCalcMode::PdfCdf);
    // What the editor does afterwards does not reach the subject.
    Model.SetDistType(model::TDistType::distSTUDENT);
    Model.SetUB(4.0);
    const TAnnotationText Text = AnnotationText(Subject, 4);
    EXPECT_EQ(Text.Title, "Beta distribution");
    EXPECT_EQ(Text.Parameters, (std::vector<std::string>{"a:1.0000", "b:0.2000"}));
    EXPECT_EQ(Text.Range, "Plot range:0.0000 to 1.0000");
}

TEST(AnnotationText, NonFiniteValues) {
    model::TProbDistribution Model;
    Model.SetLB(-0.5);
    Model.SetUB(std::numeric_limits<double>::infinity());
    Model.DistParams().Items(1).SetValue(std::numeric_limits<double>::quiet_NaN());
    Model.DistParams().Items(2).SetValue(-std::numeric_limits<double>::infinity());
    const TCalcSubject Subject = CalcSubjectOf(Model, uicore::TCalcMode::Icdf);
    EXPECT_EQ(Subject.Mode, uicore::TCalcMode::Icdf);
    const TAnnotationText Text = AnnotationText(Subject, 2, ',');
    EXPECT_EQ(Text.Parameters, (std::vector<std::string>{"a:NAN", "b:-INF"}));
    EXPECT_EQ(Text.Range, "Plot range:-0,50 to INF");
}

}  // namespace
