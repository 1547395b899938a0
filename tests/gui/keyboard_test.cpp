// The window without a mouse: Tab reaches every control in reading order,
// Enter or F2 on a parameter row opens its editor, Enter in an edit and F9
// anywhere calculate.
#include <QTest>

#include "window_fixture.h"

namespace guitest {
namespace {

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::setActiveWindow(Window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }
    void Press(QWidget* Target, Qt::Key Key) {
        Target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Key);
    }
};

TEST_F(KeyboardTest, TabReachesEveryControlInReadingOrder) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.ListBoxDist->setCurrentRow(1);  // both arrow buttons enabled
    // A group of exclusive buttons is one stop; the arrow keys move in it.
    QWidget* Radio = F.RadioGroupOutItems->button(0);
    const QList<QWidget*> Expected = {F.ListBoxDist,
                                      F.Button1,
                                      F.Button2,
                                      F.ListViewParams,
                                      F.TrackBarDec,
                                      Radio,
                                      F.EditNumPoints,
                                      F.EditLB,
                                      F.EditUB,
                                      Window->MemoResults,
                                      Window->CheckBox4,
                                      Window->PageControl1->tabBar(),
                                      Window->SpeedButtonPDFCDF,
                                      Window->SpeedButtonCalc,
                                      Window->SpeedButton1,
                                      Window->PanelQuery->ComboKind,
                                      Window->PanelQuery->EditA,
                                      Window->PanelQuery->EditB,
                                      Window->PanelQuery->ButtonAsk,
                                      Window->PanelQuery->ButtonSummary,
                                      F.ListBoxDist};
    F.ListBoxDist->setFocus();
    QList<QWidget*> Reached{QApplication::focusWidget()};
    for (qsizetype I = 1; I < Expected.size(); ++I) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // Either button of the radio group may take the stop.
        QWidget* Focus = QApplication::focusWidget();
        Reached << (Focus == F.RadioGroupOutItems->button(1) ? Radio : Focus);
    }
    EXPECT_EQ(Reached, Expected);
    Window->SpeedButtonPDFCDF->setFocus();
    QTest::keyClick(Window->SpeedButtonPDFCDF, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), Window->SpeedButtonICDF);
}

TEST_F(KeyboardTest, EnterOrF2OnAParameterRowEditsIt) {
    QTreeWidget* List = Window->FrameDist1->ListViewParams;
    for (const Qt::Key Key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
        List->setFocus();
        List->setCurrentItem(List->topLevelItem(2));
        Dialog.Answers = {std::string("0.7")};
        QTest::keyClick(List, Key);
        ASSERT_FALSE(Dialog.Queries.empty()) << Key;
        EXPECT_EQ(Dialog.Queries.back().Caption, "Set parameter b");
        EXPECT_EQ(Window->Distribution().DistParams().Items(2).Value(), 0.7);
    }
}

TEST_F(KeyboardTest, EnterInAnEditAndF9AnywhereCalculate) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    struct Case {
        QWidget* Focus;
        Qt::Key Key;
    };
    const Case Cases[] = {{F.EditNumPoints, Qt::Key_Return}, {F.EditLB, Qt::Key_Enter},
                          {F.EditUB, Qt::Key_Return},        {F.ListBoxDist, Qt::Key_F9},
                          {Window->MemoResults, Qt::Key_F9}, {F.TrackBarDec, Qt::Key_F9}};
    for (const Case& C : Cases) {
        QTest::mouseClick(Window->SpeedButton1, Qt::LeftButton);
        ASSERT_TRUE(Lines().isEmpty());
        Press(C.Focus, C.Key);
        EXPECT_EQ(Lines().size(), 57) << C.Focus->objectName().toStdString() << " " << C.Key;
    }
}

}  // namespace
}  // namespace guitest
