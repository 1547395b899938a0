// Benchmarks given as a table of named calls, each timed on its own.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>

namespace benchtable {

struct Call {
    const char* name;
    std::function<double()> f;
};

inline void RunCall(benchmark::State& state, const std::function<double()>& f) {
    for (auto _ : state) benchmark::DoNotOptimize(f());
}

// Registers every call under its name. Called for a namespace-scope
// constant, before main's RunSpecifiedBenchmarks; nothing is evaluated until
// then, after the kernel's start-up.
template <std::size_t N>
bool Register(const Call (&calls)[N]) {
    for (const Call& c : calls) benchmark::RegisterBenchmark(c.name, RunCall, c.f);
    return true;
}

}  // namespace benchtable
