// The application around the calculator: the menu's keys, results saved
// and read back, chart export, the kept state through a settings file, and
// the discrete laws' sticks and staircase.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "ui/core/number_text.h"
#include "ui/discrete_series.h"
#include "ui/settings_store.h"
#include "window_fixture.h"

namespace guitest {
namespace {

QByteArray FileBytes(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void SetRange(quantiva::TfrmQuantiva& Window, int Dist, const char* LB, const char* UB, int N) {
    Window.FrameDist1->ListBoxDist->setCurrentRow(Dist);
    Window.FrameDist1->EditLB->setText(QString::fromLatin1(LB));
    Window.FrameDist1->EditUB->setText(QString::fromLatin1(UB));
    Window.FrameDist1->EditNumPoints->setText(QString::number(N));
}

TEST_F(WindowTest, ShortcutTable) {
    const QList<QPair<QString, QString>> Expected = {
        {"File > Save results", "Ctrl+S"},
        {"File > Export chart", "Ctrl+E"},
        {"File > Quit", "Ctrl+Q"},
        {"Edit > Copy", "Ctrl+C"},
        {"Edit > Copy chart as image", "Ctrl+Shift+C"},
        {"Edit > Select all", "Ctrl+A"},
        {"Edit > Clear all", "Ctrl+Shift+Del"},
        {"Calculate > Calculate", "F9"},
        {"Calculate > PDF+CDF", "Ctrl+1"},
        {"Calculate > ICDF", "Ctrl+2"},
        {"Chart > Logarithmic PDF axis", "Ctrl+L"},
        {"Chart > Reset zoom", "Ctrl+0"},
        {"Help > Keyboard shortcuts", "F1"},
    };
    EXPECT_EQ(Window->Menu1->ShortcutRows(), Expected);
}

TEST_F(WindowTest, F9CalculatesAsTheButtonDoes) {
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    QTest::keyClick(Window.get(), Qt::Key_F9);
    EXPECT_EQ(Lines().size(), 57);  // Beta's header, 50 rows, two rules
}

TEST_F(WindowTest, AboutNamesVersionLicenceAndLibraries) {
    const QString Text = quantiva::AboutText();
    for (const char* Part : {QUANTIVA_VERSION, "GPL-3.0-or-later", "Qt 6", "Qt Charts"})
        EXPECT_TRUE(Text.contains(QString::fromLatin1(Part))) << Part;
}

TEST_F(WindowTest, SavedResultsReadBackAsShown) {
    SetRange(*Window, 17, "-3", "3", 60);  // Normal
    Window->SpeedButtonCalc->click();
    Window->CheckBox4->setChecked(false);
    Window->SpeedButtonICDF->click();  // range mode: asks nothing
    Window->SpeedButtonCalc->click();
    QTemporaryDir Dir;
    const QString Text = Dir.filePath(QStringLiteral("r.txt"));
    const QString Csv = Dir.filePath(QStringLiteral("r.csv"));
    Window->Menu1->SaveResults(Text);
    Window->Menu1->SaveResults(Csv);
    EXPECT_EQ(QString::fromUtf8(FileBytes(Text)), Window->MemoResults->PlainText() + "\n");

    // Each CSV row, rounded as the pane rounds, is the pane's row.
    const QStringList Rows = QString::fromUtf8(FileBytes(Csv)).split('\n', Qt::SkipEmptyParts);
    QStringList Shown;
    for (const QString& Line : Lines())
        if (!Line.isEmpty() && (Line[0].isDigit() || Line[0] == '-') && !Line.startsWith("---"))
            Shown << Line;
    ASSERT_EQ(Rows.size(), 2 + 2 * 60);
    EXPECT_EQ(Rows[0], "x,PDF,CDF");
    EXPECT_EQ(Rows[61], "p,x(p)");
    QStringList Rounded;
    for (const QString& Row : Rows) {
        if (!Row[0].isDigit() && Row[0] != '-') continue;
        QStringList Cells;
        for (const QString& Cell : Row.split(','))
            Cells << QString::fromStdString(uicore::FixedText(Cell.toDouble(), 4));
        Rounded << Cells.join("\t\t");
    }
    EXPECT_EQ(Rounded, Shown);
}

TEST_F(WindowTest, AFailedSaveNamesPathAndReasonAndLeavesNothing) {
    QTemporaryDir Dir;
    struct Case {
        QString Path;
        const char* Reason;
    };
    ASSERT_TRUE(QDir(Dir.path()).mkdir("taken.txt"));  // a directory in the file's place
    const Case Cases[] = {{Dir.filePath("missing/r.txt"), "No such file or directory"},
                          {Dir.filePath("taken.txt"), ""}};
    for (const Case& C : Cases) {
        Window->Menu1->SaveResults(C.Path);
        const std::vector<std::string> Shown = TakeErrors();
        ASSERT_EQ(Shown.size(), 1u) << C.Path.toStdString();
        const QString Message = QString::fromStdString(Shown[0]);
        EXPECT_TRUE(Message.contains(QDir::toNativeSeparators(C.Path))) << Shown[0];
        EXPECT_TRUE(Message.contains(QString::fromLatin1(C.Reason))) << Shown[0];
    }
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"taken.txt"});
}

TEST_F(WindowTest, ChartExportsAsPngAtTheSizeAskedAndAsSvg) {
    Window->SpeedButtonCalc->click();
    QTemporaryDir Dir;
    Window->Menu1->ExportChart(Dir.filePath("c.png"), QSize(1200, 700));
    Window->Menu1->ExportChart(Dir.filePath("c.svg"), {});
    const QImage Png(Dir.filePath("c.png"));
    EXPECT_EQ(Png.size(), QSize(1200, 700));
    EXPECT_TRUE(QSvgRenderer(Dir.filePath("c.svg")).isValid());
    Window->Menu1->aCopyChart->trigger();
    const QImage Copied = QApplication::clipboard()->image();
    EXPECT_EQ(Copied.deviceIndependentSize().toSize(), Window->Chart1->viewport()->size());
}

TEST(DiscreteSeries, SticksAtWholeNumbersAndARightContinuousStaircase) {
    const QList<QPointF> Cdf = {{0, 0.1}, {0.5, 0.1}, {1, 0.4}, {2.5, 0.7}, {2.75, 0.7}, {5, 0.9}};
    EXPECT_EQ(quantiva::StickTops(Cdf), (QList<QPointF>{{0, 0.1}, {1, 0.4}, {5, 0.9}}));
    EXPECT_EQ(quantiva::StickLine({{2, 0.3}}, 0), (QList<QPointF>{{2, 0}, {2, 0.3}, {2, 0}}));
    // Jumps at 1, at 2 (the whole number before 2.5) and at 5.
    const QList<QPointF> Steps = {{0, 0.1}, {1, 0.1}, {1, 0.4}, {2, 0.4},
                                  {2, 0.7}, {5, 0.7}, {5, 0.9}};
    EXPECT_EQ(quantiva::Staircase(Cdf), Steps);
    EXPECT_TRUE(quantiva::Staircase({}).isEmpty());
}

TEST(TriangleMarker, HasTheScreensPixelsPerLogicalPixel) {
    const std::pair<qreal, int> Cases[] = {{1, 7}, {1.25, 9}, {2, 14}, {0.5, 7}};
    for (const auto& [Ratio, Pixels] : Cases)
        EXPECT_EQ(quantiva::TriangleMarker(Qt::black, false, Ratio).width(), Pixels) << Ratio;
}

TEST_F(WindowTest, PoissonRangeDrawsSticksAndSteps) {
    SetRange(*Window, 19, "0", "12", 48);
    Window->SpeedButtonCalc->click();
    const quantiva::TChartView& Chart = *Window->Chart1;
    ASSERT_TRUE(Chart.Overlay().Discrete());
    const QList<QPointF> Sticks = Chart.Series1()->points();
    ASSERT_EQ(Sticks.size(), 3 * 12);
    for (const QPointF& P : Sticks) EXPECT_EQ(P.x(), std::floor(P.x()));
    const QList<QPointF> Steps = Chart.Series2()->points();
    for (qsizetype I = 1; I < Steps.size(); ++I)
        EXPECT_TRUE(Steps[I].x() == Steps[I - 1].x() || Steps[I].y() == Steps[I - 1].y()) << I;
    // The readout at 2.4 reads the stick at 2 and the staircase there.
    const quantiva::TReadout At = Chart.Overlay().ReadoutAt(2.4);
    ASSERT_TRUE(At.Pdf && At.Cdf);
    EXPECT_EQ(At.Pdf->x(), 2);
    EXPECT_EQ(*At.Cdf, Chart.Points(1)[8]);  // 2 is the ninth sample

    SetRange(*Window, 17, "-3", "3", 48);  // Normal: curves again
    Window->SpeedButtonCalc->click();
    EXPECT_FALSE(Chart.Overlay().Discrete());
    const quantiva::TPointList& Kept = Chart.Points(0);
    EXPECT_EQ(Chart.Series1()->points(), QList<QPointF>(Kept.cbegin(), Kept.cend()));
}

TEST_F(WindowTest, LogPdfAxisShowsOnlyPositiveValues) {
    SetRange(*Window, 19, "-4", "12", 64);  // masses are 0 left of 0
    Window->SpeedButtonCalc->click();
    Window->Menu1->aLogPdfAxis->setChecked(true);
    const quantiva::TChartView& Chart = *Window->Chart1;
    EXPECT_TRUE(Chart.Series1()->attachedAxes().contains(Chart.Overlay().AxisLeftLog()));
    const qreal Base = Chart.Overlay().AxisLeftLog()->min();
    EXPECT_GT(Base, 0);
    for (const QPointF& P : Chart.Series1()->points()) EXPECT_GE(P.y(), Base);
    Window->Menu1->aLogPdfAxis->setChecked(false);
    EXPECT_TRUE(Chart.Series1()->attachedAxes().contains(Chart.AxisLeft()));
}

void SendMouse(QWidget* Viewport, QEvent::Type Type, QPointF At, Qt::MouseButtons Held) {
    QMouseEvent Event(Type, At, Viewport->mapToGlobal(At),
                      Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Held, {});
    QApplication::sendEvent(Viewport, &Event);
}

qsizetype ShownBetween(const QLineSeries& Series, qreal Min, qreal Max) {
    const QList<QPointF> Points = Series.points();
    return std::count_if(Points.cbegin(), Points.cend(),
                         [&](const QPointF& P) { return P.x() >= Min && P.x() <= Max; });
}

TEST_F(WindowTest, RubberBandZoomsInWithDetailAndDoubleClickShowsAll) {
    SetRange(*Window, 17, "-4", "4", 100000);
    Window->SpeedButtonCalc->click();
    Window->PageControl1->setCurrentWidget(Window->TabSheetChart);
    QApplication::processEvents();
    quantiva::TChartView& Chart = *Window->Chart1;
    const QRectF Plot = Chart.chart()->plotArea();
    const qreal FullMin = Chart.AxisBottom()->min();
    const qreal FullMax = Chart.AxisBottom()->max();
    const QPointF From(Plot.left() + 0.4 * Plot.width(), Plot.top() + 5);
    const QPointF To(Plot.left() + 0.6 * Plot.width(), Plot.bottom() - 5);
    const qreal Min = Chart.chart()->mapToValue(From, Chart.Series1()).x();
    const qreal Max = Chart.chart()->mapToValue(To, Chart.Series1()).x();
    const qsizetype Before = ShownBetween(*Chart.Series1(), Min, Max);

    QWidget* Viewport = Chart.viewport();
    SendMouse(Viewport, QEvent::MouseButtonPress, From, Qt::LeftButton);
    SendMouse(Viewport, QEvent::MouseMove, To, Qt::LeftButton);
    SendMouse(Viewport, QEvent::MouseButtonRelease, To, Qt::NoButton);
    EXPECT_NEAR(Chart.AxisBottom()->min(), Min, (Max - Min) / 50);
    EXPECT_NEAR(Chart.AxisBottom()->max(), Max, (Max - Min) / 50);
    // The zoomed range gets the plot's columns' worth of points anew.
    EXPECT_GT(ShownBetween(*Chart.Series1(), Min, Max), 3 * Before);

    QTest::mouseDClick(Viewport, Qt::LeftButton, {}, Plot.center().toPoint());
    EXPECT_EQ(Chart.AxisBottom()->min(), FullMin);
    EXPECT_EQ(Chart.AxisBottom()->max(), FullMax);
}

TEST_F(WindowTest, SingleValueIsMarkedUntilCleared) {
    ChooseCalculation(0);
    Window->SpeedButtonCalc->click();
    const auto& Marked = Window->Chart1->Overlay().MarkedPoint();
    ASSERT_TRUE(Marked.has_value());
    EXPECT_EQ(Marked->X, 0.3);  // Beta's x
    EXPECT_EQ(Marked->Pdf, Window->Distribution().PDF());
    Window->SpeedButton1->click();
    EXPECT_FALSE(Window->Chart1->Overlay().MarkedPoint().has_value());
}

TEST_F(WindowTest, StateKeptThroughASettingsFile) {
    Window->FrameDist1->ListBoxDist->setCurrentRow(19);
    Dialog.Answers = {"4.5"};
    DoubleClickRow(1);  // lambda
    Window->FrameDist1->TrackBarDec->setValue(7);
    Window->FrameDist1->EditUB->setText("20");
    ChooseCalculation(0);
    Dialog.Answers = {"0.25"};
    Window->SpeedButtonICDF->click();
    Window->CheckBox4->setChecked(false);
    Window->CheckBox2->click();
    Window->Menu1->aLogPdfAxis->setChecked(true);
    const uicore::TWindowState Before = Window->State();

    QTemporaryDir Dir;
    const QString Path = Dir.filePath("quantiva.ini");
    {
        QSettings Settings(Path, QSettings::IniFormat);
        quantiva::WriteSettingsItems(Settings, uicore::WindowStateItems(Before));
    }
    quantiva::TfrmQuantiva Again(&Dialog, &Errors, &Confirm);
    QSettings Settings(Path, QSettings::IniFormat);
    Again.Restore(uicore::ReadWindowState(quantiva::ReadSettingsItems(Settings)));
    uicore::TWindowState After = Again.State();
    // The second window is never shown: the toolkit's blobs hold its
    // unshown size.
    After.Geometry = Before.Geometry;
    After.Splitter = Before.Splitter;
    EXPECT_EQ(uicore::WindowStateItems(After), uicore::WindowStateItems(Before));
    EXPECT_EQ(Again.FrameDist1->ListViewParams->topLevelItem(1)->text(3), "4.5");
    EXPECT_EQ(Again.FrameDist1->LabelDec->text(), "Decimals (7)");
    EXPECT_TRUE(Again.SpeedButtonICDF->isChecked());
    EXPECT_FALSE(Again.CheckBox2->isChecked());
    EXPECT_FALSE(Again.Chart1->Series2()->isVisible());
}

TEST_F(WindowTest, DamagedSettingsFileCostsOnlyItsBadItems) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("quantiva.ini");
    {
        QFile File(Path);
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(
            "\x00\xff[General\nDistribution=19\nDecimals=99\n=\n[[x\nNumPoints=-3\n"
            "UB=7\nGeometry=@ByteArray(\xff)\nVersion=0.1\n",
            96);
    }
    QSettings Settings(Path, QSettings::IniFormat);
    const uicore::TWindowState State =
        uicore::ReadWindowState(quantiva::ReadSettingsItems(Settings));
    EXPECT_EQ(State.Decimals, 4);
    EXPECT_EQ(State.NumPoints, 50);
    Window->Restore(State);
    EXPECT_EQ(Window->Distribution().Decimals(), 4);
    EXPECT_EQ(Window->Distribution().NumPoints(), 50);
}

}  // namespace
}  // namespace guitest
