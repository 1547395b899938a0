// The distribution editor's logic without widgets: the list selection and
// the arrow buttons' enabled states, the parameter rows as shown (name, kind,
// valid range, value text), the double-click editor with its dialog texts
// and parse-by-kind, the decimals label, the "Calculation" choice and the
// three option edits. The Qt frame shows this state and forwards its events.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"

namespace uicore {

// One row of the parameter list view, as its four columns show it.
struct TParamRow {
    std::string Name;
    std::string TypeText;  // "real" or "integer"
    std::string ValidRange;
    std::string ValueText;  // general text of the value, or the text typed

    bool operator==(const TParamRow&) const = default;
};

// The spin buttons of the point count: 0..100, step 1, no wrap-around.
inline constexpr std::int32_t SpinMin = 0;
inline constexpr std::int32_t SpinMax = 100;

// The position after one spin step: the edit's text counts when it parses
// as an integer (clamped into the range first), else the last position.
std::int32_t SpinStep(std::string_view EditText, std::int32_t LastPosition, std::int32_t Delta);

// The editor's prompt: the valid range and the kind ("Any real value"
// where the parameter has no range).
std::string EditPrompt(const TParamRow& Row);
std::string ParamTypeText(model::TProbParamType Type);
std::string DecimalsLabelText(std::int32_t Decimals);

// The three edits of the "Options" box.
enum class TOptionEdit : std::uint8_t { NumPoints, LB, UB };
inline constexpr std::size_t OptionEditCount = 3;

class TFrameDistCore {
public:
    explicit TFrameDistCore(char DecimalSeparator = '.') : FDecimalSeparator(DecimalSeparator) {}

    // Attach the model (not owned); a different one rebuilds the rows.
    void SetDistribution(model::TProbDistribution& Distribution);

    // The model's parameter values were set from outside (a restored
    // state): the rows show them anew.
    void ParameterValuesChanged() { UpdateParamList(); }

    // The list's selection: -1 before anything is chosen. Setting it by
    // program changes nothing else (no click event).
    std::int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(std::int32_t Index) { FItemIndex = Index; }

    // The user chose entry Index in the list.
    void ListBoxDistClick(std::int32_t Index);
    void Button1Click();  // "<"
    void Button2Click();  // ">"
    bool Button1Enabled() const { return FButton1Enabled; }
    bool Button2Enabled() const { return FButton2Enabled; }

    const std::vector<TParamRow>& Rows() const { return FRows; }
    // Double-click with row Row selected (-1: none). Asks through Dialog;
    // raises EConvertError with value and row unchanged when the answer does
    // not parse as the parameter's kind.
    void EditParameter(std::int32_t Row, TInputDialog& Dialog);

    void TrackBarDecChange(std::int32_t Position);
    const std::string& DecimalsLabel() const { return FDecimalsLabel; }

    // "Calculation": 0 single value, 1 range.
    void RadioGroupOutClick(std::int32_t ItemIndex);
    bool OptionsVisible() const { return FOptionsVisible; }

    // Every change of the option edits' texts. A text that does not parse
    // (a lone "-" mid-typing) keeps the model's value and leaves the
    // conversion message as the edit's error; a text that parses clears it.
    void EditNumPointsChange(std::string_view Text);
    void EditLBChange(std::string_view Text);
    void EditUBChange(std::string_view Text);
    // The edit's conversion message; empty while its text parses.
    const std::string& OptionError(TOptionEdit Edit) const {
        return FOptionErrors[static_cast<std::size_t>(Edit)];
    }
    // Before a range is calculated: raises EConvertError with the first
    // edit's message while any option text does not parse.
    void CheckOptions() const;

private:
    void SelectDistType(std::int32_t Index);
    void UpdateParamList();
    model::TProbDistribution& Model() const;
    template <class TStore>
    void OptionChange(TOptionEdit Edit, TStore&& Store);

    model::TProbDistribution* FDistribution = nullptr;
    char FDecimalSeparator;
    std::int32_t FItemIndex = -1;
    bool FButton1Enabled = false;
    bool FButton2Enabled = true;
    std::vector<TParamRow> FRows;
    std::string FDecimalsLabel = "Decimals (4)";
    bool FOptionsVisible = true;
    std::array<std::string, OptionEditCount> FOptionErrors;
};

}  // namespace uicore
