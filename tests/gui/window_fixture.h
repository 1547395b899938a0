// A main window with scripted dialogs. Questions are answered from a script
// and errors recorded; a test fails when a question comes unscripted, when
// an error box is left unchecked, or when any real modal dialog appears
// (which would block an offscreen test for ever).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <deque>
#include <memory>

#include "tests/support/scripted_dialog.h"
#include "ui/main_window.h"

namespace guitest {

using testsupport::TScriptedDialog;

class TRecordingErrorBox : public uicore::TErrorBox {
public:
    std::vector<std::string> Shown;
    void ShowError(const std::string& Text) override { Shown.push_back(Text); }
};

// Answers the question asked before a very large range from a script.
class TScriptedConfirm : public uicore::TConfirmDialog {
public:
    std::deque<bool> Answers;
    std::vector<std::string> Asked;
    bool Confirm(const std::string& Text) override {
        Asked.push_back(Text);
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected confirmation: " << Text;
            return false;
        }
        const bool Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The error texts shown since the last call; the test has checked them.
    std::vector<std::string> TakeErrors();
    // The results pane's lines.
    QStringList Lines() const;
    // Parameter 0's row of the list view etc.
    void DoubleClickRow(int Row);
    void ChooseCalculation(int ItemIndex);
    bool ChartTabVisible() const;

    TScriptedDialog Dialog;
    TRecordingErrorBox Errors;
    TScriptedConfirm Confirm;
    std::unique_ptr<quantiva::TfrmQuantiva> Window;
    QTimer ModalWatch;
};

}  // namespace guitest
