// The modal dialogs behind the core's small interfaces: the input dialog
// (Cancel returns the default text) and the error box (caption the
// application title, error icon).
#pragma once

#include <QWidget>

#include "ui/core/calc_core.h"
#include "ui/core/error_path.h"

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

}  // namespace quantiva
