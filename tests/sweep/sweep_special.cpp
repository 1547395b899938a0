// The robustness sweep over the special functions.
#include <gtest/gtest.h>

#include "distrium/distrium.h"
#include "tests/sweep/sweep.h"

namespace {

using sweep::I;

TEST(SweepSpecial, IncompleteGamma) {
    sweep::Run("rr", [](const double* a) { return distrium::GammaP(a[0], a[1]); });
    sweep::Run("rr", [](const double* a) { return distrium::GammaQ(a[0], a[1]); });
}

TEST(SweepSpecial, IncompleteBeta) {
    sweep::Run("rr", [](const double* a) { return distrium::BetaFn(a[0], a[1]); });
    sweep::Run("rrr", [](const double* a) { return distrium::BetaI(a[0], a[1], a[2]); });
    sweep::Run("rrr", [](const double* a) { return distrium::BetaIContFrac(a[0], a[1], a[2]); });
}

TEST(SweepSpecial, Binomial) {
    sweep::Run("ii", [](const double* a) { return distrium::Binomial(I(a[0]), I(a[1])); });
}

TEST(SweepSpecial, ErrorFunction) {
    sweep::Run("r", [](const double* a) { return distrium::Erf(a[0]); });
    sweep::Run("r", [](const double* a) { return distrium::ErfInv(a[0]); });
}

}  // namespace
