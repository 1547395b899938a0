// The modal dialogs behind the core's small interfaces: the input dialog
// (Cancel returns the default text), the error box (caption the
// application title, error icon) and the Yes/No question asked before a
// range too large to hold comfortably.
#pragma once

#include <QWidget>

#include "ui/core/calc_core.h"
#include "ui/core/error_path.h"
#include "ui/core/range_budget.h"

namespace quantiva {

class TQtInputDialog : public uicore::TInputDialog {
public:
    explicit TQtInputDialog(QWidget* Parent) : FParent(Parent) {}
    std::string InputQuery(const std::string& Caption, const std::string& Prompt,
                           const std::string& Default) override;

private:
    QWidget* FParent;
};

class TQtErrorBox : public uicore::TErrorBox {
public:
    explicit TQtErrorBox(QWidget* Parent) : FParent(Parent) {}
    void ShowError(const std::string& Text) override;

private:
    QWidget* FParent;
};

class TQtConfirmDialog : public uicore::TConfirmDialog {
public:
    explicit TQtConfirmDialog(QWidget* Parent) : FParent(Parent) {}
    // No is the default answer: Enter alone starts nothing.
    bool Confirm(const std::string& Text) override;

private:
    QWidget* FParent;
};

}  // namespace quantiva
