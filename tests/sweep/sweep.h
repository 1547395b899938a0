// The robustness sweep: every public numeric function is called with every
// combination of hostile argument values; each call must return (or raise
// numkern::EOrlenException) within half a second. Built a second time under
// UBSan, so undefined behaviour (out-of-range float-to-int conversions,
// signed overflow) aborts the run.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace sweep {

// One argument list: position k holds a real value when kinds[k] is 'r' and
// a whole number (exactly representable) when kinds[k] is 'i'.
using Call = std::function<double(const double* args)>;

// Calls f with every combination of values for the argument kinds given
// ("rri" = real, real, integer) and records a test failure for any call that
// takes longer than the limit or throws anything but EOrlenException.
void Run(std::string_view kinds, const Call& f);

// The integer argument at a position of kind 'i'.
inline std::int32_t I(double v) { return static_cast<std::int32_t>(v); }

}  // namespace sweep
