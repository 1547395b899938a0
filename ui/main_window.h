// The main window TfrmQuantiva: the editor frame on the left, the "Results"
// and "Chart" pages, and the bottom panel with the mode pair "PDF+CDF" /
// "ICDF", "Calculate" and "Clear all". It owns the model and forwards every
// command to the toolkit-free calculation core; every handler runs through
// one error path, so no exception reaches Qt's event loop. A long range
// runs on the same thread but lets the event loop in between rows: after
// half a second the bottom panel shows the points done and a Cancel
// button, and every command that could start or change a calculation is
// disabled until it ends. Every control is reached by Tab; F9, or Enter
// in an edit, calculates.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <memory>
#include <optional>

#include "model/prob_distribution.h"
#include "ui/app_menu.h"
#include "ui/chart_view.h"
#include "ui/core/calc_core.h"
#include "ui/core/csv_table.h"
#include "ui/core/error_path.h"
#include "ui/core/progress_pacer.h"
#include "ui/core/range_budget.h"
#include "ui/core/window_state.h"
#include "ui/frame_dist.h"
#include "ui/query_panel.h"
#include "ui/results_sink.h"
#include "ui/results_view.h"
#include "ui/series_sink.h"

namespace quantiva {

class TfrmQuantiva : public QMainWindow, private uicore::TCalcProgress, private uicore::TPaceTurn {
    Q_OBJECT

public:
    // Dialog, ErrorBox and Confirm answer the window's questions and show
    // its errors; left null, the window uses Qt's modal dialogs.
    explicit TfrmQuantiva(uicore::TInputDialog* Dialog = nullptr,
                          uicore::TErrorBox* ErrorBox = nullptr,
                          uicore::TConfirmDialog* Confirm = nullptr, QWidget* Parent = nullptr);
    ~TfrmQuantiva() override;

    const model::TProbDistribution& Distribution() const { return *FDistribution; }
    const uicore::TQuantivaCore& Core() const { return *FCore; }

    // When a long range shows its progress and lets the event loop run;
    // none runs the range without any of it.
    void SetPaceTiming(std::optional<uicore::TPaceTiming> Timing) { FPaceTiming = Timing; }
    bool Calculating() const { return FCalculating; }

    // The calculations whose rows stand in the results pane.
    const uicore::TCalcLog& CalcLog() const { return FCalcLog; }
    // The state kept between runs, read from the widgets and applied to
    // them as the user would set it.
    uicore::TWindowState State() const;
    void Restore(const uicore::TWindowState& State);

    TFrameDist* FrameDist1;
    QToolButton* SpeedButtonPDFCDF;
    QToolButton* SpeedButtonICDF;
    QToolButton* SpeedButtonCalc;
    QToolButton* SpeedButton1;
    QSplitter* Splitter1;  // the frame beside the pages
    TAppMenu* Menu1;
    QLabel* LabelStatus;        // says that a range was cancelled, and where
    QProgressBar* ProgressBar;  // points done of n, while a long range runs
    QPushButton* ButtonCancel;
    QTabWidget* PageControl1;
    QWidget* TabSheetResults;
    QWidget* TabSheetChart;
    TResultsView* MemoResults;
    QCheckBox* CheckBox4;
    TChartView* Chart1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    TQueryPanel* PanelQuery;  // tail and interval probabilities, the summary

    QAction* aCalculate;
    QAction* aClear;
    QAction* aShowPDF;
    QAction* aShowCDF;
    QAction* aAdditionalInfo;
    QAction* aGetpValue;

protected:
    // Closing during a range cancels it; the window closes once it ends.
    void closeEvent(QCloseEvent* Event) override;
    // After the window's first paint, the chart page is made ready once
    // the event loop is idle.
    void paintEvent(QPaintEvent* Event) override;

private:
    void FormCreate();
    void FormDestroy();
    QAction* NewAction(const char* Name, const char* Category, const QString& Caption);
    QWidget* BuildBottomPanel();
    QWidget* BuildResultsPage();
    QWidget* BuildChartPage();
    void Connect();
    // F9, Enter in the edits, the Tab order.
    void ConnectKeyboard();
    QCheckBox* BoundCheckBox(QAction* Action, QWidget* Parent);
    // The chart page out of view polished and laid out at the pages' size,
    // so that bringing it to the front after a range only has to draw.
    void PrepareChartPage();

    void aCalculateExecute();
    void aClearExecute();
    void aGetpValueExecute();
    void SpeedButtonPDFCDFClick();
    void FrameDist1RadioGroupOutClick(std::int32_t ItemIndex);
    void aShowPDFExecute();
    void aShowCDFExecute();
    void aAdditionalInfoExecute();
    // The probability panel: the answer to the results text, the region
    // shaded under the PDF and named in the annotation; the summary to the
    // results text and as one annotation line.
    void ButtonAskClick();
    void ButtonSummaryClick();
    void ShowRegion(const uicore::TProbabilityQuery& Query, const uicore::TQueryAnswer& Answer);
    void ClearShading();

    template <class THandler>
    void Run(THandler&& Handler) {
        uicore::RunHandler(FErrorBox, std::forward<THandler>(Handler));
    }
    void FlushOutputs();
    // After a calculation: the chart's picture of the law and the marked
    // single value.
    void Calculated();
    void ApplyChartTab();

    // Asks before a range that would hold more than the memory budget.
    bool RangeConfirmed();
    void BeginRun();
    void EndRun();
    void SetCommandsEnabled(bool Enabled);
    // After each row of a range: the pacer decides when the window shows
    // the progress, repaints and looks for Cancel.
    bool Continue(std::int64_t Done, std::int64_t Total) override;
    // The parts of a turn, as the pacer runs them.
    uicore::TPaceClock::time_point Now() override { return uicore::TPaceClock::now(); }
    void ShowProgress(std::int64_t Done, std::int64_t Total) override;
    void Output() override;
    bool ChartInView() const override;
    void Draw() override;
    void ProcessEvents() override;

    std::unique_ptr<uicore::TInputDialog> FOwnDialog;
    std::unique_ptr<uicore::TErrorBox> FOwnErrorBox;
    std::unique_ptr<uicore::TConfirmDialog> FOwnConfirm;
    uicore::TInputDialog& FDialog;
    uicore::TErrorBox& FErrorBox;
    uicore::TConfirmDialog& FConfirm;
    char FDecimalSeparator;
    std::unique_ptr<model::TProbDistribution> FDistribution;
    std::unique_ptr<TMemoResultsSink> FResults;
    std::unique_ptr<TChartSeriesSink> FSeries;
    std::unique_ptr<uicore::TQuantivaCore> FCore;
    uicore::TCalcLog FCalcLog;

    std::optional<uicore::TPaceTiming> FPaceTiming = uicore::TPaceTiming{};
    std::optional<uicore::TProgressPacer> FPacer;  // while a range runs
    bool FCalculating = false;
    bool FProgressShown = false;
    bool FCancelRequested = false;
    bool FCloseRequested = false;
    bool FPainted = false;  // the window's first paint has begun
    QString FRegionLine;    // the annotation's line for the shaded region
    QString FSummaryLine;   // and for the summary
};

}  // namespace quantiva
