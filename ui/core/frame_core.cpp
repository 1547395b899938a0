// The editor frame's logic: every user action is written straight into the
// model; the frame keeps only what it shows (selection, rows, label, the
// options box's visibility) and reads the model back to rebuild the rows.
#include "ui/core/frame_core.h"

#include <algorithm>
#include <stdexcept>

#include "numkern/numkern.h"
#include "ui/core/number_text.h"

namespace uicore {

namespace {

// Parameter values in the list use the kernel's general text with 15
// significant digits.
constexpr std::int32_t ValuePrecision = 15;

}  // namespace

std::int32_t SpinStep(std::string_view EditText, std::int32_t LastPosition, std::int32_t Delta) {
    std::int32_t Position = LastPosition;
    try {
        Position = ParseInteger(EditText);
    } catch (const EConvertError&) {
        // An unparsable text leaves the buttons where they were.
    }
    Position = std::clamp(Position, SpinMin, SpinMax);
    // Delta is one step up or down; widen before adding so no input overflows.
    const std::int64_t Next = static_cast<std::int64_t>(Position) + Delta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Next, SpinMin, SpinMax));
}

std::string EditPrompt(const TParamRow& Row) {
    if (Row.ValidRange.empty()) return "Any " + Row.TypeText + " value";
    return "Valid range: " + Row.ValidRange + ", " + Row.TypeText;
}

std::string ParamTypeText(model::TProbParamType Type) {
    return Type == model::TProbParamType::ptInteger ? "integer" : "real";
}

std::string DecimalsLabelText(std::int32_t Decimals) {
    return "Decimals (" + std::to_string(Decimals) + ")";
}

model::TProbDistribution& TFrameDistCore::Model() const {
    if (FDistribution == nullptr) throw std::logic_error("No distribution attached");
    return *FDistribution;
}

void TFrameDistCore::SetDistribution(model::TProbDistribution& Distribution) {
    if (FDistribution == &Distribution) return;
    FDistribution = &Distribution;
    UpdateParamList();
}

void TFrameDistCore::SelectDistType(std::int32_t Index) {
    // Without a valid selection there is no type to choose; a cast of an
    // index outside the enumeration would hand the model a type it lacks.
    if (Index < 0 || Index >= model::DistTypeCount) return;
    Model().SetDistType(static_cast<model::TDistType>(Index));
    UpdateParamList();
}

void TFrameDistCore::UpdateParamList() {
    FButton2Enabled = FItemIndex < model::DistTypeCount - 1;
    FButton1Enabled = FItemIndex > 0;
    FRows.clear();
    const model::TProbParameters& Params = Model().DistParams();
    for (std::int32_t I = 0; I < Params.Count(); ++I) {
        const model::TProbParameter& P = Params.Items(I);
        FRows.push_back(
            {P.Name(), ParamTypeText(P.ParamType()), P.ValidRange(),
             numkern::FloatToGeneralStr(P.Value(), 0, ValuePrecision, FDecimalSeparator)});
    }
}

void TFrameDistCore::ListBoxDistClick(std::int32_t Index) {
    FItemIndex = Index;
    SelectDistType(Index);
}

void TFrameDistCore::Button1Click() {
    if (FItemIndex > 0) --FItemIndex;
    SelectDistType(FItemIndex);
}

void TFrameDistCore::Button2Click() {
    if (FItemIndex < model::DistTypeCount - 1) ++FItemIndex;
    SelectDistType(FItemIndex);
}

void TFrameDistCore::EditParameter(std::int32_t Row, TInputDialog& Dialog) {
    if (Row < 0 || Row >= static_cast<std::int32_t>(FRows.size())) return;
    model::TProbParameter& Param = Model().DistParams().Items(Row);
    const TParamRow& Shown = FRows[static_cast<std::size_t>(Row)];
    const std::string Text =
        Dialog.InputQuery("Set parameter " + Shown.Name, EditPrompt(Shown), Shown.ValueText);
    // Cancel (or OK on the text as shown) keeps the value exactly: the
    // 15-digit text need not parse back to the same double.
    if (Text == Shown.ValueText) return;
    if (Param.ParamType() == model::TProbParamType::ptInteger)
        Param.SetValue(ParseInteger(Text));
    else
        Param.SetValue(ParseReal(Text, FDecimalSeparator));
    FRows[static_cast<std::size_t>(Row)].ValueText = Text;
}

void TFrameDistCore::TrackBarDecChange(std::int32_t Position) {
    Model().SetDecimals(Position);
    FDecimalsLabel = DecimalsLabelText(Model().Decimals());
}

void TFrameDistCore::RadioGroupOutClick(std::int32_t ItemIndex) {
    FOptionsVisible = ItemIndex == 1;
    Model().SetCalculateSinglePoint(ItemIndex == 0);
}

template <class TStore>
void TFrameDistCore::OptionChange(TOptionEdit Edit, TStore&& Store) {
    std::string& Error = FOptionErrors[static_cast<std::size_t>(Edit)];
    try {
        Store(Model());
        Error.clear();
    } catch (const EConvertError& E) {
        Error = E.what();
    }
}

void TFrameDistCore::EditNumPointsChange(std::string_view Text) {
    OptionChange(TOptionEdit::NumPoints,
                 [&](model::TProbDistribution& M) { M.SetNumPoints(ParseInteger(Text)); });
}

void TFrameDistCore::EditLBChange(std::string_view Text) {
    OptionChange(TOptionEdit::LB,
                 [&](model::TProbDistribution& M) { M.SetLB(ParseReal(Text, FDecimalSeparator)); });
}

void TFrameDistCore::EditUBChange(std::string_view Text) {
    OptionChange(TOptionEdit::UB,
                 [&](model::TProbDistribution& M) { M.SetUB(ParseReal(Text, FDecimalSeparator)); });
}

void TFrameDistCore::CheckOptions() const {
    for (const std::string& Error : FOptionErrors)
        if (!Error.empty()) throw EConvertError(Error);
}

}  // namespace uicore
