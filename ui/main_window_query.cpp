// The main window's probability questions: the panel's question answered
// into the results text, its region shaded under the PDF over the chart's
// x range (the model's plot range while the chart holds no points), and
// the answer and the law's summary as lines of the annotation.
#include <QList>
#include <QPointF>
#include <vector>

#include "ui/core/region_shading.h"
#include "ui/locale_text.h"
#include "ui/main_window.h"

namespace quantiva {

namespace {

// The lines that hold something: a region or a summary may be absent.
QStringList Present(QStringList Lines) {
    Lines.removeAll(QString());
    return Lines;
}

}  // namespace

void TfrmQuantiva::ButtonAskClick() {
    if (FCalculating) return;
    Run([this] {
        const uicore::TProbabilityQuery Query = PanelQuery->Query();
        if (CheckBox4->isChecked()) FResults->ClearLines();
        uicore::TQueryAnswer Answer;
        try {
            Answer = uicore::WriteQuery(*FResults, *FDistribution, Query, FDecimalSeparator);
        } catch (...) {
            FResults->Flush();
            throw;
        }
        FResults->Flush();
        ShowRegion(Query, Answer);
    });
}

void TfrmQuantiva::ButtonSummaryClick() {
    if (FCalculating) return;
    Run([this] {
        if (CheckBox4->isChecked()) FResults->ClearLines();
        try {
            uicore::WriteSummary(*FResults, *FDistribution, FDecimalSeparator);
        } catch (...) {
            FResults->Flush();
            throw;
        }
        FResults->Flush();
        FSummaryLine = ToQString(uicore::SummaryAnnotation(
            model::Summarize(*FDistribution), FDistribution->Decimals(), FDecimalSeparator));
        Chart1->SetAnnotationExtra(Present({FRegionLine, FSummaryLine}));
    });
}

void TfrmQuantiva::ShowRegion(const uicore::TProbabilityQuery& Query,
                              const uicore::TQueryAnswer& Answer) {
    const bool Plotted = !Chart1->Points(0).empty();
    const double ViewMin = Plotted ? Chart1->AxisBottom()->min() : FDistribution->LB();
    const double ViewMax = Plotted ? Chart1->AxisBottom()->max() : FDistribution->UB();
    std::vector<QList<QPointF>> Outlines;
    for (const auto& [From, To] : uicore::VisibleSpans(Answer, ViewMin, ViewMax)) {
        QList<QPointF> Outline;
        for (const uicore::TOutlinePoint& P : uicore::DensityOutline(*FDistribution, From, To))
            Outline.append(QPointF(P.X, P.Y));
        Outlines.push_back(std::move(Outline));
    }
    Chart1->SetRegion(Outlines);
    FRegionLine = ToQString(uicore::QueryLine(*FDistribution, Query, Answer, FDecimalSeparator));
    Chart1->SetAnnotationExtra(Present({FRegionLine, FSummaryLine}));
}

void TfrmQuantiva::ClearShading() {
    Chart1->ClearRegion();
    FRegionLine.clear();
    FSummaryLine.clear();
    Chart1->SetAnnotationExtra({});
}

}  // namespace quantiva
