// The probability panel: the kinds in the order of uicore::TQueryKind, so
// the list index is the kind.
#include "ui/query_panel.h"

#include <QHBoxLayout>

#include "ui/core/number_text.h"

namespace quantiva {

namespace {

using uicore::TQueryKind;

struct TKindEntry {
    const char* Caption;
    const char* A;  // name of the first number; the second is "b" where used
    bool UsesB;
};

constexpr TKindEntry KindEntries[] = {
    {"P(X <= a)", "a", false},
    {"P(X > b)", "b", false},
    {"P(a < X <= b)", "a", true},
    {"P(X <= a or X > b)", "a", true},
    {"Central interval holding q", "q", false},
    {"x with P(X > x) = p", "p", false},
};

}  // namespace

TQueryPanel::TQueryPanel(char DecimalSeparator, QWidget* Parent)
    : QWidget(Parent), FDecimalSeparator(DecimalSeparator) {
    ComboKind = new QComboBox(this);
    for (const TKindEntry& Entry : KindEntries)
        ComboKind->addItem(QString::fromLatin1(Entry.Caption));
    LabelA = new QLabel(this);
    EditA = new QLineEdit(this);
    LabelB = new QLabel(QStringLiteral("b"), this);
    EditB = new QLineEdit(this);
    for (QLineEdit* Edit : {EditA, EditB}) Edit->setMaximumWidth(80);
    ButtonAsk = new QPushButton(QStringLiteral("Ask"), this);
    ButtonSummary = new QPushButton(QStringLiteral("Summary"), this);
    auto* Row = new QHBoxLayout(this);
    Row->setContentsMargins(16, 4, 8, 4);
    Row->addWidget(ComboKind);
    Row->addWidget(LabelA);
    Row->addWidget(EditA);
    Row->addWidget(LabelB);
    Row->addWidget(EditB);
    Row->addWidget(ButtonAsk);
    Row->addStretch();
    Row->addWidget(ButtonSummary);
    connect(ComboKind, &QComboBox::currentIndexChanged, this,
            [this](int Index) { KindChanged(Index); });
    ComboKind->setCurrentIndex(static_cast<int>(TQueryKind::Between));
    KindChanged(ComboKind->currentIndex());
}

void TQueryPanel::KindChanged(int Index) {
    if (Index < 0 || Index >= static_cast<int>(std::size(KindEntries))) return;
    const TKindEntry& Entry = KindEntries[Index];
    LabelA->setText(QString::fromLatin1(Entry.A));
    LabelB->setVisible(Entry.UsesB);
    EditB->setVisible(Entry.UsesB);
}

uicore::TProbabilityQuery TQueryPanel::Query() const {
    const int Index = std::max(0, ComboKind->currentIndex());
    uicore::TProbabilityQuery Query;
    Query.Kind = static_cast<TQueryKind>(Index);
    const double A = uicore::ParseReal(EditA->text().toStdString(), FDecimalSeparator);
    // P(X > b) has its one number in the second place.
    if (Query.Kind == TQueryKind::Above) {
        Query.B = A;
    } else {
        Query.A = A;
        if (KindEntries[Index].UsesB)
            Query.B = uicore::ParseReal(EditB->text().toStdString(), FDecimalSeparator);
    }
    return Query;
}

}  // namespace quantiva
