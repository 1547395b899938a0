// Numbers are written at 17 significant digits, so a value reads back as
// the same double; they are read with the window's own parse rules ('.'
// separator, so a file moves between locales). Parameter values count only
// as a whole list that fits the chosen distribution: a list from another
// distribution would put numbers into the wrong parameters.
#include "ui/core/window_state.h"

#include <cmath>
#include <optional>

#include "model/prob_distribution.h"
#include "ui/core/csv_table.h"
#include "ui/core/number_text.h"

namespace uicore {

namespace {

std::string NumberText(double Value) {
    char Text[32];
    return std::string(Text, CsvNumber(Text, Value));
}

std::optional<std::string> Item(const TSettingsItems& Items, const std::string& Key) {
    const auto Found = Items.find(Key);
    if (Found == Items.end()) return std::nullopt;
    return Found->second;
}

std::optional<double> FiniteItem(const TSettingsItems& Items, const std::string& Key) {
    const auto Text = Item(Items, Key);
    if (!Text) return std::nullopt;
    try {
        const double Value = ParseReal(*Text);
        if (std::isfinite(Value)) return Value;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

std::optional<std::int32_t> IntegerItem(const TSettingsItems& Items, const std::string& Key,
                                        std::int32_t Min, std::int32_t Max) {
    const auto Text = Item(Items, Key);
    if (!Text) return std::nullopt;
    try {
        const std::int32_t Value = ParseInteger(*Text);
        if (Value >= Min && Value <= Max) return Value;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

void ReadBool(const TSettingsItems& Items, const std::string& Key, bool& Value) {
    if (const auto Flag = IntegerItem(Items, Key, 0, 1)) Value = *Flag == 1;
}

void ReadInteger(const TSettingsItems& Items, const std::string& Key, std::int32_t Min,
                 std::int32_t Max, std::int32_t& Value) {
    if (const auto Number = IntegerItem(Items, Key, Min, Max)) Value = *Number;
}

void ReadFinite(const TSettingsItems& Items, const std::string& Key, double& Value) {
    if (const auto Number = FiniteItem(Items, Key)) Value = *Number;
}

// The list when every value parses, is finite and an integer parameter
// holds a whole number; otherwise none.
std::vector<double> ParameterValues(const TSettingsItems& Items, std::int32_t DistIndex) {
    model::TProbDistribution Dist;
    Dist.SetDistType(static_cast<model::TDistType>(DistIndex));
    const model::TProbParameters& Params = Dist.DistParams();
    const auto Count = IntegerItem(Items, "Parameters/Count", 0, model::DistTypeCount);
    if (!Count || *Count != Params.Count()) return {};
    std::vector<double> Values;
    for (std::int32_t I = 0; I < Params.Count(); ++I) {
        const auto Value = FiniteItem(Items, "Parameters/" + std::to_string(I));
        const bool Integer = Params.Items(I).ParamType() == model::TProbParamType::ptInteger;
        if (!Value ||
            (Integer && (*Value != std::nearbyint(*Value) || std::fabs(*Value) > 2147483647.0)))
            return {};
        Values.push_back(*Value);
    }
    return Values;
}

}  // namespace

TSettingsItems WindowStateItems(const TWindowState& State) {
    TSettingsItems Items{
        {"Distribution", std::to_string(State.DistIndex)},
        {"Decimals", std::to_string(State.Decimals)},
        {"Single", State.Single ? "1" : "0"},
        {"NumPoints", std::to_string(State.NumPoints)},
        {"LB", NumberText(State.LB)},
        {"UB", NumberText(State.UB)},
        {"Mode", State.Mode == TCalcMode::Icdf ? "1" : "0"},
        {"P", NumberText(State.P)},
        {"ClearAfterEach", State.ClearAfterEach ? "1" : "0"},
        {"ShowPDF", State.ShowPDF ? "1" : "0"},
        {"ShowCDF", State.ShowCDF ? "1" : "0"},
        {"AdditionalInfo", State.AdditionalInfo ? "1" : "0"},
        {"LogPdfAxis", State.LogPdfAxis ? "1" : "0"},
        {"Page", std::to_string(State.Page)},
        {"Geometry", State.Geometry},
        {"Splitter", State.Splitter},
        {"Parameters/Count", std::to_string(State.Values.size())},
    };
    for (std::size_t I = 0; I < State.Values.size(); ++I)
        Items["Parameters/" + std::to_string(I)] = NumberText(State.Values[I]);
    return Items;
}

TWindowState ReadWindowState(const TSettingsItems& Items) {
    TWindowState State;
    ReadInteger(Items, "Distribution", 0, model::DistTypeCount - 1, State.DistIndex);
    State.Values = ParameterValues(Items, State.DistIndex);
    ReadInteger(Items, "Decimals", 2, 16, State.Decimals);
    ReadBool(Items, "Single", State.Single);
    // Any count the points edit takes; a large one asks again before it runs.
    ReadInteger(Items, "NumPoints", 0, 2147483647, State.NumPoints);
    ReadFinite(Items, "LB", State.LB);
    ReadFinite(Items, "UB", State.UB);
    bool Icdf = false;
    ReadBool(Items, "Mode", Icdf);
    State.Mode = Icdf ? TCalcMode::Icdf : TCalcMode::PdfCdf;
    ReadFinite(Items, "P", State.P);
    ReadBool(Items, "ClearAfterEach", State.ClearAfterEach);
    ReadBool(Items, "ShowPDF", State.ShowPDF);
    ReadBool(Items, "ShowCDF", State.ShowCDF);
    ReadBool(Items, "AdditionalInfo", State.AdditionalInfo);
    ReadBool(Items, "LogPdfAxis", State.LogPdfAxis);
    ReadInteger(Items, "Page", 0, 1, State.Page);
    if (const auto Geometry = Item(Items, "Geometry")) State.Geometry = *Geometry;
    if (const auto Splitter = Item(Items, "Splitter")) State.Splitter = *Splitter;
    return State;
}

}  // namespace uicore
