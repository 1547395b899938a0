// The "Probability" panel under the pages: the kind of question (a tail,
// an interval, the region outside one, the central interval holding q, the
// upper-tail quantile), its one or two numbers, "Ask" and "Summary".
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/core/probability_query.h"

namespace quantiva {

class TQueryPanel : public QWidget {
    Q_OBJECT

public:
    explicit TQueryPanel(char DecimalSeparator, QWidget* Parent = nullptr);

    // The question as typed; raises uicore::EConvertError for a number that
    // does not parse. The second number is read only where it is used.
    uicore::TProbabilityQuery Query() const;

    QComboBox* ComboKind;
    QLabel* LabelA;
    QLineEdit* EditA;
    QLabel* LabelB;
    QLineEdit* EditB;
    QPushButton* ButtonAsk;
    QPushButton* ButtonSummary;

private:
    // Names the fields after the chosen kind and shows the second only
    // where it is used.
    void KindChanged(int Index);

    char FDecimalSeparator;
};

}  // namespace quantiva
