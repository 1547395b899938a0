// Two small arrow buttons stacked beside the edit, stepping its integer.
#include "ui/up_down.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "ui/core/frame_core.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

QToolButton* ArrowButton(Qt::ArrowType Arrow, QWidget* Parent) {
    auto* Button = new QToolButton(Parent);
    Button->setArrowType(Arrow);
    Button->setAutoRepeat(true);
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setFixedSize(16, 11);
    return Button;
}

}  // namespace

TUpDown::TUpDown(QLineEdit* Associate, std::int32_t Position, QWidget* Parent)
    : QWidget(Parent), FAssociate(Associate), FPosition(Position) {
    FUp = ArrowButton(Qt::UpArrow, this);
    FDown = ArrowButton(Qt::DownArrow, this);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    Layout->addWidget(FUp);
    Layout->addWidget(FDown);
    connect(FUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(FDown, &QToolButton::clicked, this, [this] { Step(-1); });
    FAssociate->installEventFilter(this);
}

void TUpDown::Step(std::int32_t Delta) {
    FPosition = uicore::SpinStep(ToStdString(FAssociate->text()), FPosition, Delta);
    FAssociate->setText(QString::number(FPosition));
}

bool TUpDown::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == FAssociate && Event->type() == QEvent::KeyPress) {
        const int Key = static_cast<QKeyEvent*>(Event)->key();
        if (Key == Qt::Key_Up || Key == Qt::Key_Down) {
            Step(Key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

}  // namespace quantiva
