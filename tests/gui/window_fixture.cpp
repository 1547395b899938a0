// The window fixture's watch for modal dialogs and its helpers.
#include "window_fixture.h"

#include <QTest>
#include <QWidget>

namespace guitest {

void WindowTest::SetUp() {
    Window = std::make_unique<quantiva::TfrmQuantiva>(&Dialog, &Errors, &Confirm);
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    // A modal dialog runs an event loop of its own, in which this timer
    // fires: it fails the test and closes the dialog so the test goes on.
    ModalWatch.setInterval(20);
    QObject::connect(&ModalWatch, &QTimer::timeout, [] {
        if (QWidget* Modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << Modal->windowTitle().toStdString();
            Modal->close();
        }
    });
    ModalWatch.start();
}

void WindowTest::TearDown() {
    QApplication::processEvents();
    ModalWatch.stop();
    EXPECT_TRUE(Errors.Shown.empty()) << "unchecked error box: " << Errors.Shown.front();
    EXPECT_TRUE(Dialog.Answers.empty()) << "questions scripted but never asked";
    EXPECT_TRUE(Confirm.Answers.empty()) << "confirmations scripted but never asked";
    Window.reset();
}

std::vector<std::string> WindowTest::TakeErrors() {
    std::vector<std::string> Shown;
    Shown.swap(Errors.Shown);
    return Shown;
}

QStringList WindowTest::Lines() const {
    QStringList Result;
    for (std::size_t I = 0; I < Window->MemoResults->LineCount(); ++I)
        Result << QString::fromStdString(std::string(Window->MemoResults->Line(I)));
    return Result;
}

void WindowTest::DoubleClickRow(int Row) {
    QTreeWidget* List = Window->FrameDist1->ListViewParams;
    QTreeWidgetItem* Item = List->topLevelItem(Row);
    ASSERT_NE(Item, nullptr);
    const QPoint Centre = List->visualItemRect(Item).center();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, Centre);
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, Centre);
}

void WindowTest::ChooseCalculation(int ItemIndex) {
    Window->FrameDist1->RadioGroupOutItems->button(ItemIndex)->click();
}

bool WindowTest::ChartTabVisible() const {
    return Window->PageControl1->isTabVisible(Window->PageControl1->indexOf(Window->TabSheetChart));
}

}  // namespace guitest
