// The editor frame's logic without widgets: list and arrow rules, the rows,
// the parameter editor's dialog texts and parse-by-kind, the decimals label,
// the "Calculation" choice and the option edits.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/scripted_dialog.h"
#include "ui/core/dist_list.h"
#include "ui/core/frame_core.h"
#include "ui/core/number_text.h"

namespace {

using model::TDistType;
using uicore::TFrameDistCore;

using testsupport::TScriptedDialog;

class FrameCoreTest : public ::testing::Test {
protected:
    void SetUp() override { Frame.SetDistribution(Model); }

    // Row Row's value column.
    const std::string& ValueText(std::size_t Row) const { return Frame.Rows().at(Row).ValueText; }

    model::TProbDistribution Model;
    TFrameDistCore Frame;
    TScriptedDialog Dialog;
};

TEST_F(FrameCoreTest, StartsWithBetaRowsAndNoSelection) {
    // A fresh model holds Beta with x = 0.3, a = 1, b = 0.2 (catalogue).
    ASSERT_EQ(Frame.Rows().size(), 3u);
    const char* Names[] = {"x", "a", "b"};
    const char* Values[] = {"0.3", "1", "0.2"};
    for (std::size_t I = 0; I < 3; ++I) {
        EXPECT_EQ(Frame.Rows()[I].Name, Names[I]);
        EXPECT_EQ(Frame.Rows()[I].TypeText, "real");
        EXPECT_EQ(Frame.Rows()[I].ValueText, Values[I]);
    }
    // No selection yet: ">" enabled, "<" disabled, as for index 0.
    EXPECT_EQ(Frame.ItemIndex(), -1);
    EXPECT_FALSE(Frame.Button1Enabled());
    EXPECT_TRUE(Frame.Button2Enabled());
    EXPECT_EQ(Frame.DecimalsLabel(), "Decimals (4)");
    EXPECT_TRUE(Frame.OptionsVisible());
}

TEST_F(FrameCoreTest, ArrowButtonsFollowTheSelection) {
    struct Case {
        std::int32_t Index;
        bool Prev, Next;
    };
    const Case Cases[] = {
        {0, false, true}, {1, true, true}, {13, true, true}, {24, true, true}, {25, true, false}};
    for (const Case& C : Cases) {
        Frame.ListBoxDistClick(C.Index);
        EXPECT_EQ(Model.DistType(), static_cast<TDistType>(C.Index)) << C.Index;
        EXPECT_EQ(Frame.Button1Enabled(), C.Prev) << C.Index;
        EXPECT_EQ(Frame.Button2Enabled(), C.Next) << C.Index;
    }
}

TEST_F(FrameCoreTest, ArrowsMoveOneEntryAndStopAtTheEnds) {
    struct Case {
        std::int32_t From;
        bool Forward;
        std::int32_t To;
    };
    const Case Cases[] = {{0, true, 1},   {1, false, 0},  {0, false, 0},
                          {25, true, 25}, {24, true, 25}, {17, false, 16}};
    for (const Case& C : Cases) {
        Frame.ListBoxDistClick(C.From);
        if (C.Forward)
            Frame.Button2Click();
        else
            Frame.Button1Click();
        EXPECT_EQ(Frame.ItemIndex(), C.To) << C.From;
        EXPECT_EQ(Model.DistType(), static_cast<TDistType>(C.To)) << C.From;
    }
}

TEST_F(FrameCoreTest, ArrowWithoutSelectionChangesNoType) {
    // Index -1 names no type; the model stays on its Beta.
    Frame.Button1Click();
    EXPECT_EQ(Frame.ItemIndex(), -1);
    EXPECT_EQ(Model.DistType(), TDistType::distBETA);
    EXPECT_EQ(Frame.Rows().size(), 3u);
}

TEST_F(FrameCoreTest, OtherDistributionReplacesAllRows) {
    Model.DistParams().Items(0).SetValue(7.0);
    Frame.ListBoxDistClick(static_cast<std::int32_t>(TDistType::distNORMAL));
    const model::TProbParameters& P = Model.DistParams();
    ASSERT_EQ(Frame.Rows().size(), static_cast<std::size_t>(P.Count()));
    for (std::int32_t I = 0; I < P.Count(); ++I) {
        EXPECT_EQ(Frame.Rows()[I].Name, P.Items(I).Name());
        EXPECT_EQ(Frame.Rows()[I].ValidRange, P.Items(I).ValidRange());
    }
    EXPECT_EQ(Frame.Rows()[0].Name, "x");
    EXPECT_NE(ValueText(0), "7");
}

TEST_F(FrameCoreTest, SameDistributionAgainShowsGeneralText) {
    Frame.ListBoxDistClick(0);
    Dialog.Answers = {std::string("0.50")};
    Frame.EditParameter(1, Dialog);
    EXPECT_EQ(ValueText(1), "0.50");  // the text as typed
    EXPECT_EQ(Model.DistParams().Items(1).Value(), 0.5);
    Frame.ListBoxDistClick(0);
    EXPECT_EQ(ValueText(1), "0.5");  // value kept, shown again in general text
    EXPECT_EQ(Model.DistParams().Items(1).Value(), 0.5);
}

TEST_F(FrameCoreTest, EditorAsksWithCaptionPromptAndDefault) {
    Frame.ListBoxDistClick(0);
    Dialog.Answers = {std::string("2")};
    Frame.EditParameter(1, Dialog);
    ASSERT_EQ(Dialog.Queries.size(), 1u);
    EXPECT_EQ(Dialog.Queries[0].Caption, "Set parameter a");
    EXPECT_EQ(Dialog.Queries[0].Prompt, "Valid range: a>0, real");
    EXPECT_EQ(Dialog.Queries[0].Default, "1");
    EXPECT_EQ(Model.DistParams().Items(1).Value(), 2.0);
    EXPECT_EQ(ValueText(1), "2");
}

TEST_F(FrameCoreTest, EditsParseByKind) {
    const auto Poisson = static_cast<std::int32_t>(TDistType::distPOISSON);
    struct Case {
        std::int32_t Type, Row;
        const char* Text;
        bool Accepted;
        double Stored;
    };
    const Case Cases[] = {
        {Poisson, 0, "7", true, 7.0},     // Poisson's x is an integer
        {Poisson, 0, "$1F", true, 31.0},  // hexadecimal integers are accepted
        {Poisson, 0, "2.5", false, 0.0},  // a fraction is refused
        {Poisson, 0, "", false, 0.0},    {Poisson, 1, "2.5", true, 2.5},  // lambda is real
        {0, 2, "-1", true, -1.0},  // outside "b>0" and still stored
        {0, 2, "1e-3", true, 1e-3},      {0, 2, "abc", false, 0.0},
    };
    for (const Case& C : Cases) {
        Frame.ListBoxDistClick(C.Type);
        Frame.ListBoxDistClick(C.Type);  // back to the general texts
        const double Before = Model.DistParams().Items(C.Row).Value();
        const std::string RowBefore = ValueText(C.Row);
        Dialog.Answers = {std::string(C.Text)};
        if (C.Accepted) {
            Frame.EditParameter(C.Row, Dialog);
            EXPECT_EQ(Model.DistParams().Items(C.Row).Value(), C.Stored) << C.Text;
            EXPECT_EQ(ValueText(C.Row), C.Text);
        } else {
            EXPECT_THROW(Frame.EditParameter(C.Row, Dialog), uicore::EConvertError) << C.Text;
            EXPECT_EQ(Model.DistParams().Items(C.Row).Value(), Before) << C.Text;
            EXPECT_EQ(ValueText(C.Row), RowBefore) << C.Text;
        }
    }
}

TEST_F(FrameCoreTest, IntegerRefusalNamesTheText) {
    Frame.ListBoxDistClick(static_cast<std::int32_t>(TDistType::distPOISSON));
    Dialog.Answers = {std::string("2.5")};
    try {
        Frame.EditParameter(0, Dialog);
        FAIL() << "2.5 accepted as an integer";
    } catch (const uicore::EConvertError& E) {
        EXPECT_STREQ(E.what(), "'2.5' is not a valid integer value");
    }
}

TEST_F(FrameCoreTest, CancelKeepsTheValueExactly) {
    Frame.ListBoxDistClick(0);
    Model.DistParams().Items(1).SetValue(0.1 + 0.2);  // 0.30000000000000004
    Frame.ListBoxDistClick(0);
    EXPECT_EQ(ValueText(1), "0.3");
    Dialog.Answers = {std::nullopt, std::string("0.3")};
    Frame.EditParameter(1, Dialog);
    EXPECT_EQ(Model.DistParams().Items(1).Value(), 0.1 + 0.2);
    Frame.EditParameter(1, Dialog);  // OK on the text as shown
    EXPECT_EQ(Model.DistParams().Items(1).Value(), 0.1 + 0.2);
    EXPECT_EQ(ValueText(1), "0.3");
}

TEST_F(FrameCoreTest, PromptNamesTheRangeOrTheKindAlone) {
    struct Case {
        TDistType Type;
        std::int32_t Row;
        const char* Prompt;
    };
    const Case Cases[] = {{TDistType::distHYPGEOMETRIC, 2, "Valid range: 0<=K<=M, integer"},
                          {TDistType::distNORMAL, 1, "Any real value"},
                          {TDistType::distPOISSON, 0, "Any integer value"}};
    for (const Case& C : Cases) {
        Frame.ListBoxDistClick(static_cast<std::int32_t>(C.Type));
        Dialog.Answers = {std::nullopt};
        Frame.EditParameter(C.Row, Dialog);
        EXPECT_EQ(Dialog.Queries.back().Prompt, C.Prompt);
    }
}

TEST_F(FrameCoreTest, NoSelectedRowAsksNothing) {
    for (std::int32_t Row : {-1, 3, 1000}) {
        Frame.EditParameter(Row, Dialog);
        EXPECT_TRUE(Dialog.Queries.empty()) << Row;
    }
}

TEST_F(FrameCoreTest, TrackBarSetsDecimalsAndLabel) {
    for (std::int32_t Position : {2, 4, 9, 16}) {
        Frame.TrackBarDecChange(Position);
        EXPECT_EQ(Model.Decimals(), Position);
        EXPECT_EQ(Frame.DecimalsLabel(), "Decimals (" + std::to_string(Position) + ")");
    }
}

TEST_F(FrameCoreTest, CalculationChoiceShowsOptionsOnlyForRange) {
    Model.SetNumPoints(33);
    Frame.RadioGroupOutClick(0);
    EXPECT_FALSE(Frame.OptionsVisible());
    EXPECT_TRUE(Model.CalculateSinglePoint());
    EXPECT_EQ(Model.NumPoints(), 33);  // the hidden settings stay
    Frame.RadioGroupOutClick(1);
    EXPECT_TRUE(Frame.OptionsVisible());
    EXPECT_FALSE(Model.CalculateSinglePoint());
}

TEST_F(FrameCoreTest, OptionEditsParseEveryText) {
    struct Case {
        void (TFrameDistCore::*Change)(std::string_view);
        double (*Read)(const model::TProbDistribution&);
        uicore::TOptionEdit Edit;
        const char* Text;
        bool Accepted;
        double Stored;
    };
    using E = uicore::TOptionEdit;
    auto Points = [](const model::TProbDistribution& M) { return double(M.NumPoints()); };
    auto Lower = [](const model::TProbDistribution& M) { return M.LB(); };
    auto Upper = [](const model::TProbDistribution& M) { return M.UB(); };
    const Case Cases[] = {
        {&TFrameDistCore::EditNumPointsChange, Points, E::NumPoints, "250", true,
         250},  // above the spin range
        {&TFrameDistCore::EditNumPointsChange, Points, E::NumPoints, "-3", true, -3},
        {&TFrameDistCore::EditNumPointsChange, Points, E::NumPoints, "2.5", false, 0},
        {&TFrameDistCore::EditNumPointsChange, Points, E::NumPoints, "", false, 0},
        {&TFrameDistCore::EditNumPointsChange, Points, E::NumPoints, "4294967296", false, 0},
        {&TFrameDistCore::EditLBChange, Lower, E::LB, "-", false, 0},  // a lone minus, mid-typing
        {&TFrameDistCore::EditLBChange, Lower, E::LB, "-5", true, -5},
        {&TFrameDistCore::EditLBChange, Lower, E::LB, " 1e3 ", true, 1000},
        {&TFrameDistCore::EditUBChange, Upper, E::UB, "1.5", true, 1.5},
        {&TFrameDistCore::EditUBChange, Upper, E::UB, "abc", false, 0},
    };
    for (const Case& C : Cases) {
        const double Before = C.Read(Model);
        (Frame.*C.Change)(C.Text);
        // A refused text is kept, not reported: its message waits for Calculate.
        EXPECT_EQ(C.Read(Model), C.Accepted ? C.Stored : Before) << C.Text;
        EXPECT_EQ(Frame.OptionError(C.Edit).empty(), C.Accepted) << C.Text;
    }
}

TEST(FrameCoreSeparator, CommaLocaleWritesAndParsesCommas) {
    model::TProbDistribution Model;
    TFrameDistCore Frame(',');
    Frame.SetDistribution(Model);
    EXPECT_EQ(Frame.Rows()[0].ValueText, "0,3");
    Frame.EditLBChange("0,25");
    EXPECT_EQ(Model.LB(), 0.25);
    Frame.EditUBChange("0.25");
    EXPECT_THROW(Frame.CheckOptions(), uicore::EConvertError);
}

TEST(FrameCoreSpin, StepsWithinZeroToHundred) {
    struct Case {
        const char* Text;
        std::int32_t Last, Delta, Expected;
    };
    const Case Cases[] = {
        {"50", 50, 1, 51},         {"50", 50, -1, 49},        {"0", 0, -1, 0},
        {"100", 100, 1, 100},      {"250", 50, 1, 100},       {"250", 50, -1, 99},
        {"-7", 3, 1, 1},           {"abc", 7, 1, 8},          {"", 0, -1, 0},
        {"2147483647", 5, 1, 100}, {"-2147483648", 5, -1, 0},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(uicore::SpinStep(C.Text, C.Last, C.Delta), C.Expected)
            << C.Text << " " << C.Delta;
}

TEST(FrameCoreTexts, KindAndLabel) {
    EXPECT_EQ(uicore::ParamTypeText(model::TProbParamType::ptInteger), "integer");
    EXPECT_EQ(uicore::ParamTypeText(model::TProbParamType::ptReal), "real");
    EXPECT_EQ(uicore::DecimalsLabelText(16), "Decimals (16)");
}

TEST(FrameCoreDetached, HandlersWithoutModelRaiseInsteadOfCrashing) {
    TFrameDistCore Frame;
    EXPECT_THROW(Frame.TrackBarDecChange(5), std::logic_error);
    EXPECT_THROW(Frame.EditLBChange("1"), std::logic_error);
}

}  // namespace
