// The probability panel driven through its widgets: an interval of the
// standard normal answered in the results text, its central area shaded
// under the PDF over a calculated range and named in the annotation; the
// summary line beside it; Clear all removes both.
#include <QTest>

#include "window_fixture.h"

namespace guitest {
namespace {

TEST_F(WindowTest, IntervalIsWrittenAndShaded) {
    Window->FrameDist1->ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distNORMAL));
    Window->FrameDist1->EditLB->setText(QStringLiteral("-4"));
    Window->FrameDist1->EditUB->setText(QStringLiteral("4"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);

    quantiva::TQueryPanel& Panel = *Window->PanelQuery;
    Panel.ComboKind->setCurrentIndex(static_cast<int>(uicore::TQueryKind::Between));
    Panel.EditA->setText(QStringLiteral("-1.96"));
    Panel.EditB->setText(QStringLiteral("1.96"));
    QTest::mouseClick(Panel.ButtonAsk, Qt::LeftButton);

    const QString Line = QStringLiteral("P(-1.9600 < X <= 1.9600) = 0.9500");
    EXPECT_TRUE(Lines().contains(Line)) << Lines().join('\n').toStdString();
    const auto& Areas = Window->Chart1->RegionAreas();
    ASSERT_EQ(Areas.size(), 1);
    const QList<QPointF> Outline = Areas[0]->upperSeries()->points();
    ASSERT_GT(Outline.size(), 3);
    EXPECT_EQ(Outline.front(), QPointF(-1.96, 0));
    EXPECT_EQ(Outline.back(), QPointF(1.96, 0));
    // The top of the area is the density: 1/sqrt(2 pi) at 0.
    qreal Top = 0;
    for (const QPointF& P : Outline) Top = std::max(Top, P.y());
    EXPECT_NEAR(Top, 0.3989, 1e-3);
    EXPECT_EQ(Window->Chart1->AnnotationExtra(), QStringList{Line});

    QTest::mouseClick(Panel.ButtonSummary, Qt::LeftButton);
    ASSERT_EQ(Window->Chart1->AnnotationExtra().size(), 2);
    EXPECT_TRUE(
        Window->Chart1->AnnotationExtra()[1].startsWith(QStringLiteral("mean 0.0000, var 1.0000")));
    EXPECT_TRUE(Lines().contains(QStringLiteral("Excess kurtosis = 0.0000")));

    QTest::mouseClick(Window->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(Window->Chart1->RegionAreas().isEmpty());
    EXPECT_TRUE(Window->Chart1->AnnotationExtra().isEmpty());
}

TEST_F(WindowTest, BadBoundShowsTheConversionError) {
    Window->PanelQuery->EditA->setText(QStringLiteral("abc"));
    QTest::mouseClick(Window->PanelQuery->ButtonAsk, Qt::LeftButton);
    const std::vector<std::string> Shown = TakeErrors();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_NE(Shown[0].find("'abc' is not a valid floating point value"), std::string::npos);
    EXPECT_TRUE(Window->Chart1->RegionAreas().isEmpty());
}

}  // namespace
}  // namespace guitest
