// The main window's widgets and handlers. Handlers only forward to the
// calculation core and the frame, then show the state they report; output
// reaches the widgets through the batched sinks, flushed when a command
// ends, also when it ends with an error or is cancelled, and during a long
// range whenever the pacer lets the event loop run.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "ui/huge_pages.h"
#include "ui/locale_text.h"
#include "ui/qt_dialogs.h"

namespace quantiva {

namespace {

constexpr int FrameWidth = 425;
constexpr int BottomPanelHeight = 37;
constexpr int PagePanelHeight = 41;
// Client area of the designed 903 x 562 outer size: frame 425 + pages 470
// wide, pages 491 + bottom panel 37 high.
constexpr QSize ClientSize(895, 528);
constexpr QPoint DesignedPosition(84, 115);

// Raised, with a frame, and reached by Tab: they read as buttons.
QToolButton* SpeedButton(const QString& Caption, QWidget* Parent) {
    auto* Button = new QToolButton(Parent);
    Button->setText(Caption);
    Button->setAutoRaise(false);
    Button->setFocusPolicy(Qt::StrongFocus);
    Button->setMinimumSize(64, 24);
    return Button;
}

QWidget* Panel(int Height, QWidget* Parent) {
    auto* Result = new QWidget(Parent);
    Result->setFixedHeight(Height);
    return Result;
}

// A monospace font for the results: Courier New where it exists.
QFont ResultsFont() {
    QFont Font(QStringLiteral("Courier New"));
    Font.setStyleHint(QFont::Monospace);
    if (!QFontInfo(Font).fixedPitch()) Font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Font.setPointSize(9);
    return Font;
}

}  // namespace

TfrmQuantiva::TfrmQuantiva(uicore::TInputDialog* Dialog, uicore::TErrorBox* ErrorBox,
                           uicore::TConfirmDialog* Confirm, QWidget* Parent)
    : QMainWindow(Parent),
      FOwnDialog(Dialog ? nullptr : std::make_unique<TQtInputDialog>(this)),
      FOwnErrorBox(ErrorBox ? nullptr : std::make_unique<TQtErrorBox>(this)),
      FOwnConfirm(Confirm ? nullptr : std::make_unique<TQtConfirmDialog>(this)),
      FDialog(Dialog ? *Dialog : *FOwnDialog),
      FErrorBox(ErrorBox ? *ErrorBox : *FOwnErrorBox),
      FConfirm(Confirm ? *Confirm : *FOwnConfirm),
      FDecimalSeparator(LocaleDecimalSeparator()) {
    FormCreate();
}

TfrmQuantiva::~TfrmQuantiva() { FormDestroy(); }

void TfrmQuantiva::FormCreate() {
    // The model first: the frame, the chart's annotation and the core all
    // refer to it. The core sets it up as the window's widgets start out.
    FDistribution = std::make_unique<model::TProbDistribution>();

    setWindowTitle(QStringLiteral("Tarn Research: Quantiva " QUANTIVA_VERSION));
    setWindowIcon(QIcon(QStringLiteral(":/quantiva.svg")));
    aCalculate = NewAction("aCalculate", "Calculation", QStringLiteral("Calculate"));
    aClear = NewAction("aClear", "Calculation", QStringLiteral("&Clear all"));
    aShowPDF = NewAction("aShowPDF", "Chart", QStringLiteral("Show PDF"));
    aShowCDF = NewAction("aShowCDF", "Chart", QStringLiteral("Show CDF"));
    aAdditionalInfo = NewAction("aAdditionalInfo", "Chart", QStringLiteral("Additional info"));
    aGetpValue = NewAction("aGetpValue", "Calculation", QStringLiteral("ICDF"));
    for (QAction* Check : {aShowPDF, aShowCDF, aAdditionalInfo, aGetpValue})
        Check->setCheckable(true);
    for (QAction* Check : {aShowPDF, aShowCDF, aAdditionalInfo}) Check->setChecked(true);

    FrameDist1 = new TFrameDist(FDialog, FErrorBox, FDecimalSeparator);
    FrameDist1->setObjectName(QStringLiteral("FrameDist1"));
    FrameDist1->setMinimumWidth(FrameWidth);
    PageControl1 = new QTabWidget;
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->addTab(BuildResultsPage(), QStringLiteral("Results"));
    PageControl1->addTab(BuildChartPage(), QStringLiteral("Chart"));
    PageControl1->setCurrentWidget(TabSheetResults);

    auto* Central = new QWidget(this);
    // The pages take what a larger window adds.
    Splitter1 = new QSplitter(Qt::Horizontal, Central);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(FrameDist1);
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(1, 1);
    auto* Column = new QVBoxLayout(Central);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(Splitter1, 1);
    Column->addWidget(BuildBottomPanel());
    PanelQuery = new TQueryPanel(FDecimalSeparator, Central);
    Column->addWidget(PanelQuery);
    setCentralWidget(Central);
    move(DesignedPosition);
    resize(ClientSize);

    FResults = std::make_unique<TMemoResultsSink>(MemoResults);
    FSeries = std::make_unique<TChartSeriesSink>(Chart1);
    FCore = std::make_unique<uicore::TQuantivaCore>(*FDistribution, *FResults, *FSeries,
                                                    FDecimalSeparator);
    FrameDist1->SetDistribution(*FDistribution);
    FrameDist1->SetItemIndex(static_cast<std::int32_t>(FDistribution->DistType()));
    Connect();
    Menu1 = new TAppMenu(*this, FErrorBox);
    ConnectKeyboard();
}

void TfrmQuantiva::FormDestroy() {
    // The widgets go first: the frame and the chart refer to the model.
    delete takeCentralWidget();
    FCore.reset();
    FSeries.reset();
    FResults.reset();
    FDistribution.reset();
}

QAction* TfrmQuantiva::NewAction(const char* Name, const char* Category, const QString& Caption) {
    auto* Action = new QAction(Caption, this);
    Action->setObjectName(QString::fromLatin1(Name));
    Action->setProperty("category", QString::fromLatin1(Category));
    return Action;
}

QWidget* TfrmQuantiva::BuildBottomPanel() {
    QWidget* Panel1 = Panel(BottomPanelHeight, this);
    SpeedButtonPDFCDF = SpeedButton(QStringLiteral("PDF+CDF"), Panel1);
    SpeedButtonICDF = SpeedButton(aGetpValue->text(), Panel1);
    SpeedButtonCalc = SpeedButton(aCalculate->text(), Panel1);
    // The button's own text keeps the ampersand: Alt+C presses it.
    SpeedButton1 = SpeedButton(aClear->text(), Panel1);
    for (QToolButton* Mode : {SpeedButtonPDFCDF, SpeedButtonICDF}) Mode->setCheckable(true);
    auto* Group1 = new QButtonGroup(Panel1);
    Group1->setExclusive(true);
    Group1->addButton(SpeedButtonPDFCDF);
    Group1->addButton(SpeedButtonICDF);
    SpeedButtonPDFCDF->setChecked(true);

    auto* Row = new QHBoxLayout(Panel1);
    Row->setContentsMargins(16, 7, 8, 8);
    Row->setSpacing(9);
    Row->addWidget(SpeedButtonPDFCDF);
    Row->addWidget(SpeedButtonICDF);
    Row->addSpacing(16);
    Row->addWidget(SpeedButtonCalc);
    Row->addWidget(SpeedButton1);
    Row->addSpacing(16);

    LabelStatus = new QLabel(Panel1);
    ProgressBar = new QProgressBar(Panel1);
    ProgressBar->setFormat(QStringLiteral("%v of %m points"));
    ProgressBar->setMinimumWidth(220);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), Panel1);
    ButtonCancel->setShortcut(QKeySequence(Qt::Key_Escape));
    ProgressBar->hide();
    ButtonCancel->hide();
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { FCancelRequested = true; });
    Row->addWidget(LabelStatus, 1);
    Row->addWidget(ProgressBar, 1);
    Row->addWidget(ButtonCancel);
    return Panel1;
}

QWidget* TfrmQuantiva::BuildResultsPage() {
    TabSheetResults = new QWidget;
    MemoResults = new TResultsView(TabSheetResults);
    MemoResults->setObjectName(QStringLiteral("MemoResults"));
    MemoResults->setFocusPolicy(Qt::StrongFocus);
    MemoResults->setFont(ResultsFont());
    QWidget* Panel2 = Panel(PagePanelHeight, TabSheetResults);
    CheckBox4 = new QCheckBox(QStringLiteral("Clear after each calculation"), Panel2);
    CheckBox4->setChecked(true);
    auto* Row = new QHBoxLayout(Panel2);
    Row->setContentsMargins(8, 8, 8, 8);
    Row->addWidget(CheckBox4);
    Row->addStretch();
    auto* Column = new QVBoxLayout(TabSheetResults);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(MemoResults, 1);
    Column->addWidget(Panel2);
    return TabSheetResults;
}

QCheckBox* TfrmQuantiva::BoundCheckBox(QAction* Action, QWidget* Parent) {
    auto* Box = new QCheckBox(Action->text(), Parent);
    Box->setChecked(Action->isChecked());
    // A click flips the tick, then runs the command.
    connect(Box, &QCheckBox::clicked, Action, &QAction::trigger);
    connect(Action, &QAction::toggled, Box, &QCheckBox::setChecked);
    return Box;
}

QWidget* TfrmQuantiva::BuildChartPage() {
    TabSheetChart = new QWidget;
    Chart1 = new TChartView(*FDistribution, FDecimalSeparator, TabSheetChart);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    QWidget* Panel3 = Panel(PagePanelHeight, TabSheetChart);
    CheckBox1 = BoundCheckBox(aShowPDF, Panel3);
    CheckBox2 = BoundCheckBox(aShowCDF, Panel3);
    CheckBox3 = BoundCheckBox(aAdditionalInfo, Panel3);
    auto* Row = new QHBoxLayout(Panel3);
    Row->setContentsMargins(8, 8, 8, 8);
    Row->addWidget(CheckBox1);
    Row->addWidget(CheckBox2);
    Row->addWidget(CheckBox3);
    Row->addStretch();
    auto* Column = new QVBoxLayout(TabSheetChart);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(Chart1, 1);
    Column->addWidget(Panel3);
    return TabSheetChart;
}

void TfrmQuantiva::Connect() {
    connect(aCalculate, &QAction::triggered, this, [this] { aCalculateExecute(); });
    connect(aClear, &QAction::triggered, this, [this] { aClearExecute(); });
    connect(aGetpValue, &QAction::triggered, this, [this] { aGetpValueExecute(); });
    connect(aShowPDF, &QAction::triggered, this, [this] { aShowPDFExecute(); });
    connect(aShowCDF, &QAction::triggered, this, [this] { aShowCDFExecute(); });
    connect(aAdditionalInfo, &QAction::triggered, this, [this] { aAdditionalInfoExecute(); });
    connect(SpeedButtonCalc, &QToolButton::clicked, aCalculate, &QAction::trigger);
    connect(SpeedButton1, &QToolButton::clicked, aClear, &QAction::trigger);
    connect(SpeedButtonICDF, &QToolButton::clicked, aGetpValue, &QAction::trigger);
    connect(SpeedButtonPDFCDF, &QToolButton::clicked, this, [this] { SpeedButtonPDFCDFClick(); });
    connect(PanelQuery->ButtonAsk, &QPushButton::clicked, this, [this] { ButtonAskClick(); });
    connect(PanelQuery->ButtonSummary, &QPushButton::clicked, this,
            [this] { ButtonSummaryClick(); });
    FrameDist1->SetRadioGroupOutClicked(
        [this](std::int32_t ItemIndex) { FrameDist1RadioGroupOutClick(ItemIndex); });
}

void TfrmQuantiva::ConnectKeyboard() {
    // F9 anywhere in the window, Enter in any of the frame's edits.
    aCalculate->setShortcut(QKeySequence(Qt::Key_F9));
    addAction(aCalculate);
    for (QLineEdit* Edit : {FrameDist1->EditNumPoints, FrameDist1->EditLB, FrameDist1->EditUB})
        connect(Edit, &QLineEdit::returnPressed, aCalculate, &QAction::trigger);
    // The decimals change the annotation's numbers.
    connect(FrameDist1->TrackBarDec, &QSlider::valueChanged, Chart1,
            &TChartView::AnnotationChanged);
    // Top to bottom, left to right: the editor, the page shown, its tabs,
    // then the command buttons and the question panel at the foot.
    QList<QWidget*> Order = FrameDist1->TabOrder();
    Order << MemoResults << CheckBox4 << CheckBox1 << CheckBox2 << CheckBox3 << PageControl1
          << SpeedButtonPDFCDF << SpeedButtonICDF << SpeedButtonCalc << SpeedButton1
          << PanelQuery->ComboKind << PanelQuery->EditA << PanelQuery->EditB
          << PanelQuery->ButtonAsk << PanelQuery->ButtonSummary;
    for (qsizetype I = 1; I < Order.size(); ++I) setTabOrder(Order[I - 1], Order[I]);
}

void TfrmQuantiva::FlushOutputs() {
    FResults->Flush();
    // A chart out of view is drawn when it comes into view.
    FSeries->Flush(Chart1->isVisible());
}

void TfrmQuantiva::ApplyChartTab() {
    const bool Visible = FCore->ChartTabVisible();
    // Hiding the tab of the page in front brings the results to the front.
    if (!Visible && PageControl1->currentWidget() == TabSheetChart)
        PageControl1->setCurrentWidget(TabSheetResults);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetChart), Visible);
}

void TfrmQuantiva::aCalculateExecute() {
    // The event loop runs inside a long range: nothing may start another.
    if (FCalculating) return;
    Run([this] {
        FCore->SetClearAfterEachCalculation(CheckBox4->isChecked());
        const bool Range = !FDistribution->CalculateSinglePoint();
        // A bound or point count left unparsable stops here with its message.
        if (Range) FrameDist1->Core().CheckOptions();
        if (!RangeConfirmed()) return;
        if (Range) FSeries->BeginRange(uicore::CalcSubjectOf(*FDistribution, FCore->Mode()));
        // A fresh calculation leaves no region of an earlier question.
        if (CheckBox4->isChecked()) ClearShading();
        BeginRun();
        uicore::TCalcOutcome Outcome;
        FCalcLog.Begin(*FDistribution, FCore->Mode(), FCore->PValue(),
                       FCore->ClearAfterEachCalculation());
        try {
            Outcome = FCore->Calculate(FPaceTiming ? this : nullptr);
        } catch (...) {
            // Whatever was appended before the failure is shown.
            EndRun();
            throw;
        }
        FCalcLog.End(Outcome.Rows);
        EndRun();
        Calculated();
        if (Outcome.Cancelled)
            LabelStatus->setText(
                ToQString(uicore::CancelledText(Outcome.Rows, FDistribution->NumPoints())));
    });
    // A close asked for during the range happens now that it is over.
    if (std::exchange(FCloseRequested, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool TfrmQuantiva::RangeConfirmed() {
    const std::int64_t Kept = CheckBox4->isChecked() ? 0 : MemoResults->LineCount();
    const double Bytes = uicore::CalculationBytes(*FDistribution, FCore->Mode(), Kept);
    return !uicore::NeedsConfirmation(Bytes) ||
           FConfirm.Confirm(uicore::ConfirmRangeText(FDistribution->NumPoints(), Bytes));
}

void TfrmQuantiva::BeginRun() {
    FCalculating = true;
    FProgressShown = false;
    FCancelRequested = false;
    // Clearing even an empty label lays out and repaints the whole panel.
    if (!LabelStatus->text().isEmpty()) LabelStatus->clear();
    if (FPaceTiming) FPacer.emplace(*FPaceTiming, uicore::TPaceClock::now());
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TfrmQuantiva::EndRun() {
    // The window is usable again first: flushing can fail (out of memory)
    // and must not leave every command disabled.
    QApplication::restoreOverrideCursor();
    ProgressBar->hide();
    ButtonCancel->hide();
    FPacer.reset();
    // A cancelled range leaves the rest of its storage unwritten.
    StopReadying();
    MemoResults->ReleaseUnused();
    Chart1->ReleaseUnused();
    FCalculating = false;
    SetCommandsEnabled(true);
    FlushOutputs();
}

void TfrmQuantiva::SetCommandsEnabled(bool Enabled) {
    for (QAction* Command : {aCalculate, aClear, aGetpValue, aShowPDF, aShowCDF, aAdditionalInfo})
        Command->setEnabled(Enabled);
    for (QWidget* Control : std::initializer_list<QWidget*>{
             SpeedButtonPDFCDF, SpeedButtonICDF, SpeedButtonCalc, SpeedButton1, FrameDist1,
             CheckBox1, CheckBox2, CheckBox3, PanelQuery})
        Control->setEnabled(Enabled);
    Menu1->SetCommandsEnabled(Enabled);
}

bool TfrmQuantiva::Continue(std::int64_t Done, std::int64_t Total) {
    FPacer->AfterRow(*this, Done, Total);
    return !FCancelRequested;
}

void TfrmQuantiva::ShowProgress(std::int64_t Done, std::int64_t Total) {
    if (!FProgressShown) {
        FProgressShown = true;
        // Events are handled from this turn on: nothing may start another
        // command. A range that ends sooner never shows its controls
        // disabled, nor repaints them all for it.
        SetCommandsEnabled(false);
        ProgressBar->setRange(0, static_cast<int>(Total));
        ProgressBar->show();
        ButtonCancel->show();
        // The arrow with a busy mark: the Cancel button is there to be pressed.
        QApplication::changeOverrideCursor(Qt::BusyCursor);
    }
    ProgressBar->setValue(static_cast<int>(Done));
}

// The rows and points so far go into the widgets as the range runs, so
// that its end has little left to do.
void TfrmQuantiva::Output() {
    FResults->Flush();
    FSeries->Flush(false);
}

bool TfrmQuantiva::ChartInView() const { return Chart1->isVisible(); }

void TfrmQuantiva::Draw() { FSeries->Flush(true); }

void TfrmQuantiva::ProcessEvents() { QApplication::processEvents(); }

void TfrmQuantiva::closeEvent(QCloseEvent* Event) {
    if (!FCalculating) {
        QMainWindow::closeEvent(Event);
        return;
    }
    FCancelRequested = true;
    FCloseRequested = true;
    Event->ignore();
}

void TfrmQuantiva::paintEvent(QPaintEvent* Event) {
    QMainWindow::paintEvent(Event);
    if (std::exchange(FPainted, true)) return;
    QTimer::singleShot(0, this, [this] { PrepareChartPage(); });
}

void TfrmQuantiva::PrepareChartPage() {
    QWidget* Shown = PageControl1->currentWidget();
    if (Shown == TabSheetChart) return;
    TabSheetChart->ensurePolished();
    TabSheetChart->setGeometry(Shown->geometry());
    TabSheetChart->layout()->activate();
    // A widget out of view is told of its size only when shown; the chart
    // lays out its scene then. Told now, it is already laid out by then.
    QList<QWidget*> Page = TabSheetChart->findChildren<QWidget*>();
    Page.prepend(TabSheetChart);
    for (QWidget* Widget : Page) {
        if (!Widget->testAttribute(Qt::WA_PendingResizeEvent)) continue;
        QResizeEvent Resize(Widget->size(), QSize());
        QCoreApplication::sendEvent(Widget, &Resize);
        Widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

void TfrmQuantiva::aClearExecute() {
    LabelStatus->clear();
    FCalcLog.Clear();
    Chart1->Overlay().SetMarkedPoint(std::nullopt);
    ClearShading();
    Run([this] { FCore->Clear(); });
}

void TfrmQuantiva::aGetpValueExecute() {
    // The button goes down before the question is asked.
    SpeedButtonICDF->setChecked(true);
    aGetpValue->setChecked(true);
    Run([this] { FCore->GetpValue(FDialog); });
    ApplyChartTab();
}

void TfrmQuantiva::SpeedButtonPDFCDFClick() {
    aGetpValue->setChecked(false);
    Run([this] { FCore->PdfCdfPressed(); });
    ApplyChartTab();
}

void TfrmQuantiva::FrameDist1RadioGroupOutClick(std::int32_t ItemIndex) {
    Run([&] { FCore->CalculationChoiceClicked(ItemIndex); });
    ApplyChartTab();
}

void TfrmQuantiva::aShowPDFExecute() { Chart1->Series1()->setVisible(CheckBox1->isChecked()); }

void TfrmQuantiva::aShowCDFExecute() { Chart1->Series2()->setVisible(CheckBox2->isChecked()); }

void TfrmQuantiva::aAdditionalInfoExecute() { Chart1->SetAnnotationShown(CheckBox3->isChecked()); }

}  // namespace quantiva
