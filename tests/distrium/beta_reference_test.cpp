// The incomplete beta function and the beta, Student's t and F laws against
// 50-digit mpmath values (body, both tails, shapes up to 2^31), round trips
// of the quantiles through the distribution functions, and the quantiles'
// answers far in the tails at large shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
#include "tests/support/reference_table.h"

namespace {

using namespace distrium;
using testsupport::RefCall;
using testsupport::RefRow;

const std::vector<RefRow> kTable = {
#include "tests/distrium/data/beta_reference.inc"
};

std::int32_t Int(double v) { return static_cast<std::int32_t>(v); }

std::vector<RefRow> Rows(bool Quantiles) {
    std::vector<RefRow> out;
    for (const RefRow& r : kTable)
        if ((std::string(r.Function).find("Inv") != std::string::npos) == Quantiles)
            out.push_back(r);
    return out;
}

const std::map<std::string, RefCall> kCalls = {
    {"IncBetaLower", [](auto& v) { return detail::IncBeta(v[0], 1 - v[0], v[1], v[2], false); }},
    {"IncBetaUpper", [](auto& v) { return detail::IncBeta(v[0], 1 - v[0], v[1], v[2], true); }},
    {"BetaPDF", [](auto& v) { return BetaPDF(v[0], v[1], v[2]); }},
    {"BetaCDF", [](auto& v) { return BetaCDF(v[0], v[1], v[2]); }},
    {"BetaCCDF", [](auto& v) { return BetaCCDF(v[0], v[1], v[2]); }},
    {"BetaCDFInv", [](auto& v) { return BetaCDFInv(v[0], v[1], v[2]); }},
    {"BetaCCDFInv", [](auto& v) { return BetaCCDFInv(v[0], v[1], v[2]); }},
    {"StudentPDF", [](auto& v) { return StudentPDF(v[0], v[1]); }},
    {"StudentCDF", [](auto& v) { return StudentCDF(v[0], v[1]); }},
    {"StudentCCDF", [](auto& v) { return StudentCCDF(v[0], v[1]); }},
    {"StudentCDFInv", [](auto& v) { return StudentCDFInv(v[0], v[1]); }},
    {"StudentCCDFInv", [](auto& v) { return StudentCCDFInv(v[0], v[1]); }},
    {"FPDF", [](auto& v) { return FPDF(v[0], Int(v[1]), Int(v[2])); }},
    {"FCDF", [](auto& v) { return FCDF(v[0], Int(v[1]), Int(v[2])); }},
    {"FCCDF", [](auto& v) { return FCCDF(v[0], Int(v[1]), Int(v[2])); }},
    {"FCDFInv", [](auto& v) { return FCDFInv(v[0], Int(v[1]), Int(v[2])); }},
    {"FCCDFInv", [](auto& v) { return FCCDFInv(v[0], Int(v[1]), Int(v[2])); }},
};

// Values and densities to R's level: a few ulps, more only where a far tail
// at a large shape carries the rounding of an exponent in the hundreds.
TEST(BetaReference, FunctionsMatchMpmath) {
    testsupport::CheckReferenceTable(Rows(false), kCalls, 64);
}

// A quantile carries the relative error of the function it inverts times
// the condition number p / (x f(x)), which small shapes make large.
TEST(BetaReference, QuantilesMatchMpmath) {
    testsupport::CheckReferenceTable(Rows(true), kCalls, 256);
}

// Through the other tail: CCDF(CDFInv(p)) = 1 - p and CDF(CCDFInv(p)) = 1 - p
// in the body, where rounding the quantile moves p by an ulp or so.
TEST(BetaReference, QuantilesRoundTripThroughTheOtherTail) {
    struct Case {
        double a, b;
    };
    const Case shapes[] = {{0.3, 0.3}, {2, 5}, {0.05, 3}, {40, 1.5}, {3e4, 7e4}, {2, 1e7}};
    for (const auto& s : shapes) {
        for (double p : {0.1, 0.25, 0.5, 0.75, 0.9}) {
            SCOPED_TRACE(::testing::Message() << s.a << ", " << s.b << " p " << p);
            EXPECT_NEAR(BetaCCDF(BetaCDFInv(p, s.a, s.b), s.a, s.b), 1 - p, 1e-14);
            EXPECT_NEAR(BetaCDF(BetaCCDFInv(p, s.a, s.b), s.a, s.b), 1 - p, 1e-14);
            EXPECT_NEAR(StudentCCDF(StudentCDFInv(p, 1 + s.b), 1 + s.b), 1 - p, 1e-14);
            const std::int32_t n1 = Int(s.a) + 1, n2 = Int(s.b) + 1;
            EXPECT_NEAR(FCDF(FCCDFInv(p, n1, n2), n1, n2), 1 - p, 1e-14);
        }
    }
}

// Far tails at large shapes: an answer, never an exception, and the double
// nearest the root: the function two ulps either side of it brackets p.
TEST(BetaReference, FarTailQuantilesAtLargeShapes) {
    auto brackets = [](auto cdf, double x, double p, bool rising) {
        const double below = cdf(std::nextafter(std::nextafter(x, -1e300), -1e300));
        const double above = cdf(std::nextafter(std::nextafter(x, 1e300), 1e300));
        return rising ? below <= p && p <= above : above <= p && p <= below;
    };
    for (double shape : {1e3, 1e5, 1e7}) {
        for (double p : {1e-100, 1e-200, 1e-300}) {
            SCOPED_TRACE(::testing::Message() << shape << " p " << p);
            const double x = BetaCDFInv(p, shape, 2 * shape);
            EXPECT_TRUE(
                brackets([&](double v) { return BetaCDF(v, shape, 2 * shape); }, x, p, true));
            const double t = StudentCDFInv(p, shape);
            EXPECT_TRUE(brackets([&](double v) { return StudentCDF(v, shape); }, t, p, true));
            const double u = StudentCCDFInv(p, shape);
            EXPECT_TRUE(brackets([&](double v) { return StudentCCDF(v, shape); }, u, p, false));
        }
    }
}

}  // namespace
