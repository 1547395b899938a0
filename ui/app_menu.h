// The window's menu bar: File (Save results, Export chart, Quit), Edit
// (Copy, Copy chart as image, Select all, Clear all), Calculate (Calculate,
// PDF+CDF, ICDF), Chart (the three display switches, logarithmic PDF axis,
// reset zoom) and Help (keyboard shortcuts, About). Commands that exist in
// the window already (Calculate, Clear all, the chart switches) are the
// window's own actions, so menu, buttons and keys stay one command.
#pragma once

#include <QAction>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QString>

#include "ui/core/error_path.h"

namespace quantiva {

class TfrmQuantiva;

class TAppMenu : public QObject {
    Q_OBJECT

public:
    TAppMenu(TfrmQuantiva& Window, uicore::TErrorBox& ErrorBox);

    QAction* aSaveResults;
    QAction* aExportChart;
    QAction* aQuit;
    QAction* aCopy;
    QAction* aCopyChart;
    QAction* aSelectAll;
    QAction* aPdfCdf;
    QAction* aIcdf;
    QAction* aLogPdfAxis;
    QAction* aResetZoom;
    QAction* aShortcuts;
    QAction* aAbout;

    // The commands with keys, in menu order: "Menu > Command" and the key
    // in the platform's text.
    QList<QPair<QString, QString>> ShortcutRows() const;

    // Saving and exporting to a chosen path; failures reach the error box.
    void SaveResults(const QString& Path);
    void ExportChart(const QString& Path, QSize PngSize);
    // Copy: the selected results lines, or all of them.
    void CopyResults();
    // Off while a range runs: nothing may save or reshape half a result.
    void SetCommandsEnabled(bool Enabled);

private:
    QAction* Command(const QString& Text, const QKeySequence& Keys);
    void BuildMenus();
    void Connect();
    void AskSaveResults();
    void AskExportChart();
    void ShowShortcuts();
    void ShowAbout();

    TfrmQuantiva& FWindow;
    uicore::TErrorBox& FErrorBox;
    QString FLastDirectory;
};

// The About box's text: version from the build, licence and libraries.
QString AboutText();

}  // namespace quantiva
