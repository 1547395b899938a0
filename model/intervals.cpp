// Interval probabilities from the CDF F and the upper tail Q = P(X > x).
// Each side of the median has one accurate function: F below it, Q above
// it, where 1 - F has lost the digits. So P(a < X <= b) is Q(a) - Q(b) when
// a lies above the median and F(b) - F(a) otherwise, and the two tails of
// an outside region are added (no cancellation).
#include "model/intervals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace model {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Puts the point x back whatever happens in between.
class TPointGuard {
public:
    explicit TPointGuard(const TProbDistribution& D)
        : FPoint(D.DistParams().Items(0)), FSaved(FPoint.Value()) {}
    ~TPointGuard() { FPoint.SetValue(FSaved); }
    TPointGuard(const TPointGuard&) = delete;
    TPointGuard& operator=(const TPointGuard&) = delete;

private:
    TProbParameter& FPoint;
    double FSaved;
};

struct TTails {
    double F, Q;  // P(X <= x), P(X > x)
};

TTails TailsAt(const TProbDistribution& D, double X) {
    D.DistParams().Items(0).SetValue(X);
    return {D.CDF(), D.CCDF()};
}

double Between(const TProbDistribution& D, double A, double B) {
    const TTails a = TailsAt(D, A);
    const TTails b = TailsAt(D, B);
    // a right of the median: the upper tails are the small, exact numbers.
    const double p = a.Q < a.F ? a.Q - b.Q : b.F - a.F;
    return std::isnan(p) ? p : std::max(p, 0.0);
}

// (1 - Q) / 2 for the decimal Q stands for: the shortest decimal that reads
// back as Q, so that q = 0.95 leaves 0.025 in each tail rather than the
// 0.025000000000000022 of the binary 0.95. Worked in whole numbers:
// Q = m / 10^k gives (10^k - m) * 5 / 10^(k+1), rounded once.
double TailOfCentral(double Q) {
    char text[64];
    const auto out = std::to_chars(text, text + sizeof text, Q, std::chars_format::fixed);
    const std::string_view digits(text, out.ec == std::errc() ? out.ptr - text : 0);
    const auto dot = digits.find('.');
    const std::size_t k = dot == std::string_view::npos ? 0 : digits.size() - dot - 1;
    if (Q >= 1 || digits.substr(0, 2) != "0." || k > 17) return (1 - Q) / 2;
    std::uint64_t m = 0, scale = 1;
    for (const char c : digits.substr(2)) {
        m = m * 10 + static_cast<std::uint64_t>(c - '0');
        scale *= 10;
    }
    const std::string tail = std::to_string((scale - m) * 5) + "e-" + std::to_string(k + 1);
    double result = 0;
    std::from_chars(tail.data(), tail.data() + tail.size(), result);
    return result;
}

}  // namespace

bool IsDiscrete(TDistType Type) {
    switch (Type) {
        case TDistType::distBINOM:
        case TDistType::distGEOMETRIC:
        case TDistType::distHYPGEOMETRIC:
        case TDistType::distNEGBINOM:
        case TDistType::distPOISSON:
        case TDistType::distUNIFORMD: return true;
        default: return false;
    }
}

double RegionProbability(const TProbDistribution& D, TRegion Region, double A, double B) {
    const TPointGuard guard(D);
    const bool ordered = A < B;
    switch (Region) {
        case TRegion::rgBelow: return TailsAt(D, A).F;
        case TRegion::rgAbove: return TailsAt(D, B).Q;
        case TRegion::rgBetween:
            if (std::isnan(A) || std::isnan(B)) return kNaN;
            return ordered ? Between(D, A, B) : 0.0;
        case TRegion::rgOutside: {
            if (std::isnan(A) || std::isnan(B)) return kNaN;
            if (!ordered) return 1.0;
            const double p = TailsAt(D, A).F + TailsAt(D, B).Q;
            return std::isnan(p) ? p : std::min(p, 1.0);
        }
    }
    return kNaN;
}

TCentralInterval CentralInterval(const TProbDistribution& D, double Q) {
    if (!(Q >= 0 && Q <= 1)) return {kNaN, kNaN};
    const double tail = TailOfCentral(Q);
    return {D.ICDF(tail), D.ICCDF(tail)};
}

}  // namespace model
