// The chart: series settings, x-ordered points, show/hide check boxes and
// the annotation drawn over the plot area.
#include <QScreen>
#include <QTest>
#include <cmath>
#include <span>

#include "ui/core/number_text.h"
#include "window_fixture.h"

namespace guitest {
namespace {

bool AscendingX(std::span<const QPointF> Points) {
    return std::is_sorted(Points.begin(), Points.end(),
                          [](const QPointF& A, const QPointF& B) { return A.x() < B.x(); });
}

// The chart page in front, painted.
QImage PaintedChart(quantiva::TfrmQuantiva& Window) {
    Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QApplication::processEvents();
    return Window.Chart1->grab().toImage();
}

TEST_F(WindowTest, SeriesAsDesigned) {
    const quantiva::TChartView& C = *Window->Chart1;
    EXPECT_EQ(C.Series1()->name(), QStringLiteral("PDF"));
    EXPECT_EQ(C.Series2()->name(), QStringLiteral("CDF"));
    EXPECT_EQ(C.Series1()->color(), QColor(128, 128, 255));
    EXPECT_EQ(C.Series1()->pen().color(), QColor(128, 128, 255));
    EXPECT_TRUE(C.Series1()->pointsVisible());
    EXPECT_TRUE(C.Series2()->pointsVisible());
    EXPECT_FALSE(C.Series1()->lightMarker().isNull());
    EXPECT_NE(C.Series1()->lightMarker(), C.Series2()->lightMarker());
    EXPECT_TRUE(C.Series1()->attachedAxes().contains(C.AxisLeft()));
    EXPECT_TRUE(C.Series2()->attachedAxes().contains(C.AxisRight()));
    EXPECT_EQ(C.AxisLeft()->titleText(), QStringLiteral("PDF"));
    EXPECT_EQ(C.AxisRight()->titleText(), QStringLiteral("CDF"));
    for (const QValueAxis* Axis : {C.AxisBottom(), C.AxisLeft(), C.AxisRight()})
        EXPECT_FALSE(Axis->isGridLineVisible());
    EXPECT_EQ(C.chart()->legend()->alignment(), Qt::AlignTop);
    EXPECT_TRUE(C.chart()->title().isEmpty());
}

TEST_F(WindowTest, TriangleMarkersPointUpAndDown) {
    const QImage Up = quantiva::TriangleMarker(Qt::black, false);
    const QImage Down = quantiva::TriangleMarker(Qt::black, true);
    const int Last = Up.height() - 1;
    // The apex row holds only the middle pixel; the base row is full.
    EXPECT_EQ(qAlpha(Up.pixel(0, 0)), 0);
    EXPECT_NE(qAlpha(Up.pixel(0, Last)), 0);
    EXPECT_NE(qAlpha(Down.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(Down.pixel(0, Last)), 0);
    EXPECT_NE(qAlpha(Up.pixel(Last / 2, 0)), 0);
    EXPECT_NE(qAlpha(Down.pixel(Last / 2, Last)), 0);
}

TEST_F(WindowTest, DescendingRangeIsDrawnInAscendingX) {
    QTest::mouseClick(Window->CheckBox4, Qt::LeftButton);  // keep the earlier points
    Window->FrameDist1->EditLB->setText(QStringLiteral("0.95"));
    Window->FrameDist1->EditUB->setText(QStringLiteral("0.05"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    EXPECT_TRUE(L.at(6).startsWith(QStringLiteral("0.9500")));  // rows run downwards
    EXPECT_TRUE(L.at(55).startsWith(QStringLiteral("0.0680")));
    Window->FrameDist1->EditLB->setText(QStringLiteral("0.013"));
    Window->FrameDist1->EditUB->setText(QStringLiteral("1"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    // Calculated with the results in front: the chart draws its points
    // when it comes into view.
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    // Two ranges merged into one curve per series, ordered by x.
    for (std::size_t S : {0u, 1u}) {
        const quantiva::TPointList& Kept = Window->Chart1->Points(S);
        EXPECT_EQ(Kept.size(), 100u);
        EXPECT_TRUE(AscendingX(Kept));
        // Few points: the line series draw every one of them.
        EXPECT_EQ(
            S == 0 ? Window->Chart1->Series1()->points() : Window->Chart1->Series2()->points(),
            QList<QPointF>(Kept.cbegin(), Kept.cend()));
    }
}

TEST_F(WindowTest, AxesSpanTheirSeries) {
    // Weibull's density runs far above the axes' initial 0..1.
    Window->FrameDist1->ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distWEIBULL));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    const quantiva::TChartView& C = *Window->Chart1;
    struct Case {
        std::size_t Series;
        const QValueAxis* Axis;
        bool AlongX;
    };
    const Case Cases[] = {{0, C.AxisLeft(), false},
                          {1, C.AxisRight(), false},
                          {0, C.AxisBottom(), true},
                          {1, C.AxisBottom(), true}};
    for (const Case& K : Cases) {
        ASSERT_GT(C.Points(K.Series).size(), 0);
        for (const QPointF& P : C.Points(K.Series)) {
            const qreal V = K.AlongX ? P.x() : P.y();
            EXPECT_GE(V, K.Axis->min());
            EXPECT_LE(V, K.Axis->max());
        }
    }
    EXPECT_GT(C.AxisLeft()->max(), 1.0);
}

TEST_F(WindowTest, AxesFromZeroWithRoundTicksAndWholeMarkers) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distNORMAL));
    F.EditLB->setText(QStringLiteral("-4"));
    F.EditUB->setText(QStringLiteral("4"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    quantiva::TChartView& C = *Window->Chart1;
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    QApplication::processEvents();
    struct Case {
        const QValueAxis* Axis;
        qreal FirstTick, LastTickAtLeast, DataMin, DataMax, Pixels;
    };
    const QRectF Plot = C.chart()->plotArea();
    const Case Cases[] = {
        // A density from 0, the CDF from 0 to 1 whatever the data.
        {C.AxisLeft(), 0, 0.4, 0, 0.3989422804, Plot.height()},
        {C.AxisRight(), 0, 1, 0, 1, Plot.height()},
        {C.AxisBottom(), -4, 3.84, -4, 3.84, Plot.width()},
    };
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Axis->titleText().toStdString());
        EXPECT_EQ(K.Axis->tickType(), QValueAxis::TicksDynamic);
        EXPECT_EQ(K.Axis->tickAnchor(), K.FirstTick);
        const int Ticks = int((K.Axis->max() - K.Axis->tickAnchor()) / K.Axis->tickInterval()) + 1;
        EXPECT_GE(Ticks, 4);
        EXPECT_GE(K.Axis->tickAnchor() + (Ticks - 1) * K.Axis->tickInterval(),
                  K.LastTickAtLeast - 1e-9);
        // The end points lie a few pixels inside: their markers are whole.
        const qreal PerPixel = (K.Axis->max() - K.Axis->min()) / K.Pixels;
        EXPECT_GE((K.DataMin - K.Axis->min()) / PerPixel, 3);
        EXPECT_GE((K.Axis->max() - K.DataMax) / PerPixel, 3);
    }
    EXPECT_EQ(C.AxisBottom()->titleText(), QStringLiteral("x"));
}

TEST_F(WindowTest, ShowCheckBoxesHideSeriesAndKeepPoints) {
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const qsizetype Points = Window->Chart1->Points(0).size();
    QTest::mouseClick(Window->CheckBox1, Qt::LeftButton);
    EXPECT_FALSE(Window->aShowPDF->isChecked());
    EXPECT_FALSE(Window->Chart1->Series1()->isVisible());
    EXPECT_TRUE(Window->Chart1->Series2()->isVisible());
    EXPECT_EQ(Window->Chart1->Points(0).size(), Points);
    QTest::mouseClick(Window->CheckBox2, Qt::LeftButton);
    EXPECT_FALSE(Window->Chart1->Series2()->isVisible());
    QTest::mouseClick(Window->CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(Window->Chart1->Series1()->isVisible());
    EXPECT_EQ(Window->Chart1->Points(0).size(), Points);
}

TEST_F(WindowTest, AnnotationDescribesTheCalculationDrawn) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    const quantiva::TChartView& C = *Window->Chart1;
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    EXPECT_TRUE(C.AnnotationRows().isEmpty());  // nothing calculated, nothing described
    F.ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distBINOM));
    F.EditUB->setText(QStringLiteral("6"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList Binomial{
        QStringLiteral("Binomial distribution"),
        QStringLiteral("parameters: n:%1   p:%2")
            .arg(uicore::FixedText(6, 4).c_str(), uicore::FixedText(0.56, 4).c_str()),
        QStringLiteral("Plot range:0.0000 to 6.0000")};
    EXPECT_EQ(C.AnnotationRows(), Binomial);
    // Choosing and editing another law describes nothing new: its points
    // are not drawn.
    F.ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distSTUDENT));
    F.EditUB->setText(QStringLiteral("4"));
    EXPECT_EQ(C.AnnotationRows(), Binomial);
    // The decimals are those of the moment.
    F.TrackBarDec->setValue(6);
    EXPECT_EQ(C.AnnotationRows().back(), QStringLiteral("Plot range:0.000000 to 6.000000"));
    // Without clearing, the last of several calculations.
    QTest::mouseClick(Window->CheckBox4, Qt::LeftButton);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(C.AnnotationRows().front(), QStringLiteral("Student(T) distribution"));
    ChooseCalculation(0);
    QTest::mouseClick(Window->SpeedButtonCalc,
                      Qt::LeftButton);  // no points: the chart keeps its own
    EXPECT_EQ(C.AnnotationRows().front(), QStringLiteral("Student(T) distribution"));
    QTest::mouseClick(Window->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(C.AnnotationRows().isEmpty());
}

TEST_F(WindowTest, AnnotationIsDrawnWholeAboveThePlot) {
    // The sequence that garbled it: with the chart in front, Normal, then
    // Pareto, then Pareto with a = 2; at 16 decimals, the widest texts.
    quantiva::TFrameDist& F = *Window->FrameDist1;
    quantiva::TChartView& C = *Window->Chart1;
    F.TrackBarDec->setValue(16);
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    Dialog.Answers = {std::string("2")};
    for (int Step = 0; Step < 3; ++Step) {
        F.ListBoxDist->setCurrentRow(static_cast<int>(Step == 0 ? model::TDistType::distNORMAL
                                                                : model::TDistType::distPARETO));
        if (Step == 2) DoubleClickRow(1);
        QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
        QApplication::processEvents();
    }
    ASSERT_EQ(C.AnnotationRows().front(), QStringLiteral("Pareto distribution"));
    // The screen shows what a whole fresh drawing shows.
    const QRect Band = C.AnnotationBand().toAlignedRect();
    ASSERT_FALSE(Band.isEmpty());
    const QImage Shown = Window->screen()->grabWindow(Window->winId()).toImage();
    EXPECT_EQ(Shown.copy(Band.translated(C.mapTo(Window.get(), QPoint())))
                  .convertToFormat(QImage::Format_RGB32),
              C.grab().toImage().copy(Band).convertToFormat(QImage::Format_RGB32));
    // Above the legend and the plot, every row within the chart's width.
    EXPECT_LE(Band.bottom(), C.chart()->legend()->geometry().top());
    const QFontMetrics Metrics(C.chart()->titleFont());
    for (const QString& Row : C.AnnotationRows())
        EXPECT_LE(Metrics.horizontalAdvance(Row), Band.width());
}

TEST_F(WindowTest, LargeRangesKeepEveryPointAndDrawTheirEnvelope) {
    Window->FrameDist1->ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distWEIBULL));
    Window->FrameDist1->EditNumPoints->setText(QStringLiteral("20000"));
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const quantiva::TChartView& C = *Window->Chart1;
    const QList<QPointF> All(C.Points(1).cbegin(), C.Points(1).cend());
    EXPECT_EQ(All.size(), 20000);  // every CDF value of the range is finite
    const QList<QPointF> Shown = C.Series2()->points();
    EXPECT_LT(Shown.size(), All.size());
    EXPECT_LE(Shown.size(), 4 * qsizetype(C.chart()->plotArea().width()) + 4);
    // The drawn points are points of the series, ascending, from first to last.
    EXPECT_TRUE(AscendingX(Shown));
    EXPECT_EQ(Shown.front(), All.front());
    EXPECT_EQ(Shown.back(), All.back());
    for (const QPointF& P : Shown) EXPECT_TRUE(All.contains(P));
}

TEST_F(WindowTest, ExtremeRangesDrawOnFiniteAxes) {
    // Ranges across the whole double line, below the normal doubles and
    // at a single far point: the axes stay finite and ordered, and the
    // chart paints.
    struct Case {
        const char* LB;
        const char* UB;
        const char* Points;
    };
    const Case Cases[] = {{"-1e308", "1e308", "50"},
                          {"0", "1e-320", "50"},
                          {"1e300", "1e300", "1"},
                          {"-1e308", "-1e308", "3"}};
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distNORMAL));
    const quantiva::TChartView& C = *Window->Chart1;
    for (const Case& K : Cases) {
        SCOPED_TRACE(std::string(K.LB) + " .. " + K.UB);
        F.EditLB->setText(QString::fromLatin1(K.LB));
        F.EditUB->setText(QString::fromLatin1(K.UB));
        F.EditNumPoints->setText(QString::fromLatin1(K.Points));
        QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
        EXPECT_FALSE(PaintedChart(*Window).isNull());
        for (const QValueAxis* Axis : {C.AxisBottom(), C.AxisLeft(), C.AxisRight()}) {
            EXPECT_TRUE(std::isfinite(Axis->min()) && std::isfinite(Axis->max()));
            EXPECT_LT(Axis->min(), Axis->max());
            EXPECT_TRUE(std::isfinite(Axis->max() - Axis->min()));
        }
    }
}

// The chart page made ready out of view while the window is idle shows
// the same picture, after a range, as one that came to the front at once.
TEST_F(WindowTest, ChartPagePreparedWhileIdleShowsTheSame) {
    QImage Shown[2];
    for (const bool Idle : {true, false}) {
        quantiva::TfrmQuantiva Other(&Dialog, &Errors, &Confirm);
        quantiva::TfrmQuantiva& W = Idle ? *Window : Other;
        if (!Idle) {
            W.show();
            W.PageControl1->setCurrentWidget(W.TabSheetChart);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&W));
            W.PageControl1->setCurrentWidget(W.TabSheetResults);
        }
        QApplication::processEvents(QEventLoop::AllEvents, 1000);
        if (Idle) {
            EXPECT_FALSE(W.Chart1->testAttribute(Qt::WA_PendingResizeEvent));
        }
        QTest::mouseClick(W.SpeedButtonCalc, Qt::LeftButton);
        Shown[Idle] = PaintedChart(W);
    }
    EXPECT_FALSE(Shown[0].isNull());
    EXPECT_EQ(Shown[0], Shown[1]);
}

// Work done while the chart is out of view (a clear, a new range) shows,
// when the chart comes to the front, the picture a chart in view shows.
TEST_F(WindowTest, ChartChangedOutOfViewShowsWhatAChartInViewShows) {
    struct Case {
        const char* Name;
        bool ClearAfter;
        const char* SecondPoints;  // a second range of this many points, or none
    };
    const Case Cases[] = {
        {"cleared", true, nullptr},
        {"a shorter range after a longer", false, "7"},
        {"a range after a clear", true, "300"},
    };
    for (const Case& C : Cases) {
        QImage Shown[2];
        for (const bool InView : {false, true}) {
            quantiva::TfrmQuantiva W(&Dialog, &Errors, &Confirm);
            W.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&W));
            W.FrameDist1->EditNumPoints->setText(QStringLiteral("5000"));
            QTest::mouseClick(W.SpeedButtonCalc, Qt::LeftButton);
            PaintedChart(W);
            if (!InView) W.PageControl1->setCurrentWidget(W.TabSheetResults);
            if (C.ClearAfter) QTest::mouseClick(W.SpeedButton1, Qt::LeftButton);
            if (C.SecondPoints) {
                W.FrameDist1->EditNumPoints->setText(QString::fromLatin1(C.SecondPoints));
                QTest::mouseClick(W.SpeedButtonCalc, Qt::LeftButton);
            }
            QApplication::processEvents();
            Shown[InView] = PaintedChart(W);
        }
        EXPECT_FALSE(Shown[0].isNull()) << C.Name;
        EXPECT_EQ(Shown[0], Shown[1]) << C.Name;
    }
}

}  // namespace
}  // namespace guitest
