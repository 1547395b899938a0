// The robustness sweep over every numeric function of the kernel. sweep::Run
// is always qualified: inside a TEST body a plain Run names testing::Test::Run.
#include <gtest/gtest.h>

#include "numkern/numkern.h"
#include "tests/sweep/sweep.h"

namespace {

using sweep::I;

TEST(SweepKernel, Elementary) {
    sweep::Run("r", [](const double* a) { return static_cast<double>(numkern::Sin(a[0])); });
    sweep::Run("r", [](const double* a) { return static_cast<double>(numkern::Tan(a[0])); });
    sweep::Run("r", [](const double* a) { return static_cast<double>(numkern::ArcTan(a[0])); });
    sweep::Run("rr",
               [](const double* a) { return static_cast<double>(numkern::ArcTan2(a[0], a[1])); });
    sweep::Run("r", [](const double* a) { return static_cast<double>(numkern::Ln(a[0])); });
    sweep::Run("r", [](const double* a) { return static_cast<double>(numkern::Exp(a[0])); });
    sweep::Run("r",
               [](const double* a) { return static_cast<double>(numkern::ReduceAngle(a[0])); });
}

TEST(SweepKernel, Powers) {
    sweep::Run("ri", [](const double* a) {
        return static_cast<double>(numkern::IntPower(a[0], I(a[1])));
    });
    sweep::Run("rr",
               [](const double* a) { return static_cast<double>(numkern::Power(a[0], a[1])); });
}

TEST(SweepKernel, RoundingAndComparison) {
    sweep::Run("r", [](const double* a) { return numkern::Ceil(a[0]); });
    sweep::Run("r", [](const double* a) { return numkern::Floor(a[0]); });
    sweep::Run("r", [](const double* a) { return numkern::Sign(a[0]); });
    sweep::Run("rr", [](const double* a) { return numkern::Min(a[0], a[1]); });
}

TEST(SweepKernel, Classification) {
    sweep::Run("r", [](const double* a) { return numkern::IsNaNOrInf(a[0]) ? 1.0 : 0.0; });
    sweep::Run("r", [](const double* a) { return numkern::IsNaN(a[0]) ? 1.0 : 0.0; });
    sweep::Run("r", [](const double* a) { return numkern::IsInf(a[0]) ? 1.0 : 0.0; });
    sweep::Run("rr", [](const double* a) { return numkern::SameFloat(a[0], a[1]) ? 1.0 : 0.0; });
}

TEST(SweepKernel, GeneralFormat) {
    sweep::Run("rii", [](const double* a) {
        return static_cast<double>(numkern::FloatToGeneralStr(a[0], I(a[1]), I(a[2])).size());
    });
}

TEST(SweepKernel, GammaFamily) {
    sweep::Run("r", [](const double* a) { return numkern::GammaSign(a[0]); });
    sweep::Run("rr", [](const double* a) { return numkern::ScaledGamma(a[0], a[1]); });
    sweep::Run("r", [](const double* a) { return numkern::LnGammaStirling(a[0]); });
    sweep::Run("r", [](const double* a) { return numkern::LnGamma(a[0]); });
}

}  // namespace
