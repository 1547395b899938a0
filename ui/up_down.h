// Spin buttons bound to a one-line edit: each step rewrites the edit's text
// with the new position (0..100, no wrap-around), and the arrow keys in the
// edit step too. The edit itself stays free text, so a typed 250 passes.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace quantiva {

class TUpDown : public QWidget {
    Q_OBJECT

public:
    TUpDown(QLineEdit* Associate, std::int32_t Position, QWidget* Parent = nullptr);

    std::int32_t Position() const { return FPosition; }
    QToolButton* UpButton() const { return FUp; }
    QToolButton* DownButton() const { return FDown; }
    // One step: +1 up, -1 down.
    void Step(std::int32_t Delta);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QLineEdit* FAssociate;
    std::int32_t FPosition;
    QToolButton* FUp;
    QToolButton* FDown;
};

}  // namespace quantiva
