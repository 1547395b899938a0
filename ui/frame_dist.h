// The distribution editor frame: the list of 26 distributions with "<" and
// ">", the parameter list (double-click, Enter or F2 edits a value), the
// decimals track bar, the "Calculation" radio group and the "Options" box
// with the point count and the bounds, where a text that does not parse is
// marked in place. The widgets show TFrameDistCore's state and forward
// every event to it through the window's error path.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

#include "ui/core/calc_core.h"
#include "ui/core/error_path.h"
#include "ui/core/frame_core.h"
#include "ui/up_down.h"

namespace quantiva {

class TFrameDist : public QWidget {
    Q_OBJECT

public:
    TFrameDist(uicore::TInputDialog& Dialog, uicore::TErrorBox& ErrorBox, char DecimalSeparator,
               QWidget* Parent = nullptr);
    ~TFrameDist() override;

    void SetDistribution(model::TProbDistribution& Distribution);
    // Selects a list entry by program: no click event.
    void SetItemIndex(std::int32_t Index);
    // Told after the radio group's own handler has run (the main window's
    // FrameDist1RadioGroupOutClick).
    void SetRadioGroupOutClicked(std::function<void(std::int32_t)> Handler) {
        FRadioGroupOutClicked = std::move(Handler);
    }

    const uicore::TFrameDistCore& Core() const { return FCore; }
    // Shows parameter values the model was given from outside.
    void ParameterValuesChanged();

    QListWidget* ListBoxDist;
    QPushButton* Button1;
    QPushButton* Button2;
    QTreeWidget* ListViewParams;
    QLabel* LabelDec;
    QSlider* TrackBarDec;
    QGroupBox* RadioGroupOut;
    QButtonGroup* RadioGroupOutItems;
    QGroupBox* GroupBoxRange;
    QLineEdit* EditNumPoints;
    QLineEdit* EditLB;
    QLineEdit* EditUB;
    TUpDown* UpDown1;
    QLabel* LabelOptionsError;  // the message of an option text that does not parse

    // The parameter list's double-click (or Enter, F2): edits the selected row.
    void ListViewParamsDblClick();
    // The frame's controls in Tab order, top to bottom.
    QList<QWidget*> TabOrder() const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QWidget* BuildListPanel();
    QWidget* BuildEditPanel();
    QGroupBox* BuildRadioGroup();
    QGroupBox* BuildOptions();
    void Connect();
    // Runs a handler through the error path, then shows the core's state.
    template <class THandler>
    void Run(THandler&& Handler);
    void ShowState();
    void ShowRows();
    // A red frame and the message for each option text that does not parse.
    void ShowOptionErrors();

    uicore::TFrameDistCore FCore;
    uicore::TInputDialog& FDialog;
    uicore::TErrorBox& FErrorBox;
    std::function<void(std::int32_t)> FRadioGroupOutClicked;
    std::vector<uicore::TParamRow> FShownRows;
};

}  // namespace quantiva
