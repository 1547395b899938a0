// The main window's commands driven through its widgets: start-up state,
// range and single-point calculations in both modes, the ICDF dialog, the
// chart-tab rule and accumulation without clearing.
#include <QLegendMarker>
#include <QTest>

#include "ui/core/number_text.h"
#include "window_fixture.h"

namespace guitest {
namespace {

const QString Rule(45, QLatin1Char('-'));

// Result rows whose first cell and cell Column are finite numbers: the
// rows whose point reaches series Column - 1.
qsizetype FiniteRows(const QStringList& Lines, int Column) {
    qsizetype Count = 0;
    for (const QString& Line : Lines) {
        const QStringList Cells = Line.split(QStringLiteral("\t\t"));
        if (Cells.size() <= Column || Line.startsWith(QLatin1Char('x')) ||
            Line.startsWith(QLatin1Char('p')))
            continue;
        auto Finite = [](const QString& Cell) {
            return !Cell.contains(QStringLiteral("INF")) && !Cell.contains(QStringLiteral("NAN"));
        };
        Count += Finite(Cells[0]) && Finite(Cells[Column]) ? 1 : 0;
    }
    return Count;
}

TEST_F(WindowTest, StartUpState) {
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Tarn Research: Quantiva 2.1"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Quantiva"));
    EXPECT_EQ(Window->FrameDist1->width(), 425);
    EXPECT_EQ(Window->FrameDist1->ListBoxDist->currentRow(), 0);
    EXPECT_EQ(Window->FrameDist1->ListBoxDist->currentItem()->text(), QStringLiteral("Beta"));
    const model::TProbDistribution& M = Window->Distribution();
    EXPECT_EQ(M.DistType(), model::TDistType::distBETA);
    EXPECT_EQ(M.Decimals(), 4);
    EXPECT_EQ(M.LB(), 0.0);
    EXPECT_EQ(M.UB(), 1.0);
    EXPECT_EQ(M.NumPoints(), 50);
    EXPECT_FALSE(M.CalculateSinglePoint());
    EXPECT_TRUE(Window->SpeedButtonPDFCDF->isChecked());
    EXPECT_FALSE(Window->SpeedButtonICDF->isChecked());
    EXPECT_TRUE(ChartTabVisible());
    EXPECT_EQ(Window->PageControl1->currentWidget(), Window->TabSheetResults);
    EXPECT_EQ(Window->PageControl1->tabPosition(), QTabWidget::South);
    EXPECT_EQ(Window->Core().PValue(), 0.0);
    EXPECT_TRUE(Window->CheckBox4->isChecked());
    EXPECT_EQ(Window->CheckBox4->text(), QStringLiteral("Clear after each calculation"));
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Window->SpeedButton1->text(), QStringLiteral("&Clear all"));
}

TEST_F(WindowTest, ActionsCarryTheirCaptionsAndCategories) {
    struct Case {
        const char* Name;
        const char* Caption;
        const char* Category;
    };
    const Case Cases[] = {
        {"aCalculate", "Calculate", "Calculation"},
        {"aClear", "&Clear all", "Calculation"},
        {"aShowPDF", "Show PDF", "Chart"},
        {"aShowCDF", "Show CDF", "Chart"},
        {"aAdditionalInfo", "Additional info", "Chart"},
        {"aGetpValue", "ICDF", "Calculation"},
    };
    EXPECT_EQ(Window->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(std::size(Cases)));
    for (const Case& C : Cases) {
        const auto* Action = Window->findChild<QAction*>(QString::fromLatin1(C.Name));
        ASSERT_NE(Action, nullptr) << C.Name;
        EXPECT_EQ(Action->text(), QString::fromLatin1(C.Caption)) << C.Name;
        EXPECT_EQ(Action->property("category").toString(), QString::fromLatin1(C.Category))
            << C.Name;
    }
}

TEST_F(WindowTest, DefaultRangeWritesFiftySevenLinesAndFillsBothSeries) {
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 57);
    EXPECT_EQ(L[0], QStringLiteral("Beta distribution"));
    EXPECT_EQ(L[1], QStringLiteral("a= 1.0000"));
    EXPECT_EQ(L[2], QStringLiteral("b= 0.2000"));
    EXPECT_EQ(L[3], QStringLiteral("Calculating PDF and CDF"));
    EXPECT_EQ(L[4], QStringLiteral("x\t\tPDF(x)\t\tCDF(x)"));
    EXPECT_EQ(L[5], Rule);
    for (int I = 0; I < 50; ++I)
        EXPECT_TRUE(
            L[6 + I].startsWith(uicore::FixedText(I / 50.0, 4).c_str() + QStringLiteral("\t\t")))
            << L[6 + I].toStdString();
    EXPECT_EQ(L[56], Rule);
    EXPECT_GT(FiniteRows(L, 1), 0);
    EXPECT_EQ(Window->Chart1->Points(0).size(), FiniteRows(L, 1));
    EXPECT_EQ(Window->Chart1->Points(1).size(), FiniteRows(L, 2));
}

TEST_F(WindowTest, ClearRemovesTextAndPoints) {
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    QTest::mouseClick(Window->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Window->Chart1->Points(0).size(), 0);
    EXPECT_EQ(Window->Chart1->Points(1).size(), 0);
}

TEST_F(WindowTest, AltCPressesClearAll) {
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    QTest::keyClick(Window.get(), Qt::Key_C, Qt::AltModifier);
    // A mnemonic animates the button and clicks it a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Lines().isEmpty(); }, 2000));
}

TEST_F(WindowTest, SinglePointPdfCdfWritesOneRowAndNoPoints) {
    ChooseCalculation(0);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 8);
    EXPECT_TRUE(L[6].startsWith(QStringLiteral("0.3000\t\t")));  // Beta's x
    EXPECT_EQ(L[6].count(QStringLiteral("\t\t")), 2);
    EXPECT_EQ(Window->Chart1->Points(0).size(), 0);
    EXPECT_EQ(Window->Chart1->Points(1).size(), 0);
}

// A range moves x through its points; the single value after it is
// calculated at the x the parameter list shows.
TEST_F(WindowTest, SingleValueAfterARangeUsesTheXShown) {
    Dialog.Answers = {std::string("0.25")};
    DoubleClickRow(0);
    ASSERT_EQ(Window->FrameDist1->ListViewParams->topLevelItem(0)->text(3), QStringLiteral("0.25"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    ASSERT_EQ(Lines().size(), 57);
    EXPECT_EQ(Window->Distribution().DistParams().Items(0).Value(), 0.25);
    ChooseCalculation(0);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 8);
    EXPECT_TRUE(L[6].startsWith(QStringLiteral("0.2500\t\t"))) << L[6].toStdString();
}

TEST_F(WindowTest, SinglePointIcdfAsksForPAndUsesIt) {
    ChooseCalculation(0);
    Dialog.Answers = {std::string("0.25")};
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
    ASSERT_EQ(Dialog.Queries.size(), 1u);
    EXPECT_EQ(Dialog.Queries[0].Caption, "Set p");
    EXPECT_EQ(Dialog.Queries[0].Prompt, "Valid range: 0<=p<=1");
    EXPECT_EQ(Dialog.Queries[0].Default, "0.0000");
    EXPECT_EQ(Window->Core().PValue(), 0.25);
    EXPECT_TRUE(Window->SpeedButtonICDF->isChecked());
    EXPECT_FALSE(Window->SpeedButtonPDFCDF->isChecked());
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 8);
    EXPECT_EQ(L[3], QStringLiteral("Calculating x(p)"));
    EXPECT_EQ(L[4], QStringLiteral("p\t\tx(p)"));
    EXPECT_TRUE(L[6].startsWith(QStringLiteral("0.2500\t\t")));
}

TEST_F(WindowTest, CancelChangesNothing) {
    // p = 0.975 shows as 0.97 at two decimals. Cancel keeps it, and a
    // parameter, exactly.
    ChooseCalculation(0);
    Window->FrameDist1->TrackBarDec->setValue(2);
    Dialog.Answers = {std::string("0.975"), std::nullopt};
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
    EXPECT_EQ(Dialog.Queries.back().Default, "0.97");
    EXPECT_EQ(Window->Core().PValue(), 0.975);
    Dialog.Answers = {std::string("0.30000000000000004"), std::nullopt};
    DoubleClickRow(1);
    DoubleClickRow(1);
    EXPECT_EQ(Dialog.Queries.back().Default, "0.30000000000000004");
    EXPECT_EQ(Window->Distribution().DistParams().Items(1).Value(), 0.1 + 0.2);
}

TEST_F(WindowTest, InvalidPReachesTheErrorBoxAndChangesNothing) {
    ChooseCalculation(0);
    QTest::mouseClick(Window->SpeedButtonPDFCDF, Qt::LeftButton);  // shows the tab again
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    Dialog.Answers = {std::string("abc")};
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{"'abc' is not a valid floating point value."});
    EXPECT_EQ(Window->Core().PValue(), 0.0);
    EXPECT_TRUE(ChartTabVisible());
    EXPECT_EQ(Window->PageControl1->currentWidget(), Window->TabSheetChart);
    EXPECT_TRUE(Window->SpeedButtonICDF->isChecked());  // down before the question
}

TEST_F(WindowTest, ChartTabRule) {
    // Each step: an action, then whether the tab is visible.
    enum class TStep { Icdf, PdfCdf, Single, Range };
    struct Case {
        std::vector<TStep> Steps;
        bool Visible;
    };
    const Case Cases[] = {
        {{}, true},
        {{TStep::Icdf}, false},
        {{TStep::Icdf, TStep::PdfCdf}, true},
        {{TStep::Single}, false},
        {{TStep::Single, TStep::PdfCdf}, true},  // visible even for a single value
        {{TStep::Single, TStep::Icdf}, false},
        {{TStep::Icdf, TStep::Range}, false},
        {{TStep::Single, TStep::Range}, true},
        {{TStep::PdfCdf, TStep::PdfCdf}, true},
    };
    for (const Case& C : Cases) {
        TearDown();
        SetUp();
        for (TStep Step : C.Steps) {
            switch (Step) {
                case TStep::Icdf:
                    if (Window->Distribution().CalculateSinglePoint())
                        Dialog.Answers = {std::string("0.5")};
                    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
                    break;
                case TStep::PdfCdf:
                    QTest::mouseClick(Window->SpeedButtonPDFCDF, Qt::LeftButton);
                    break;
                case TStep::Single: ChooseCalculation(0); break;
                case TStep::Range: ChooseCalculation(1); break;
            }
        }
        EXPECT_EQ(ChartTabVisible(), C.Visible) << C.Steps.size() << " steps";
    }
}

TEST_F(WindowTest, HidingTheChartTabInFrontShowsResults) {
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);
    EXPECT_FALSE(ChartTabVisible());
    EXPECT_EQ(Window->PageControl1->currentWidget(), Window->TabSheetResults);
    QTest::mouseClick(Window->SpeedButtonPDFCDF, Qt::LeftButton);
    EXPECT_TRUE(ChartTabVisible());
    EXPECT_EQ(Window->PageControl1->currentWidget(), Window->TabSheetResults);
}

TEST_F(WindowTest, IcdfRangeIsPlottedAsItsOwnSeries) {
    QTest::mouseClick(Window->SpeedButtonICDF, Qt::LeftButton);  // range: no question
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 57);
    EXPECT_EQ(L[3], QStringLiteral("Calculating x(p)"));
    const quantiva::TChartView& C = *Window->Chart1;
    EXPECT_EQ(C.Points(2).size(), FiniteRows(L, 1));
    EXPECT_EQ(C.Points(0).size(), 0);
    EXPECT_EQ(C.Points(1).size(), 0);
    // Named as what it is: legend entry, axis and the bottom axis' title,
    // seen once the chart tab is back.
    QTest::mouseClick(Window->SpeedButtonPDFCDF, Qt::LeftButton);
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    EXPECT_EQ(C.Series3()->name(), QStringLiteral("x(p)"));
    EXPECT_TRUE(C.Series3()->attachedAxes().contains(C.AxisInverse()));
    EXPECT_EQ(C.AxisInverse()->titleText(), QStringLiteral("x(p)"));
    EXPECT_TRUE(C.AxisInverse()->isVisible());
    EXPECT_FALSE(C.AxisLeft()->isVisible());
    EXPECT_EQ(C.AxisBottom()->titleText(), QStringLiteral("p"));
    QStringList Legend;
    for (QLegendMarker* Marker : C.chart()->legend()->markers())
        if (Marker->isVisible()) Legend << Marker->label();
    EXPECT_EQ(Legend, QStringList{QStringLiteral("x(p)")});
    // PDF and CDF again: their series, axes and legend return.
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(C.Points(2).size(), 0);
    EXPECT_GT(C.Points(0).size(), 0);
    EXPECT_FALSE(C.AxisInverse()->isVisible());
    EXPECT_EQ(C.AxisBottom()->titleText(), QStringLiteral("x"));
}

TEST_F(WindowTest, WithoutClearingTwoCalculationsDoubleLinesAndPoints) {
    QTest::mouseClick(Window->CheckBox4, Qt::LeftButton);
    ASSERT_FALSE(Window->CheckBox4->isChecked());
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const qsizetype Points0 = Window->Chart1->Points(0).size();
    const qsizetype Points1 = Window->Chart1->Points(1).size();
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 114);
    EXPECT_EQ(L.mid(0, 57), L.mid(57));
    EXPECT_EQ(Window->Chart1->Points(0).size(), 2 * Points0);
    EXPECT_EQ(Window->Chart1->Points(1).size(), 2 * Points1);
}

TEST_F(WindowTest, NoPointsWritesHeaderAndTwoRules) {
    Window->FrameDist1->EditNumPoints->setText(QStringLiteral("0"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList L = Lines();
    ASSERT_EQ(L.size(), 7);
    EXPECT_EQ(L[5], Rule);
    EXPECT_EQ(L[6], Rule);
}

}  // namespace
}  // namespace guitest
