// QInputDialog and QMessageBox as the input dialog, the error box and the
// confirmation.
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/locale_text.h"

namespace quantiva {

std::string TQtInputDialog::InputQuery(const std::string& Caption, const std::string& Prompt,
                                       const std::string& Default) {
    bool Ok = false;
    const QString Text = QInputDialog::getText(FParent, ToQString(Caption), ToQString(Prompt),
                                               QLineEdit::Normal, ToQString(Default), &Ok);
    return Ok ? ToStdString(Text) : Default;
}

void TQtErrorBox::ShowError(const std::string& Text) {
    QMessageBox::critical(FParent, QApplication::applicationDisplayName(), ToQString(Text));
}

bool TQtConfirmDialog::Confirm(const std::string& Text) {
    return QMessageBox::question(FParent, QApplication::applicationDisplayName(), ToQString(Text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace quantiva
