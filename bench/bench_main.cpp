// Benchmark entry: the kernel's floating-point start-up runs first.
#include <benchmark/benchmark.h>

#include "numkern/numkern.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
