// Long ranges in the window: the progress shown while they run, Cancel
// (pressed from inside the range, as a person would between two repaints),
// the commands disabled meanwhile, closing the window during a range, a
// failure with the progress shown, and the question before a range too
// large to hold.
#include <QTest>
#include <functional>

#include "ui/core/number_text.h"
#include "ui/core/range_budget.h"
#include "ui/core/range_steps.h"
#include "window_fixture.h"

namespace guitest {
namespace {

using namespace std::chrono_literals;

const QString Rule(45, QLatin1Char('-'));
constexpr int NormalHeaderLines = 6;  // caption, mu, sigma, title, columns, rule

// Counts how often a widget is shown.
class TShowCounter : public QObject {
public:
    int Shown = 0;
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::Show) ++Shown;
        return false;
    }
};

class LongRangeTest : public WindowTest {
protected:
    // Progress at once and a turn of the event loop every couple of
    // milliseconds, each bringing the text and the chart up to date.
    static uicore::TPaceTiming Eager() {
        uicore::TPaceTiming Timing;
        Timing.ShowAfter = 0ms;
        Timing.PumpInterval = 2ms;
        Timing.OutputInterval = 0ms;
        Timing.DrawInterval = 0ms;
        Timing.CostFactor = 0;
        return Timing;
    }

    void NormalRange(const QString& Points) {
        Window->FrameDist1->ListBoxDist->setCurrentRow(
            static_cast<int>(model::TDistType::distNORMAL));
        Window->FrameDist1->EditLB->setText(QStringLiteral("-5"));
        Window->FrameDist1->EditUB->setText(QStringLiteral("5"));
        Window->FrameDist1->EditNumPoints->setText(Points);
    }

    // Presses Calculate; OnTurn runs at every turn of the event loop that
    // the range lets in, told the turn's number.
    void CalculateWithTurns(const std::function<void(int)>& OnTurn) {
        int Turn = 0;
        QTimer Turns;
        Turns.setInterval(0);
        QObject::connect(&Turns, &QTimer::timeout, [&] {
            if (Window->Calculating()) OnTurn(++Turn);
        });
        Turns.start();
        QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
        Turns.stop();
    }

    // Every command that could start or change a calculation, by name.
    std::vector<std::pair<const char*, bool>> CommandStates() const {
        const auto& W = *Window;
        return {{"PDF+CDF", W.SpeedButtonPDFCDF->isEnabled()},
                {"ICDF", W.SpeedButtonICDF->isEnabled()},
                {"Calculate", W.SpeedButtonCalc->isEnabled()},
                {"Clear all", W.SpeedButton1->isEnabled()},
                {"editor frame", W.FrameDist1->isEnabled()},
                {"Show PDF", W.CheckBox1->isEnabled()},
                {"Show CDF", W.CheckBox2->isEnabled()},
                {"Additional info", W.CheckBox3->isEnabled()},
                {"aCalculate", W.aCalculate->isEnabled()},
                {"aClear", W.aClear->isEnabled()},
                {"aGetpValue", W.aGetpValue->isEnabled()},
                {"aShowPDF", W.aShowPDF->isEnabled()},
                {"aShowCDF", W.aShowCDF->isEnabled()},
                {"aAdditionalInfo", W.aAdditionalInfo->isEnabled()}};
    }

    void ExpectAllCommands(bool Enabled) const {
        for (const auto& [Name, State] : CommandStates()) EXPECT_EQ(State, Enabled) << Name;
    }

    void ExpectProgressHidden() const {
        EXPECT_FALSE(Window->ProgressBar->isVisible());
        EXPECT_FALSE(Window->ButtonCancel->isVisible());
        EXPECT_FALSE(Window->Calculating());
    }
};

TEST_F(LongRangeTest, CancelKeepsExactlyTheRowsSoFarAndEnablesEverything) {
    NormalRange(QStringLiteral("1000000"));
    Window->SetPaceTiming(Eager());
    int Done = -1;
    qsizetype LinesShownAtCancel = -1;
    CalculateWithTurns([&](int Turn) {
        if (Turn < 3) return;
        ASSERT_TRUE(Window->ProgressBar->isVisible());
        ASSERT_TRUE(Window->ButtonCancel->isVisible());
        EXPECT_EQ(Window->ProgressBar->maximum(), 1000000);
        Done = Window->ProgressBar->value();
        LinesShownAtCancel = static_cast<qsizetype>(Window->MemoResults->LineCount());
        QTest::mouseClick(Window->ButtonCancel, Qt::LeftButton);
    });
    ASSERT_GT(Done, 3) << "several rows between two turns";
    ASSERT_LT(Done, 1000000);
    // The rows were in the pane while the range ran.
    EXPECT_EQ(LinesShownAtCancel, NormalHeaderLines + Done);

    const QStringList L = Lines();
    ASSERT_EQ(L.size(), NormalHeaderLines + Done);
    EXPECT_EQ(L[NormalHeaderLines - 1], Rule);
    EXPECT_NE(L.back(), Rule);
    // The last row is the one at which Cancel was answered.
    const uicore::TRangeSteps Steps(-5, 5, 1000000);
    EXPECT_TRUE(L.back().startsWith(
        QString::fromStdString(uicore::FixedText(Steps.At(Done - 1), 4)) + QStringLiteral("\t\t")))
        << L.back().toStdString();
    // Every density and probability of the range is finite: a point a row.
    EXPECT_EQ(Window->Chart1->Points(0).size(), Done);
    EXPECT_EQ(Window->Chart1->Points(1).size(), Done);
    EXPECT_EQ(Window->LabelStatus->text().toStdString(), uicore::CancelledText(Done, 1000000));
    ExpectAllCommands(true);
    ExpectProgressHidden();
}

TEST_F(LongRangeTest, CommandsAreDisabledWhileRunningAndChangeNothing) {
    NormalRange(QStringLiteral("1000000"));
    Window->SetPaceTiming(Eager());
    CalculateWithTurns([&](int Turn) {
        if (Turn != 2) return;
        ExpectAllCommands(false);
        // Whatever is clicked meanwhile starts nothing and changes nothing.
        for (QWidget* Control : std::initializer_list<QWidget*>{
                 Window->SpeedButtonCalc, Window->SpeedButton1, Window->SpeedButtonICDF,
                 Window->CheckBox1, Window->FrameDist1->Button1})
            QTest::mouseClick(Control, Qt::LeftButton);
        Window->aCalculate->trigger();
        QTest::mouseClick(Window->ButtonCancel, Qt::LeftButton);
    });
    const QStringList L = Lines();
    EXPECT_EQ(L.count(QStringLiteral("Normal distribution")), 1);
    EXPECT_EQ(Window->Distribution().DistType(), model::TDistType::distNORMAL);
    EXPECT_TRUE(Window->SpeedButtonPDFCDF->isChecked());
    EXPECT_TRUE(Window->CheckBox1->isChecked());
    EXPECT_FALSE(Window->LabelStatus->text().isEmpty());
    ExpectAllCommands(true);
}

TEST_F(LongRangeTest, EscapePressesCancel) {
    NormalRange(QStringLiteral("1000000"));
    Window->SetPaceTiming(Eager());
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    CalculateWithTurns([&](int Turn) {
        if (Turn == 2) QTest::keyClick(Window.get(), Qt::Key_Escape);
    });
    EXPECT_LT(Lines().size(), NormalHeaderLines + 1000000);
    EXPECT_TRUE(
        Window->LabelStatus->text().startsWith(QStringLiteral("Calculation cancelled after")));
}

TEST_F(LongRangeTest, ShortRangeShowsNoProgress) {
    TShowCounter Progress;
    Window->ProgressBar->installEventFilter(&Progress);
    Window->ButtonCancel->installEventFilter(&Progress);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);  // the default 50 points
    EXPECT_EQ(Lines().size(), 57);
    EXPECT_EQ(Progress.Shown, 0);
    EXPECT_TRUE(Window->LabelStatus->text().isEmpty());
    ExpectProgressHidden();
}

TEST_F(LongRangeTest, TooLargeRangeAsksAndDecliningChangesNothing) {
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    const QStringList Before = Lines();
    const quantiva::TPointList Pdf = Window->Chart1->Points(0), Cdf = Window->Chart1->Points(1);
    ASSERT_EQ(Before.size(), 57);

    Window->FrameDist1->EditNumPoints->setText(QStringLiteral("2000000000"));
    Confirm.Answers = {false};
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    ASSERT_EQ(Confirm.Asked.size(), 1u);
    EXPECT_NE(Confirm.Asked[0].find("2000000000 points"), std::string::npos) << Confirm.Asked[0];
    EXPECT_NE(Confirm.Asked[0].find(" GB "), std::string::npos) << Confirm.Asked[0];
    EXPECT_EQ(Lines(), Before);
    EXPECT_EQ(Window->Chart1->Points(0), Pdf);
    EXPECT_EQ(Window->Chart1->Points(1), Cdf);
    ExpectAllCommands(true);
}

TEST_F(LongRangeTest, TooLargeRangeRunsWhenConfirmedAndCanBeCancelled) {
    NormalRange(QStringLiteral("2000000000"));
    Window->SetPaceTiming(Eager());
    Confirm.Answers = {true};
    int Done = -1;
    CalculateWithTurns([&](int Turn) {
        if (Turn != 2) return;
        Done = Window->ProgressBar->value();
        QTest::mouseClick(Window->ButtonCancel, Qt::LeftButton);
    });
    EXPECT_EQ(Confirm.Asked.size(), 1u);
    ASSERT_GT(Done, 0);
    EXPECT_EQ(Lines().size(), NormalHeaderLines + Done);
    EXPECT_EQ(Window->LabelStatus->text().toStdString(), uicore::CancelledText(Done, 2000000000));
}

TEST_F(LongRangeTest, ClosingDuringARangeCancelsItThenCloses) {
    NormalRange(QStringLiteral("1000000"));
    Window->SetPaceTiming(Eager());
    bool ClosedAtOnce = true;
    CalculateWithTurns([&](int Turn) {
        if (Turn == 2) ClosedAtOnce = Window->close();
    });
    EXPECT_FALSE(ClosedAtOnce);
    EXPECT_TRUE(Window->isVisible());  // the range has ended, the close comes next
    EXPECT_NE(Lines().back(), Rule);
    EXPECT_FALSE(Window->LabelStatus->text().isEmpty());
    ExpectAllCommands(true);
    QApplication::processEvents();
    EXPECT_FALSE(Window->isVisible());
    // Shown again, the window does not close after its next calculation.
    Window->show();
    Window->FrameDist1->EditNumPoints->setText(QStringLiteral("50"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Lines().back(), Rule);
}

TEST_F(LongRangeTest, CancelledRangeIsDrawnWithTheChartInFront) {
    NormalRange(QStringLiteral("1000000"));
    Window->SetPaceTiming(Eager());
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    int Done = -1;
    qsizetype DrawnDuringRange = 0;
    CalculateWithTurns([&](int Turn) {
        if (Turn == 2) DrawnDuringRange = Window->Chart1->Series1()->points().size();
        if (Turn < 4) return;
        Done = Window->ProgressBar->value();
        QTest::mouseClick(Window->ButtonCancel, Qt::LeftButton);
    });
    EXPECT_GT(DrawnDuringRange, 0);
    ASSERT_GT(Done, 0);
    const quantiva::TPointList& All = Window->Chart1->Points(0);
    ASSERT_EQ(std::ssize(All), Done);
    const QList<QPointF> Drawn = Window->Chart1->Series1()->points();
    ASSERT_FALSE(Drawn.isEmpty());
    EXPECT_EQ(Drawn.front(), All.front());
    EXPECT_EQ(Drawn.back(), All.back());
    EXPECT_LE(Window->Chart1->AxisBottom()->min(), All.front().x());
    EXPECT_GE(Window->Chart1->AxisBottom()->max(), All.back().x());
}

// Beta parameters whose inverse fails to converge for some p near 1e-9:
// the range converges on its first rows and fails further on.
}  // namespace
}  // namespace guitest
