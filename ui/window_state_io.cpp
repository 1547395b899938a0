// The main window's state between runs, and what a finished calculation
// changes in the chart. A state is applied through the widgets, in the
// order a user would set it, so that the model, the frame and the core
// agree as after clicks: distribution, values, decimals, the option edits,
// then mode and p (p is answered to the ICDF question of single-value
// mode), then single or range, which settles the chart tab.
#include <QByteArray>

#include "ui/core/csv_table.h"
#include "ui/discrete_series.h"
#include "ui/locale_text.h"
#include "ui/main_window.h"

namespace quantiva {

namespace {

// Answers the ICDF question with a fixed text.
class TAnswer : public uicore::TInputDialog {
public:
    explicit TAnswer(std::string Text) : FText(std::move(Text)) {}
    std::string InputQuery(const std::string&, const std::string&, const std::string&) override {
        return FText;
    }

private:
    std::string FText;
};

// A number as the edits and the dialog parse it back to the same double.
std::string EditText(double Value, char DecimalSeparator) {
    char Text[32];
    std::string Result(Text, uicore::CsvNumber(Text, Value));
    for (char& C : Result)
        if (C == '.') C = DecimalSeparator;
    return Result;
}

std::string Base64(const QByteArray& Bytes) { return Bytes.toBase64().toStdString(); }

QByteArray FromBase64(const std::string& Text) {
    return QByteArray::fromBase64(QByteArray::fromStdString(Text));
}

void SetChecked(QAction* Action, bool Checked) {
    // A trigger flips the tick and runs the command, as a click does.
    if (Action->isChecked() != Checked) Action->trigger();
}

}  // namespace

uicore::TWindowState TfrmQuantiva::State() const {
    uicore::TWindowState State;
    State.DistIndex = static_cast<std::int32_t>(FDistribution->DistType());
    const model::TProbParameters& Params = FDistribution->DistParams();
    for (std::int32_t I = 0; I < Params.Count(); ++I)
        State.Values.push_back(Params.Items(I).Value());
    State.Decimals = FDistribution->Decimals();
    State.Single = FDistribution->CalculateSinglePoint();
    State.NumPoints = FDistribution->NumPoints();
    State.LB = FDistribution->LB();
    State.UB = FDistribution->UB();
    State.Mode = FCore->Mode();
    State.P = FCore->PValue();
    State.ClearAfterEach = CheckBox4->isChecked();
    State.ShowPDF = aShowPDF->isChecked();
    State.ShowCDF = aShowCDF->isChecked();
    State.AdditionalInfo = aAdditionalInfo->isChecked();
    State.LogPdfAxis = Menu1->aLogPdfAxis->isChecked();
    State.Page = PageControl1->currentWidget() == TabSheetChart ? 1 : 0;
    State.Geometry = Base64(saveGeometry());
    State.Splitter = Base64(Splitter1->saveState());
    return State;
}

void TfrmQuantiva::Restore(const uicore::TWindowState& State) {
    FrameDist1->ListBoxDist->setCurrentRow(State.DistIndex);
    model::TProbParameters& Params = FDistribution->DistParams();
    if (State.Values.size() == static_cast<std::size_t>(Params.Count())) {
        for (std::int32_t I = 0; I < Params.Count(); ++I)
            Params.Items(I).SetValue(State.Values[static_cast<std::size_t>(I)]);
        FrameDist1->ParameterValuesChanged();
    }
    FrameDist1->TrackBarDec->setValue(State.Decimals);
    FrameDist1->EditNumPoints->setText(QString::number(State.NumPoints));
    FrameDist1->EditLB->setText(ToQString(EditText(State.LB, FDecimalSeparator)));
    FrameDist1->EditUB->setText(ToQString(EditText(State.UB, FDecimalSeparator)));

    QButtonGroup& Choice = *FrameDist1->RadioGroupOutItems;
    Choice.button(0)->click();
    SpeedButtonICDF->setChecked(true);
    aGetpValue->setChecked(true);
    TAnswer P(EditText(State.P, FDecimalSeparator));
    Run([&] { FCore->GetpValue(P); });
    if (State.Mode == uicore::TCalcMode::PdfCdf) SpeedButtonPDFCDF->click();
    Choice.button(State.Single ? 0 : 1)->click();

    CheckBox4->setChecked(State.ClearAfterEach);
    SetChecked(aShowPDF, State.ShowPDF);
    SetChecked(aShowCDF, State.ShowCDF);
    SetChecked(aAdditionalInfo, State.AdditionalInfo);
    Menu1->aLogPdfAxis->setChecked(State.LogPdfAxis);
    if (State.Page == 1 && PageControl1->isTabVisible(PageControl1->indexOf(TabSheetChart)))
        PageControl1->setCurrentWidget(TabSheetChart);
    // The toolkit checks its own blobs and ignores one it cannot use.
    restoreGeometry(FromBase64(State.Geometry));
    Splitter1->restoreState(FromBase64(State.Splitter));
}

void TfrmQuantiva::Calculated() {
    TChartOverlay& Overlay = Chart1->Overlay();
    if (FCore->ClearAfterEachCalculation()) Overlay.SetMarkedPoint(std::nullopt);
    const bool PdfCdf = FCore->Mode() == uicore::TCalcMode::PdfCdf;
    if (!FDistribution->CalculateSinglePoint()) {
        // Inverse values are a curve of p whatever the law.
        Overlay.SetDiscrete(PdfCdf && IsDiscreteLaw(FDistribution->DistType()));
        return;
    }
    if (!PdfCdf) return;
    const double X = FDistribution->DistParams().Items(0).Value();
    Overlay.SetMarkedPoint(TMarkedPoint{X, FDistribution->PDF(), FDistribution->CDF()});
}

}  // namespace quantiva
