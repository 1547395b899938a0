// The parameter items and their collection: storage, the index error and
// AsInteger, the rounding that the dispatch applies to integer parameters.
#include <cmath>
#include <string>

#include "model/prob_distribution.h"

namespace model {

std::int32_t TProbParameter::AsInteger() const {
    // Round half to even without consulting the floating-point environment.
    double r = std::round(FValue);
    if (std::fabs(r - FValue) == 0.5 && std::fmod(r, 2.0) != 0.0) r -= std::copysign(1.0, FValue);
    // The hardware's 64-bit conversion gives 0x8000000000000000 for NaN and
    // for values beyond the 64-bit range; its low 32 bits are 0.
    constexpr double TwoTo63 = 9223372036854775808.0;
    if (!(r >= -TwoTo63 && r < TwoTo63)) return 0;
    const auto wide = static_cast<std::int64_t>(r);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

TProbParameter& TProbParameters::AddParameter(const std::string& Name, TProbParamType ParamType,
                                              const std::string& ValidRange, double Value) {
    FItems.push_back(std::unique_ptr<TProbParameter>(new TProbParameter(*this)));
    TProbParameter& item = *FItems.back();
    item.SetName(Name);
    item.SetParamType(ParamType);
    item.SetValidRange(ValidRange);
    item.SetValue(Value);
    return item;
}

TProbParameter& TProbParameters::Items(std::int32_t Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FItems[static_cast<std::size_t>(Index)];
}

}  // namespace model
