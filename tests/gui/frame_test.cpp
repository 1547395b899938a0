// The editor frame's widgets: list and arrow buttons, the parameter list
// and its double-click editor, the decimals label, the radio group and the
// option edits with their spin buttons.
#include <QTest>

#include "ui/core/dist_list.h"
#include "window_fixture.h"

namespace guitest {
namespace {

QStringList RowTexts(const QTreeWidget* List, int Column) {
    QStringList Texts;
    for (int I = 0; I < List->topLevelItemCount(); ++I)
        Texts << List->topLevelItem(I)->text(Column);
    return Texts;
}

TEST_F(WindowTest, FrameStartsOnBeta) {
    const quantiva::TFrameDist& F = *Window->FrameDist1;
    ASSERT_EQ(F.ListBoxDist->count(), model::DistTypeCount);
    for (int I = 0; I < model::DistTypeCount; ++I)
        EXPECT_EQ(F.ListBoxDist->item(I)->text(), QString::fromUtf8(uicore::DistListEntries[I]));
    EXPECT_FALSE(F.Button1->isEnabled());
    EXPECT_TRUE(F.Button2->isEnabled());
    QStringList Headers;
    for (int C = 0; C < 4; ++C) Headers << F.ListViewParams->headerItem()->text(C);
    EXPECT_EQ(Headers, (QStringList{"Parameter", "Type", "Valid range", "Value"}));
    EXPECT_EQ(RowTexts(F.ListViewParams, 0), (QStringList{"x", "a", "b"}));
    EXPECT_EQ(RowTexts(F.ListViewParams, 1), (QStringList{"real", "real", "real"}));
    EXPECT_EQ(RowTexts(F.ListViewParams, 3), (QStringList{"0.3", "1", "0.2"}));
    EXPECT_EQ(F.LabelDec->text(), QStringLiteral("Decimals (4)"));
    EXPECT_EQ(F.TrackBarDec->minimum(), 2);
    EXPECT_EQ(F.TrackBarDec->maximum(), 16);
    EXPECT_EQ(F.TrackBarDec->value(), 4);
    EXPECT_TRUE(F.RadioGroupOutItems->button(1)->isChecked());
    EXPECT_TRUE(F.GroupBoxRange->isVisible());
    EXPECT_EQ(F.EditNumPoints->text(), QStringLiteral("50"));
    EXPECT_EQ(F.EditLB->text(), QStringLiteral("0"));
    EXPECT_EQ(F.EditUB->text(), QStringLiteral("1"));
}

TEST_F(WindowTest, ArrowButtonsMoveTheSelection) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    QTest::mouseClick(F.Button2, Qt::LeftButton);
    EXPECT_EQ(F.ListBoxDist->currentRow(), 1);
    EXPECT_EQ(Window->Distribution().DistType(), model::TDistType::distBINOM);
    EXPECT_TRUE(F.Button1->isEnabled());
    QTest::mouseClick(F.Button1, Qt::LeftButton);
    EXPECT_EQ(F.ListBoxDist->currentRow(), 0);
    EXPECT_FALSE(F.Button1->isEnabled());
    F.ListBoxDist->setCurrentRow(model::DistTypeCount - 1);  // as a user's pick
    EXPECT_EQ(Window->Distribution().DistType(), model::TDistType::distWEIBULL);
    EXPECT_FALSE(F.Button2->isEnabled());
    EXPECT_EQ(RowTexts(F.ListViewParams, 0).size(), Window->Distribution().DistParams().Count());
}

TEST_F(WindowTest, DoubleClickEditsARealParameter) {
    Dialog.Answers = {std::string("2.5")};
    DoubleClickRow(1);
    ASSERT_EQ(Dialog.Queries.size(), 1u);
    EXPECT_EQ(Dialog.Queries[0].Caption, "Set parameter a");
    EXPECT_EQ(Dialog.Queries[0].Prompt, "Valid range: a>0, real");
    EXPECT_EQ(Dialog.Queries[0].Default, "1");
    EXPECT_EQ(Window->Distribution().DistParams().Items(1).Value(), 2.5);
    EXPECT_EQ(Window->FrameDist1->ListViewParams->topLevelItem(1)->text(3), QStringLiteral("2.5"));
    // The edited row stays selected: a second edit needs no new click.
    EXPECT_EQ(Window->FrameDist1->ListViewParams->currentItem(),
              Window->FrameDist1->ListViewParams->topLevelItem(1));
}

TEST_F(WindowTest, IntegerParameterRefusesAFraction) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distPOISSON));
    ASSERT_EQ(F.ListViewParams->topLevelItem(0)->text(1), QStringLiteral("integer"));
    const QString Before = F.ListViewParams->topLevelItem(0)->text(3);
    const double Value = Window->Distribution().DistParams().Items(0).Value();
    Dialog.Answers = {std::string("2.5")};
    DoubleClickRow(0);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{"'2.5' is not a valid integer value."});
    EXPECT_EQ(Window->Distribution().DistParams().Items(0).Value(), Value);
    EXPECT_EQ(F.ListViewParams->topLevelItem(0)->text(3), Before);
}

TEST_F(WindowTest, DoubleClickWithoutSelectionAsksNothing) {
    QTreeWidget* List = Window->FrameDist1->ListViewParams;
    List->clearSelection();
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {},
                       QPoint(5, List->viewport()->height() - 3));
    EXPECT_TRUE(Dialog.Queries.empty());
}

TEST_F(WindowTest, DecimalsTrackBarSetsLabelAndOutput) {
    Window->FrameDist1->TrackBarDec->setValue(16);
    EXPECT_EQ(Window->FrameDist1->LabelDec->text(), QStringLiteral("Decimals (16)"));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(Lines().at(1), QStringLiteral("a= 1.0000000000000000"));
    EXPECT_TRUE(Lines().at(6).startsWith(QStringLiteral("0.0000000000000000\t\t")));
}

TEST_F(WindowTest, SingleValueHidesTheOptionsAndKeepsThem) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.EditNumPoints->setText(QStringLiteral("20"));
    ChooseCalculation(0);
    EXPECT_FALSE(F.GroupBoxRange->isVisible());
    EXPECT_TRUE(Window->Distribution().CalculateSinglePoint());
    EXPECT_EQ(Window->Distribution().NumPoints(), 20);
    ChooseCalculation(1);
    EXPECT_TRUE(F.GroupBoxRange->isVisible());
    EXPECT_FALSE(Window->Distribution().CalculateSinglePoint());
}

TEST_F(WindowTest, PointCountTakesTypedValuesBeyondTheSpinRange) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    F.EditNumPoints->clear();
    QTest::keyClicks(F.EditNumPoints, QStringLiteral("250"));
    EXPECT_EQ(Window->Distribution().NumPoints(), 250);
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(Lines().size(), 257);
}

TEST_F(WindowTest, SpinButtonsStepTheTextWithinTheirRange) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    QTest::mouseClick(F.UpDown1->UpButton(), Qt::LeftButton);
    EXPECT_EQ(F.EditNumPoints->text(), QStringLiteral("51"));
    EXPECT_EQ(Window->Distribution().NumPoints(), 51);
    F.EditNumPoints->setFocus();
    QTest::keyClick(F.EditNumPoints, Qt::Key_Down);
    QTest::keyClick(F.EditNumPoints, Qt::Key_Down);
    EXPECT_EQ(F.EditNumPoints->text(), QStringLiteral("49"));
    F.EditNumPoints->setText(QStringLiteral("100"));
    QTest::mouseClick(F.UpDown1->UpButton(), Qt::LeftButton);
    EXPECT_EQ(F.EditNumPoints->text(), QStringLiteral("100"));  // no wrap-around
}

TEST_F(WindowTest, UnparsableOptionIsMarkedInPlaceAndBlocksCalculate) {
    quantiva::TFrameDist& F = *Window->FrameDist1;
    const QString Plain = F.EditUB->styleSheet();
    // Typed as a user types: no box for "", "-" or "1e" on the way.
    F.EditLB->clear();
    QTest::keyClicks(F.EditLB, QStringLiteral("-4"));
    F.EditUB->clear();
    QTest::keyClicks(F.EditUB, QStringLiteral("1e-3"));
    EXPECT_EQ(Window->Distribution().LB(), -4.0);
    EXPECT_EQ(Window->Distribution().UB(), 1e-3);
    EXPECT_EQ(F.EditUB->styleSheet(), Plain);
    EXPECT_FALSE(F.LabelOptionsError->isVisible());
    // Left showing a lone minus: marked, explained, and not calculated.
    F.EditLB->clear();
    QTest::keyClicks(F.EditLB, QStringLiteral("-"));
    EXPECT_EQ(Window->Distribution().LB(), -4.0);
    EXPECT_NE(F.EditLB->styleSheet(), Plain);
    EXPECT_EQ(F.EditUB->styleSheet(), Plain);
    EXPECT_TRUE(F.LabelOptionsError->isVisible());
    EXPECT_EQ(F.LabelOptionsError->text(),
              QStringLiteral("'-' is not a valid floating point value."));
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{"'-' is not a valid floating point value."});
    EXPECT_TRUE(Lines().isEmpty());
    // Mended, it calculates.
    QTest::keyClicks(F.EditLB, QStringLiteral("2"));
    EXPECT_FALSE(F.LabelOptionsError->isVisible());
    QTest::mouseClick(Window->SpeedButtonCalc, Qt::LeftButton);
    EXPECT_EQ(Lines().size(), 57);
    EXPECT_TRUE(Lines().at(6).startsWith(QStringLiteral("-2.0000")));
}

}  // namespace
}  // namespace guitest
