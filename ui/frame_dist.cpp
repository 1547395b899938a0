// The editor frame's widgets, laid out as designed (list panel 121 wide on
// the left, parameter list 104 high on top of the right panel, the track
// bar, the radio group and the options box below it).
#include "ui/frame_dist.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/core/dist_list.h"
#include "ui/core/number_text.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

constexpr int ListPanelWidth = 121;
constexpr int ParamListHeight = 104;
constexpr int DecimalsMin = 2;
constexpr int DecimalsMax = 16;
constexpr int DecimalsAtStart = 4;
constexpr int RangeChoice = 1;  // "Calculate for range", chosen at start
constexpr int PointsAtStart = 50;

QPushButton* ArrowButton(const QString& Caption, QWidget* Parent) {
    auto* Button = new QPushButton(Caption, Parent);
    Button->setFixedSize(17, 17);
    return Button;
}

QLineEdit* OptionEdit(const QString& Text, QWidget* Parent) {
    auto* Edit = new QLineEdit(Text, Parent);
    Edit->setFixedWidth(56);
    return Edit;
}

}  // namespace

TFrameDist::TFrameDist(uicore::TInputDialog& Dialog, uicore::TErrorBox& ErrorBox,
                       char DecimalSeparator, QWidget* Parent)
    : QWidget(Parent), FCore(DecimalSeparator), FDialog(Dialog), FErrorBox(ErrorBox) {
    auto* Layout = new QHBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(2);
    Layout->addWidget(BuildListPanel());
    Layout->addWidget(BuildEditPanel(), 1);
    Connect();
}

TFrameDist::~TFrameDist() {
    // The child widgets outlive this destructor's body; none of their last
    // signals may reach the handlers, whose core is gone by then.
    for (QObject* Child : findChildren<QObject*>())
        QObject::disconnect(Child, nullptr, this, nullptr);
}

QWidget* TFrameDist::BuildListPanel() {
    auto* Panel2 = new QWidget(this);
    Panel2->setFixedWidth(ListPanelWidth);
    ListBoxDist = new QListWidget(Panel2);
    ListBoxDist->setObjectName(QStringLiteral("ListBoxDist"));
    for (const char* Entry : uicore::DistListEntries)
        ListBoxDist->addItem(QString::fromUtf8(Entry));
    Button1 = ArrowButton(QStringLiteral("<"), Panel2);
    Button2 = ArrowButton(QStringLiteral(">"), Panel2);
    auto* Arrows = new QHBoxLayout;
    Arrows->setContentsMargins(2, 2, 2, 2);
    Arrows->addWidget(Button1);
    Arrows->addWidget(Button2);
    Arrows->addStretch();
    auto* Column = new QVBoxLayout(Panel2);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(ListBoxDist, 1);
    Column->addLayout(Arrows);
    return Panel2;
}

QWidget* TFrameDist::BuildEditPanel() {
    auto* Panel1 = new QWidget(this);
    ListViewParams = new QTreeWidget(Panel1);
    ListViewParams->setObjectName(QStringLiteral("ListViewParams"));
    ListViewParams->setColumnCount(4);
    ListViewParams->setHeaderLabels({QStringLiteral("Parameter"), QStringLiteral("Type"),
                                     QStringLiteral("Valid range"), QStringLiteral("Value")});
    ListViewParams->setRootIsDecorated(false);
    ListViewParams->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewParams->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewParams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewParams->setFixedHeight(ParamListHeight);
    // Designed widths, narrowed to leave the "Value" column in view at this
    // toolkit's font sizes.
    ListViewParams->setColumnWidth(0, 70);
    ListViewParams->setColumnWidth(1, 52);
    ListViewParams->setColumnWidth(2, 100);
    ListViewParams->setColumnWidth(3, 58);
    ListViewParams->header()->setStretchLastSection(true);
    ListViewParams->viewport()->installEventFilter(this);
    ListViewParams->installEventFilter(this);

    LabelDec =
        new QLabel(QString::fromStdString(uicore::DecimalsLabelText(DecimalsAtStart)), Panel1);
    TrackBarDec = new QSlider(Qt::Horizontal, Panel1);
    TrackBarDec->setRange(DecimalsMin, DecimalsMax);
    TrackBarDec->setValue(DecimalsAtStart);
    TrackBarDec->setPageStep(2);
    TrackBarDec->setTickInterval(1);
    TrackBarDec->setTickPosition(QSlider::TicksBelow);
    TrackBarDec->setFocusPolicy(Qt::StrongFocus);
    TrackBarDec->setFixedWidth(130);
    auto* Decimals = new QHBoxLayout;
    Decimals->addWidget(LabelDec);
    Decimals->addWidget(TrackBarDec);
    Decimals->addStretch();

    auto* Column = new QVBoxLayout(Panel1);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->addWidget(ListViewParams);
    Column->addLayout(Decimals);
    Column->addWidget(BuildRadioGroup(), 0, Qt::AlignLeft);
    // No alignment: an aligned item gets its size hint, which leaves no
    // room for a wrapped error message.
    Column->addWidget(BuildOptions());
    Column->addStretch();
    return Panel1;
}

QGroupBox* TFrameDist::BuildRadioGroup() {
    RadioGroupOut = new QGroupBox(QStringLiteral("Calculation"), this);
    RadioGroupOut->setFixedWidth(220);
    RadioGroupOutItems = new QButtonGroup(RadioGroupOut);
    auto* Items = new QVBoxLayout(RadioGroupOut);
    const QString Captions[] = {QStringLiteral("Calculate for single value"),
                                QStringLiteral("Calculate for range")};
    for (int I = 0; I < 2; ++I) {
        auto* Item = new QRadioButton(Captions[I], RadioGroupOut);
        RadioGroupOutItems->addButton(Item, I);
        Items->addWidget(Item);
    }
    RadioGroupOutItems->button(RangeChoice)->setChecked(true);
    return RadioGroupOut;
}

QGroupBox* TFrameDist::BuildOptions() {
    GroupBoxRange = new QGroupBox(QStringLiteral("Options"), this);
    GroupBoxRange->setFixedWidth(220);
    EditNumPoints = OptionEdit(QString::number(PointsAtStart), GroupBoxRange);
    EditNumPoints->setObjectName(QStringLiteral("EditNumPoints"));
    EditLB = OptionEdit(QStringLiteral("0"), GroupBoxRange);
    EditLB->setObjectName(QStringLiteral("EditLB"));
    EditUB = OptionEdit(QStringLiteral("1"), GroupBoxRange);
    EditUB->setObjectName(QStringLiteral("EditUB"));
    UpDown1 = new TUpDown(EditNumPoints, PointsAtStart, GroupBoxRange);
    auto* Grid = new QGridLayout(GroupBoxRange);
    Grid->addWidget(new QLabel(QStringLiteral("Number of points"), GroupBoxRange), 0, 0);
    Grid->addWidget(EditNumPoints, 0, 1);
    Grid->addWidget(UpDown1, 0, 2);
    auto* Label2 = new QLabel(QStringLiteral("Lower bound"), GroupBoxRange);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Grid->addWidget(Label2, 1, 0);
    Grid->addWidget(EditLB, 1, 1);
    auto* Label3 = new QLabel(QStringLiteral("Upper bound"), GroupBoxRange);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Grid->addWidget(Label3, 2, 0);
    Grid->addWidget(EditUB, 2, 1);
    LabelOptionsError = new QLabel(GroupBoxRange);
    LabelOptionsError->setObjectName(QStringLiteral("LabelOptionsError"));
    LabelOptionsError->setWordWrap(true);
    LabelOptionsError->setStyleSheet(QStringLiteral("color: #c00000"));
    LabelOptionsError->hide();
    Grid->addWidget(LabelOptionsError, 3, 0, 1, 4);
    Grid->setColumnStretch(3, 1);
    return GroupBoxRange;
}

void TFrameDist::Connect() {
    connect(ListBoxDist, &QListWidget::currentRowChanged, this,
            [this](int Row) { Run([&] { FCore.ListBoxDistClick(Row); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { Run([&] { FCore.Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Run([&] { FCore.Button2Click(); }); });
    connect(TrackBarDec, &QSlider::valueChanged, this,
            [this](int Position) { Run([&] { FCore.TrackBarDecChange(Position); }); });
    connect(RadioGroupOutItems, &QButtonGroup::idClicked, this, [this](int Id) {
        Run([&] { FCore.RadioGroupOutClick(Id); });
        if (FRadioGroupOutClicked) FRadioGroupOutClicked(Id);
    });
    connect(EditNumPoints, &QLineEdit::textChanged, this, [this](const QString& Text) {
        Run([&] { FCore.EditNumPointsChange(ToStdString(Text)); });
    });
    connect(EditLB, &QLineEdit::textChanged, this,
            [this](const QString& Text) { Run([&] { FCore.EditLBChange(ToStdString(Text)); }); });
    connect(EditUB, &QLineEdit::textChanged, this,
            [this](const QString& Text) { Run([&] { FCore.EditUBChange(ToStdString(Text)); }); });
}

template <class THandler>
void TFrameDist::Run(THandler&& Handler) {
    uicore::RunHandler(FErrorBox, std::forward<THandler>(Handler));
    ShowState();
}

void TFrameDist::SetDistribution(model::TProbDistribution& Distribution) {
    Run([&] { FCore.SetDistribution(Distribution); });
}

void TFrameDist::SetItemIndex(std::int32_t Index) {
    FCore.SetItemIndex(Index);
    ShowState();
}

void TFrameDist::ParameterValuesChanged() {
    FCore.ParameterValuesChanged();
    ShowState();
}

void TFrameDist::ListViewParamsDblClick() {
    const QList<QTreeWidgetItem*> Selected = ListViewParams->selectedItems();
    const int Row = Selected.isEmpty() ? -1 : ListViewParams->indexOfTopLevelItem(Selected.first());
    Run([&] { FCore.EditParameter(Row, FDialog); });
}

bool TFrameDist::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == ListViewParams->viewport() && Event->type() == QEvent::MouseButtonDblClick) {
        ListViewParamsDblClick();
        return true;
    }
    if (Watched == ListViewParams && Event->type() == QEvent::KeyPress) {
        const int Key = static_cast<QKeyEvent*>(Event)->key();
        if (Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_F2) {
            ListViewParamsDblClick();
            return true;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TFrameDist::ShowState() {
    {
        // Selecting by program raises no click event.
        const QSignalBlocker Blocker(ListBoxDist);
        ListBoxDist->setCurrentRow(FCore.ItemIndex());
    }
    Button1->setEnabled(FCore.Button1Enabled());
    Button2->setEnabled(FCore.Button2Enabled());
    LabelDec->setText(QString::fromStdString(FCore.DecimalsLabel()));
    GroupBoxRange->setVisible(FCore.OptionsVisible());
    ShowRows();
    ShowOptionErrors();
}

void TFrameDist::ShowOptionErrors() {
    using uicore::TOptionEdit;
    QStringList Messages;
    const std::pair<QLineEdit*, TOptionEdit> Edits[] = {{EditNumPoints, TOptionEdit::NumPoints},
                                                        {EditLB, TOptionEdit::LB},
                                                        {EditUB, TOptionEdit::UB}};
    for (const auto& [Edit, Which] : Edits) {
        const QString Message = ToQString(FCore.OptionError(Which));
        // An empty style sheet gives the edit its own frame back.
        Edit->setStyleSheet(Message.isEmpty()
                                ? QString()
                                : QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
        Edit->setToolTip(Message);
        if (!Message.isEmpty()) Messages << ToQString(uicore::ErrorBoxText(ToStdString(Message)));
    }
    LabelOptionsError->setText(Messages.join(QLatin1Char('\n')));
    LabelOptionsError->setVisible(!Messages.isEmpty());
}

// The spin buttons take no focus: the arrow keys in the point count step it.
QList<QWidget*> TFrameDist::TabOrder() const {
    return {ListBoxDist,
            Button1,
            Button2,
            ListViewParams,
            TrackBarDec,
            RadioGroupOutItems->button(0),
            RadioGroupOutItems->button(1),
            EditNumPoints,
            EditLB,
            EditUB};
}

void TFrameDist::ShowRows() {
    // Rebuilt only when the texts change, which keeps the selected row
    // across unrelated events.
    if (FCore.Rows() == FShownRows) return;
    const auto SameParameter = [](const uicore::TParamRow& A, const uicore::TParamRow& B) {
        return A.Name == B.Name && A.TypeText == B.TypeText && A.ValidRange == B.ValidRange;
    };
    const bool OnlyValuesChanged =
        std::equal(FShownRows.begin(), FShownRows.end(), FCore.Rows().begin(), FCore.Rows().end(),
                   SameParameter);
    FShownRows = FCore.Rows();
    if (OnlyValuesChanged) {
        // An edit: the value texts change in place, so the selected row
        // stays for the next double-click.
        for (int I = 0; I < ListViewParams->topLevelItemCount(); ++I)
            ListViewParams->topLevelItem(I)->setText(
                3, ToQString(FShownRows[static_cast<std::size_t>(I)].ValueText));
        return;
    }
    ListViewParams->clear();
    for (const uicore::TParamRow& Row : FShownRows)
        ListViewParams->addTopLevelItem(
            new QTreeWidgetItem({ToQString(Row.Name), ToQString(Row.TypeText),
                                 ToQString(Row.ValidRange), ToQString(Row.ValueText)}));
}

}  // namespace quantiva
