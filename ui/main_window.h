// The main window TfrmQuantiva: the editor frame on the left, the "Results"
// and "Chart" pages, and the bottom panel with the mode pair "PDF+CDF" /
// "ICDF", "Calculate" and "Clear all". It owns the model and forwards every
// command to the toolkit-free calculation core; every handler runs through
// one error path, so no exception reaches Qt's event loop.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMainWindow>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

#include "model/prob_distribution.h"
#include "ui/chart_view.h"
#include "ui/core/calc_core.h"
#include "ui/core/error_path.h"
#include "ui/frame_dist.h"
#include "ui/results_sink.h"
#include "ui/results_view.h"
#include "ui/series_sink.h"

namespace quantiva {

class TfrmQuantiva : public QMainWindow {
    Q_OBJECT

public:
    // Dialog and ErrorBox answer the window's questions and show its errors;
    // left null, the window uses Qt's modal dialogs.
    explicit TfrmQuantiva(uicore::TInputDialog* Dialog = nullptr,
                          uicore::TErrorBox* ErrorBox = nullptr, QWidget* Parent = nullptr);
    ~TfrmQuantiva() override;

    const model::TProbDistribution& Distribution() const { return *FDistribution; }
    const uicore::TQuantivaCore& Core() const { return *FCore; }

    TFrameDist* FrameDist1;
    QToolButton* SpeedButtonPDFCDF;
    QToolButton* SpeedButtonICDF;
    QToolButton* SpeedButtonCalc;
    QToolButton* SpeedButton1;
    QTabWidget* PageControl1;
    QWidget* TabSheetResults;
    QWidget* TabSheetChart;
    TResultsView* MemoResults;
    QCheckBox* CheckBox4;
    TChartView* Chart1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;

    QAction* aCalculate;
    QAction* aClear;
    QAction* aShowPDF;
    QAction* aShowCDF;
    QAction* aAdditionalInfo;
    QAction* aGetpValue;

private:
    void FormCreate();
    void FormDestroy();
    QAction* NewAction(const char* Name, const char* Category, const QString& Caption);
    QWidget* BuildBottomPanel();
    QWidget* BuildResultsPage();
    QWidget* BuildChartPage();
    void Connect();
    QCheckBox* BoundCheckBox(QAction* Action, QWidget* Parent);

    void aCalculateExecute();
    void aClearExecute();
    void aGetpValueExecute();
    void SpeedButtonPDFCDFClick();
    void FrameDist1RadioGroupOutClick(std::int32_t ItemIndex);
    void aShowPDFExecute();
    void aShowCDFExecute();
    void aAdditionalInfoExecute();

    template <class THandler>
    void Run(THandler&& Handler) {
        uicore::RunHandler(FErrorBox, std::forward<THandler>(Handler));
    }
    void FlushOutputs();
    void ApplyChartTab();

    std::unique_ptr<uicore::TInputDialog> FOwnDialog;
    std::unique_ptr<uicore::TErrorBox> FOwnErrorBox;
    uicore::TInputDialog& FDialog;
    uicore::TErrorBox& FErrorBox;
    char FDecimalSeparator;
    std::unique_ptr<model::TProbDistribution> FDistribution;
    std::unique_ptr<TMemoResultsSink> FResults;
    std::unique_ptr<TChartSeriesSink> FSeries;
    std::unique_ptr<uicore::TQuantivaCore> FCore;
};

}  // namespace quantiva
