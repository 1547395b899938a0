// The floating-point environment every computation of the system runs in:
// all exceptions masked, round to nearest, x87 intermediates with a 64-bit
// significand; and the normalisation of the NaN and Inf constants.
#include <cfenv>
#include <cmath>
#include <fpu_control.h>
#include <xmmintrin.h>

#include "numkern/numkern.h"

namespace numkern {

namespace {

// MXCSR: all six exceptions masked, round to nearest, denormals kept
// (neither flush-to-zero nor denormals-are-zero), no flags pending.
constexpr unsigned int DefaultMXCSR = 0x1F80;

}  // namespace

void KernelStartup() {
    std::feclearexcept(FE_ALL_EXCEPT);
    fpu_control_t cw = DefaultFPUControlWord;
    _FPU_SETCW(cw);
    // The runtime restores this word whenever it resets the unit.
    __fpu_control = DefaultFPUControlWord;
    _mm_setcsr(DefaultMXCSR);
    // Clearing the sign bits rather than negating what is not >= 0 (a NaN
    // never is) keeps a second start-up from giving NaN its sign back.
    NaN = std::fabs(NaN);
    Inf = std::fabs(Inf);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace numkern
