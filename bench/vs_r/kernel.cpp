// The kernel's log-gamma against R's lgamma.
#include "bench/vs_r/vs_r.h"
#include "numkern/numkern.h"

namespace {
const bool kRows = vsr::Add({
    {"LnGamma(10.5)", "lgamma(X)", 10.5, []() -> double { return numkern::LnGamma(10.5); }},
    {"LnGamma(1e6)", "lgamma(X)", 1e6, []() -> double { return numkern::LnGamma(1e6); }},
});
}  // namespace
