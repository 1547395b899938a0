// The kept window state: items written read back to the same state, and a
// damaged or foreign set of items costs only the items that are wrong.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/core/window_state.h"

namespace {

uicore::TWindowState Changed() {
    uicore::TWindowState State;
    State.DistIndex = 19;  // Poisson: x, lambda
    State.Values = {3.0, 0.1 + 0.2};
    State.Decimals = 9;
    State.Single = true;
    State.NumPoints = 1000000;
    State.LB = -1e-300;
    State.UB = 12.5;
    State.Mode = uicore::TCalcMode::Icdf;
    State.P = 0.975;
    State.ClearAfterEach = false;
    State.ShowPDF = false;
    State.AdditionalInfo = false;
    State.LogPdfAxis = true;
    State.Page = 1;
    State.Geometry = "AdnQywADAAA=";
    State.Splitter = "AAAA/wAAAAE=";
    return State;
}

TEST(WindowState, ItemsReadBackToTheSameState) {
    for (const uicore::TWindowState& State : {uicore::TWindowState{}, Changed()})
        EXPECT_EQ(uicore::ReadWindowState(uicore::WindowStateItems(State)), State);
}

TEST(WindowState, NoItemsGiveTheDefaults) {
    EXPECT_EQ(uicore::ReadWindowState({}), uicore::TWindowState{});
}

TEST(WindowState, AWrongItemFallsBackAloneToItsDefault) {
    const uicore::TWindowState Good = Changed();
    struct Case {
        const char* Key;
        const char* Text;
    };
    const Case Cases[] = {
        {"Decimals", "1"},        {"Decimals", "17"}, {"Single", "2"}, {"NumPoints", "-5"},
        {"NumPoints", "1e9"},     {"LB", "inf"},      {"UB", "1e999"}, {"UB", "twelve"},
        {"Mode", "ICDF"},         {"P", "nan"},       {"Page", "2"},   {"ShowCDF", ""},
        {"Decimals", "\xff\xfe"},
    };
    for (const Case& C : Cases) {
        uicore::TSettingsItems Items = uicore::WindowStateItems(Good);
        Items[C.Key] = C.Text;
        const uicore::TWindowState Read = uicore::ReadWindowState(Items);
        // Put back the one default the item fell to: the rest must be as written.
        uicore::TSettingsItems Expected = uicore::WindowStateItems(Read);
        Expected[C.Key] = uicore::WindowStateItems(uicore::TWindowState{}).at(C.Key);
        Items[C.Key] = Expected[C.Key];
        EXPECT_EQ(Expected, Items) << C.Key << "=" << C.Text;
    }
}

TEST(WindowState, ParameterValuesCountOnlyWhenTheyFitTheDistribution) {
    struct Case {
        const char* Key;
        const char* Text;
    };
    const Case Cases[] = {
        {"Parameters/Count", "3"},  // another distribution's list
        {"Parameters/1", "nan"},   {"Parameters/1", ""},
        {"Distribution", "17"},  // Normal has three parameters
        {"Distribution", "26"},  // none: Beta, whose list this is not
        {"Distribution", "-1"},
    };
    for (const Case& C : Cases) {
        uicore::TSettingsItems Items = uicore::WindowStateItems(Changed());
        Items[C.Key] = C.Text;
        EXPECT_TRUE(uicore::ReadWindowState(Items).Values.empty()) << C.Key << "=" << C.Text;
    }
    // Binomial's n is an integer parameter.
    uicore::TWindowState Binomial;
    Binomial.DistIndex = 1;
    Binomial.Values = {2, 10.5, 0.5};
    EXPECT_TRUE(uicore::ReadWindowState(uicore::WindowStateItems(Binomial)).Values.empty());
    Binomial.Values = {2, 10, 0.5};
    EXPECT_EQ(uicore::ReadWindowState(uicore::WindowStateItems(Binomial)).Values, Binomial.Values);
}

}  // namespace
