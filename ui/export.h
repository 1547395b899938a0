// Writing what the window shows to files: the results as text or as a CSV
// table at full precision, the chart as PNG (at a chosen size) or SVG.
// Every file is written beside its place under a temporary name and
// renamed over it only when complete, so a failed save leaves an earlier
// file as it was. Failures raise std::runtime_error naming the path and
// the reason, for the window's error box.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "ui/chart_view.h"
#include "ui/core/csv_table.h"
#include "ui/results_view.h"

namespace quantiva {

void SaveResultsText(const TResultsView& Results, const QString& Path);
void SaveResultsCsv(const uicore::TCalcLog& Log, const QString& Path);

// The chart laid out and drawn at Size pixels, without the mouse's readout.
QImage ChartImage(TChartView& Chart, QSize Size);
void ExportChartPng(TChartView& Chart, const QString& Path, QSize Size);
void ExportChartSvg(TChartView& Chart, const QString& Path);

}  // namespace quantiva
