// Menus and their commands. Keys are Qt's standard sequences where one
// exists (Save, Quit, Copy, Select all, Help); the rest are fixed here.
// File dialogs and the PNG size question are the only modal steps; the
// work after them runs through the window's error path.
#include "ui/app_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <optional>

#include "ui/export.h"
#include "ui/main_window.h"

namespace quantiva {

namespace {

const QString TextFilter = QStringLiteral("Results text (*.txt)");
const QString CsvFilter = QStringLiteral("CSV, full precision (*.csv)");
const QString PngFilter = QStringLiteral("PNG image (*.png)");
const QString SvgFilter = QStringLiteral("SVG drawing (*.svg)");

// The path with the filter's extension when it has none of its own.
QString WithSuffix(const QString& Path, const QString& Filter) {
    if (!QFileInfo(Path).suffix().isEmpty()) return Path;
    const qsizetype Star = Filter.indexOf(QStringLiteral("*."));
    return Path + Filter.mid(Star + 1, Filter.indexOf(QLatin1Char(')')) - Star - 1);
}

// Asks the PNG's size in pixels, starting from Size.
std::optional<QSize> AskPngSize(QWidget* Parent, QSize Size) {
    QDialog Dialog(Parent);
    Dialog.setWindowTitle(QStringLiteral("PNG size"));
    auto* Width = new QSpinBox(&Dialog);
    auto* Height = new QSpinBox(&Dialog);
    for (QSpinBox* Box : {Width, Height}) {
        Box->setRange(16, 16384);
        Box->setSuffix(QStringLiteral(" px"));
    }
    Width->setValue(Size.width());
    Height->setValue(Size.height());
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &Dialog);
    QObject::connect(Buttons, &QDialogButtonBox::accepted, &Dialog, &QDialog::accept);
    QObject::connect(Buttons, &QDialogButtonBox::rejected, &Dialog, &QDialog::reject);
    auto* Form = new QFormLayout(&Dialog);
    Form->addRow(QStringLiteral("Width"), Width);
    Form->addRow(QStringLiteral("Height"), Height);
    Form->addRow(Buttons);
    if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
    return QSize(Width->value(), Height->value());
}

}  // namespace

QString AboutText() {
    return QStringLiteral(
               "<h3>Quantiva %1</h3>"
               "<p>PDF, CDF and inverse CDF of 26 statistical distributions.</p>"
               "<p>Copyright Tarn Research. Licensed under the GNU General Public "
               "License, version 3 or later (GPL-3.0-or-later); it comes with "
               "no warranty.</p>"
               "<p>Built with Qt %2 (running on Qt %3) and Qt Charts.</p>")
        .arg(QStringLiteral(QUANTIVA_VERSION), QStringLiteral(QT_VERSION_STR),
             QString::fromLatin1(qVersion()));
}

TAppMenu::TAppMenu(TfrmQuantiva& Window, uicore::TErrorBox& ErrorBox)
    : QObject(&Window), FWindow(Window), FErrorBox(ErrorBox) {
    aSaveResults = Command(QStringLiteral("&Save results…"), QKeySequence::Save);
    aExportChart = Command(QStringLiteral("&Export chart…"), QKeySequence(Qt::CTRL | Qt::Key_E));
    aQuit = Command(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    aCopy = Command(QStringLiteral("&Copy"), QKeySequence::Copy);
    aCopyChart = Command(QStringLiteral("Copy c&hart as image"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    aSelectAll = Command(QStringLiteral("Select &all"), QKeySequence::SelectAll);
    aPdfCdf = Command(QStringLiteral("&PDF+CDF"), QKeySequence(Qt::CTRL | Qt::Key_1));
    aIcdf = Command(QStringLiteral("&ICDF"), QKeySequence(Qt::CTRL | Qt::Key_2));
    aLogPdfAxis =
        Command(QStringLiteral("&Logarithmic PDF axis"), QKeySequence(Qt::CTRL | Qt::Key_L));
    aLogPdfAxis->setCheckable(true);
    aResetZoom = Command(QStringLiteral("&Reset zoom"), QKeySequence(Qt::CTRL | Qt::Key_0));
    aShortcuts = Command(QStringLiteral("&Keyboard shortcuts"), QKeySequence::HelpContents);
    aAbout = Command(QStringLiteral("&About Quantiva"), QKeySequence());
    aAbout->setMenuRole(QAction::AboutRole);
    aQuit->setMenuRole(QAction::QuitRole);
    // The window's own commands get their keys here, where the table is.
    FWindow.aCalculate->setShortcut(QKeySequence(Qt::Key_F9));
    FWindow.aClear->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    BuildMenus();
    Connect();
}

QAction* TAppMenu::Command(const QString& Text, const QKeySequence& Keys) {
    auto* Action = new QAction(Text, this);
    Action->setShortcut(Keys);
    return Action;
}

void TAppMenu::BuildMenus() {
    QMenuBar* Bar = FWindow.menuBar();
    QMenu* File = Bar->addMenu(QStringLiteral("&File"));
    File->addAction(aSaveResults);
    File->addAction(aExportChart);
    File->addSeparator();
    File->addAction(aQuit);
    QMenu* Edit = Bar->addMenu(QStringLiteral("&Edit"));
    Edit->addAction(aCopy);
    Edit->addAction(aCopyChart);
    Edit->addAction(aSelectAll);
    Edit->addSeparator();
    Edit->addAction(FWindow.aClear);
    QMenu* Calculate = Bar->addMenu(QStringLiteral("Ca&lculate"));
    Calculate->addAction(FWindow.aCalculate);
    Calculate->addSeparator();
    Calculate->addAction(aPdfCdf);
    Calculate->addAction(aIcdf);
    QMenu* Chart = Bar->addMenu(QStringLiteral("Cha&rt"));
    Chart->addAction(FWindow.aShowPDF);
    Chart->addAction(FWindow.aShowCDF);
    Chart->addAction(FWindow.aAdditionalInfo);
    Chart->addSeparator();
    Chart->addAction(aLogPdfAxis);
    Chart->addAction(aResetZoom);
    QMenu* Help = Bar->addMenu(QStringLiteral("&Help"));
    Help->addAction(aShortcuts);
    Help->addAction(aAbout);
}

void TAppMenu::Connect() {
    connect(aSaveResults, &QAction::triggered, this, [this] { AskSaveResults(); });
    connect(aExportChart, &QAction::triggered, this, [this] { AskExportChart(); });
    connect(aQuit, &QAction::triggered, &FWindow, &QWidget::close);
    connect(aCopy, &QAction::triggered, this, [this] { CopyResults(); });
    connect(aCopyChart, &QAction::triggered, this, [this] {
        // As the screen shows it, at the screen's pixel density.
        TChartView& Chart = *FWindow.Chart1;
        Chart.Overlay().SetMouse(std::nullopt);
        QApplication::clipboard()->setImage(Chart.grab().toImage());
    });
    connect(aSelectAll, &QAction::triggered, FWindow.MemoResults, &TResultsView::SelectAll);
    connect(aPdfCdf, &QAction::triggered, FWindow.SpeedButtonPDFCDF, &QToolButton::click);
    connect(aIcdf, &QAction::triggered, FWindow.SpeedButtonICDF, &QToolButton::click);
    connect(aLogPdfAxis, &QAction::toggled, this,
            [this](bool Log) { FWindow.Chart1->Overlay().SetLogPdfAxis(Log); });
    connect(aResetZoom, &QAction::triggered, this,
            [this] { FWindow.Chart1->Overlay().ResetZoom(); });
    connect(aShortcuts, &QAction::triggered, this, [this] { ShowShortcuts(); });
    connect(aAbout, &QAction::triggered, this, [this] { ShowAbout(); });
}

QList<QPair<QString, QString>> TAppMenu::ShortcutRows() const {
    QList<QPair<QString, QString>> Rows;
    for (const QAction* MenuAction : FWindow.menuBar()->actions()) {
        const QString Menu = MenuAction->text().remove(QLatin1Char('&'));
        for (const QAction* Action : MenuAction->menu()->actions()) {
            if (Action->shortcut().isEmpty()) continue;
            QString Text = Action->text().remove(QLatin1Char('&'));
            Text.remove(QStringLiteral("…"));
            Rows.append({Menu + QStringLiteral(" > ") + Text,
                         Action->shortcut().toString(QKeySequence::NativeText)});
        }
    }
    return Rows;
}

void TAppMenu::SetCommandsEnabled(bool Enabled) {
    for (QAction* Command :
         {aSaveResults, aExportChart, aCopyChart, aPdfCdf, aIcdf, aLogPdfAxis, aResetZoom})
        Command->setEnabled(Enabled);
}

void TAppMenu::CopyResults() {
    const QString Selected = FWindow.MemoResults->SelectedText();
    QApplication::clipboard()->setText(Selected.isEmpty() ? FWindow.MemoResults->PlainText()
                                                          : Selected);
}

void TAppMenu::SaveResults(const QString& Path) {
    uicore::RunHandler(FErrorBox, [&] {
        if (QFileInfo(Path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0)
            SaveResultsCsv(FWindow.CalcLog(), Path);
        else
            SaveResultsText(*FWindow.MemoResults, Path);
    });
}

void TAppMenu::ExportChart(const QString& Path, QSize PngSize) {
    uicore::RunHandler(FErrorBox, [&] {
        if (QFileInfo(Path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0)
            ExportChartSvg(*FWindow.Chart1, Path);
        else
            ExportChartPng(*FWindow.Chart1, Path, PngSize);
    });
}

void TAppMenu::AskSaveResults() {
    QString Filter = TextFilter;
    const QString Path =
        QFileDialog::getSaveFileName(&FWindow, QStringLiteral("Save results"), FLastDirectory,
                                     TextFilter + QStringLiteral(";;") + CsvFilter, &Filter);
    if (Path.isEmpty()) return;
    FLastDirectory = QFileInfo(Path).absolutePath();
    SaveResults(WithSuffix(Path, Filter));
}

void TAppMenu::AskExportChart() {
    QString Filter = PngFilter;
    const QString Path =
        QFileDialog::getSaveFileName(&FWindow, QStringLiteral("Export chart"), FLastDirectory,
                                     PngFilter + QStringLiteral(";;") + SvgFilter, &Filter);
    if (Path.isEmpty()) return;
    FLastDirectory = QFileInfo(Path).absolutePath();
    const QString Chosen = WithSuffix(Path, Filter);
    QSize Size = FWindow.Chart1->viewport()->size() * FWindow.Chart1->devicePixelRatioF();
    if (QFileInfo(Chosen).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) != 0) {
        const std::optional<QSize> Asked = AskPngSize(&FWindow, Size);
        if (!Asked) return;
        Size = *Asked;
    }
    ExportChart(Chosen, Size);
}

void TAppMenu::ShowShortcuts() {
    QString Table = QStringLiteral("<table cellspacing='6'>");
    for (const auto& [Command, Keys] : ShortcutRows())
        Table += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>")
                     .arg(Command.toHtmlEscaped(), Keys.toHtmlEscaped());
    Table += QStringLiteral("</table>");
    QMessageBox::information(&FWindow, QStringLiteral("Keyboard shortcuts"), Table);
}

void TAppMenu::ShowAbout() {
    QMessageBox::about(&FWindow, QStringLiteral("About Quantiva"), AboutText());
}

}  // namespace quantiva
