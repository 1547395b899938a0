// The constants' bit patterns after start-up, the floating-point
// environment it leaves, and the kernel exception.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <fpu_control.h>
#include <xmmintrin.h>

#include "numkern/numkern.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

TEST(Startup, ConstantBitPatterns) {
    struct Case {
        const char* name;
        double value;
        std::uint64_t bits;
    };
    const Case cases[] = {
        {"NaN", numkern::NaN, 0x7FF8000000000000ULL},
        {"Inf", numkern::Inf, 0x7FF0000000000000ULL},
        {"Pi", numkern::Pi, 0x400921FB54442D18ULL},
        {"LnPi", numkern::LnPi, 0x3FF250D048E7A1BDULL},
        {"InvTwoPi", numkern::InvTwoPi, 0x3FC45F306DC9C883ULL},
        {"Sqrt2Pi", numkern::Sqrt2Pi, 0x40040D931FF62706ULL},
        {"LnSqrt2Pi", numkern::LnSqrt2Pi, 0x3FED67F1C864BEB5ULL},
        {"Sqrt2", numkern::Sqrt2, 0x3FF6A09E667F3BCDULL},
        {"InvSqrt2", numkern::InvSqrt2, 0x3FE6A09E667F3BCDULL},
        {"Eps", numkern::Eps, 0x3CB0000000000000ULL},
        {"MinDouble", numkern::MinDouble, 0x0010000000000001ULL},
        {"MaxLnGammaArg", numkern::MaxLnGammaArg, 0x7F574C5DD06D2516ULL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Bits(c.value), c.bits);
    }
}

TEST(Startup, ConstantsMatchTheirDecimals) {
    EXPECT_EQ(numkern::MinDouble, 2.225073858507202e-308);
    EXPECT_EQ(numkern::Eps, 2.220446049250313e-16);
    EXPECT_EQ(numkern::Pi, 3.141592653589793);
}

TEST(Startup, FloatingPointEnvironment) {
    fpu_control_t cw;
    _FPU_GETCW(cw);
    EXPECT_EQ(cw & 0x1F3F, numkern::DefaultFPUControlWord);
    EXPECT_EQ(__fpu_control, numkern::DefaultFPUControlWord);
    // SSE: all exceptions masked, round to nearest, no flush to zero.
    EXPECT_EQ(_mm_getcsr() & 0xFFC0, 0x1F80u);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

TEST(Startup, IsIdempotent) {
    numkern::KernelStartup();
    EXPECT_EQ(Bits(numkern::NaN), 0x7FF8000000000000ULL);
    EXPECT_EQ(Bits(numkern::Inf), 0x7FF0000000000000ULL);
}

TEST(RaiseOrlenError, CarriesTheMessage) {
    try {
        numkern::RaiseOrlenError("abc");
        FAIL() << "RaiseOrlenError returned";
    } catch (const numkern::EOrlenException& e) {
        EXPECT_STREQ(e.what(), "abc");
    }
    EXPECT_THROW(numkern::RaiseOrlenError("Failed to converge!"), std::runtime_error);
}

}  // namespace
