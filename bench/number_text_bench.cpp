// Cost of the results text: the fixed text of one number (a typical result,
// a tail value that rounds to zero, a large one with all its decimals, one
// at 16 decimals, one in scientific form), and a
// whole range calculation of the normal distribution into a sink that keeps
// only the line lengths.
#include <benchmark/benchmark.h>

#include "ui/core/calc_core.h"
#include "ui/core/number_text.h"

namespace {

void BM_FixedText(benchmark::State& state, double value) {
    char text[uicore::FixedTextMax];
    for (auto _ : state) benchmark::DoNotOptimize(uicore::FixedTextTo(text, value, 4));
}
BENCHMARK_CAPTURE(BM_FixedText, typical, 0.24197072451914337);
BENCHMARK_CAPTURE(BM_FixedText, tail, 2.8665157187919391e-07);
BENCHMARK_CAPTURE(BM_FixedText, large, 12345.678);
BENCHMARK_CAPTURE(BM_FixedText, scientific, 1.2345678e20);

void BM_FixedText16(benchmark::State& state) {
    char text[uicore::FixedTextMax];
    for (auto _ : state)
        benchmark::DoNotOptimize(uicore::FixedTextTo(text, 0.24197072451914337, 16));
}
BENCHMARK(BM_FixedText16);

struct CountingSinks : uicore::TResultsSink, uicore::TSeriesSink {
    std::size_t chars = 0;
    void AppendLine(std::string_view line) override { chars += line.size(); }
    void ClearLines() override {}
    void AddPoint(std::int32_t, double, double) override {}
    void ClearPoints(std::int32_t) override {}
};

void BM_CalculateNormalRange(benchmark::State& state) {
    model::TProbDistribution dist;
    CountingSinks sinks;
    uicore::TQuantivaCore core(dist, sinks, sinks);
    dist.SetDistType(model::TDistType::distNORMAL);
    dist.SetLB(-5);
    dist.SetUB(5);
    dist.SetNumPoints(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) core.Calculate();
    state.SetItemsProcessed(state.iterations() * state.range(0));
    benchmark::DoNotOptimize(sinks.chars);
}
BENCHMARK(BM_CalculateNormalRange)->Arg(10000);

}  // namespace
