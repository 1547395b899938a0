// quantiva-vs-r: the per-call time of every registered row, as tab-separated
// lines "call, R expression, X, nanoseconds" for bench/functions_vs_r.sh.
// Each row runs for at least 50 ms after a warm-up; the best of three such
// runs is reported, which is what a quiet machine gives.
#include <chrono>
#include <cstdio>

#include "bench/vs_r/vs_r.h"
#include "numkern/numkern.h"

namespace vsr {

namespace {
std::vector<Row>& Table() {
    static std::vector<Row> table;
    return table;
}
}  // namespace

bool Add(std::initializer_list<Row> NewRows) {
    Table().insert(Table().end(), NewRows);
    return true;
}

const std::vector<Row>& Rows() { return Table(); }

}  // namespace vsr

namespace {

volatile double gSink;

double NanosecondsPerCall(double (*F)()) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        long calls = 0;
        const auto start = Clock::now();
        std::chrono::duration<double> elapsed{};
        do {
            for (int i = 0; i < 64; ++i) gSink = F();
            calls += 64;
            elapsed = Clock::now() - start;
        } while (elapsed.count() < 0.05);
        const double ns = elapsed.count() * 1e9 / static_cast<double>(calls);
        if (ns < best) best = ns;
    }
    return best;
}

}  // namespace

int main() {
    numkern::KernelStartup();
    for (const vsr::Row& row : vsr::Rows()) {
        try {
            row.F();
        } catch (...) {
            std::printf("%s\t%s\t%.17g\traises\n", row.Call, row.R, row.X);
            continue;
        }
        std::printf("%s\t%s\t%.17g\t%.1f\n", row.Call, row.R, row.X, NanosecondsPerCall(row.F));
        std::fflush(stdout);
    }
    return 0;
}
