// Timings of the kernel's log-gamma and the special functions on arguments
// from each of their regimes (the capture name says which).
#include <benchmark/benchmark.h>

#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace {

// The arguments pass through DoNotOptimize so no call is folded away.
template <class F, class... Args>
void Measure(benchmark::State& state, F f, Args... args) {
    for (auto _ : state) {
        (benchmark::DoNotOptimize(args), ...);
        benchmark::DoNotOptimize(f(args...));
    }
}

void BM_LnGamma(benchmark::State& state, double x) { Measure(state, numkern::LnGamma, x); }
BENCHMARK_CAPTURE(BM_LnGamma, near_zero_0_01, 0.01);
BENCHMARK_CAPTURE(BM_LnGamma, shift_7_5, 7.5);
BENCHMARK_CAPTURE(BM_LnGamma, shift_negative_m33_5, -33.5);
BENCHMARK_CAPTURE(BM_LnGamma, stirling_25, 25.0);
BENCHMARK_CAPTURE(BM_LnGamma, stirling_1e12, 1e12);
BENCHMARK_CAPTURE(BM_LnGamma, reflection_m40_5, -40.5);

void BM_GammaP(benchmark::State& state, double a, double x) {
    Measure(state, distrium::GammaP, a, x);
}
BENCHMARK_CAPTURE(BM_GammaP, series_0_5_0_25, 0.5, 0.25);
BENCHMARK_CAPTURE(BM_GammaP, series_10_5, 10.0, 5.0);
BENCHMARK_CAPTURE(BM_GammaP, fraction_10_20, 10.0, 20.0);
BENCHMARK_CAPTURE(BM_GammaP, series_1000_990, 1000.0, 990.0);
BENCHMARK_CAPTURE(BM_GammaP, fraction_1000_1010, 1000.0, 1010.0);
BENCHMARK_CAPTURE(BM_GammaP, series_1e6_1e6, 1e6, 1e6);

void BM_BetaI(benchmark::State& state, double x, double a, double b) {
    Measure(state, distrium::BetaI, x, a, b);
}
BENCHMARK_CAPTURE(BM_BetaI, on_x_0_3_2_5, 0.3, 2.0, 5.0);
BENCHMARK_CAPTURE(BM_BetaI, on_1mx_0_9_5_2, 0.9, 5.0, 2.0);
BENCHMARK_CAPTURE(BM_BetaI, on_x_0_2_30_70, 0.2, 30.0, 70.0);
BENCHMARK_CAPTURE(BM_BetaI, near_mean_0_4_1000_1500, 0.4, 1000.0, 1500.0);
BENCHMARK_CAPTURE(BM_BetaI, near_mean_0_5_1e6_1e6, 0.5, 1e6, 1e6);

void BM_Erf(benchmark::State& state, double x) { Measure(state, distrium::Erf, x); }
BENCHMARK_CAPTURE(BM_Erf, series_0_5, 0.5);
BENCHMARK_CAPTURE(BM_Erf, series_m1_2, -1.2);
BENCHMARK_CAPTURE(BM_Erf, fraction_3, 3.0);

void BM_ErfInv(benchmark::State& state, double y) { Measure(state, distrium::ErfInv, y); }
BENCHMARK_CAPTURE(BM_ErfInv, central_0_5, 0.5);
BENCHMARK_CAPTURE(BM_ErfInv, tail_0_9, 0.9);
BENCHMARK_CAPTURE(BM_ErfInv, tail_m0_999999, -0.999999);

}  // namespace
