// The model's catalogue, parameter collection and type changes: every type's
// caption and parameters against the catalogue table, the collection's index
// error, AsInteger's rounding, and which settings a rebuild keeps.
#include <cfloat>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "model/prob_distribution.h"

namespace {

using model::TDistType;
using model::TProbDistribution;
using model::TProbParamType;

constexpr auto R = TProbParamType::ptReal;
constexpr auto I = TProbParamType::ptInteger;

struct Param {
    const char* name;
    TProbParamType kind;
    double value;
    const char* range;
};

struct Entry {
    TDistType type;
    const char* caption;
    std::vector<Param> params;
};

// The catalogue table, typed in from the product's parameter list (captions
// and range texts as the program shows them).
const std::vector<Entry>& Table() {
    static const std::vector<Entry> table = {
        {TDistType::distBETA,
         "Beta",
         {{"x", R, 0.3, "0=<x<=1"}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
        {TDistType::distBINOM,
         "Binomial",
         {{"x", R, 2.5, ""}, {"n", I, 6, "n>0"}, {"p", R, 0.56, "0<=p<=1"}}},
        {TDistType::distBOSEEINSTEIN,
         "Bose-Einstein",
         {{"x", R, 2.5, ""}, {"mu", R, 1, ""}, {"s", R, 0.1, "s>0"}}},
        {TDistType::distCAUCHY,
         "Cauchy",
         {{"x", R, 2.5, ""}, {"m", R, 3.2, ""}, {"b", R, 0.9, "b>0"}}},
        {TDistType::distCHISQUARE, "Chi-Squared", {{"x", R, 2.5, ""}, {"nu", I, 4, "nu>0"}}},
        {TDistType::distEXP, "Exponential", {{"x", R, 2.5, ""}, {"lambda", R, 4.3, "lambda>0"}}},
        {TDistType::distF,
         "Fisher(F)",
         {{"x", R, 2.5, ""}, {"nu1", I, 3, "nu1>1"}, {"nu2", I, 4, "nu2>1"}}},
        {TDistType::distFERMIDIRAC,
         "Fermi-Dirac",
         {{"x", R, 2.5, ""}, {"mu", R, 1, ""}, {"s", R, 0.1, "s>0"}}},
        {TDistType::distGAMMA,
         "Gamma",
         {{"x", R, 2.5, ""}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
        {TDistType::distGEOMETRIC, "Geometric", {{"x", R, 2.5, ""}, {"p", R, 0.4, "0<p<1"}}},
        {TDistType::distHYPGEOMETRIC,
         "Hypergeometric",
         {{"x", R, 2.5, ""},
          {"M", I, 20, "M>=0"},
          {"K", I, 7, "0<=K<=M"},
          {"N", I, 12, "0<=N<=M"}}},
        {TDistType::distLAPLACE,
         "Laplace",
         {{"x", R, 2.5, ""}, {"m", R, 1, ""}, {"b", R, 0.3, "b>0"}}},
        {TDistType::distLOGISTIC,
         "Logistic",
         {{"x", R, 2.5, ""}, {"m", R, 1, ""}, {"b", R, 0.3, "b>0"}}},
        {TDistType::distLOGNORMAL,
         "Log-normal",
         {{"x", R, 2.5, "x>0"}, {"mu", R, 1, ""}, {"sigma", R, 0.2, "sigma>0"}}},
        {TDistType::distLOGWEIBULL,
         "Log-Weibull",
         {{"x", R, 2.5, "x>0"}, {"a", R, 1, ""}, {"b", R, 0.2, "b<>0"}}},
        {TDistType::distMAXWELL, "Maxwell", {{"x", R, 1.5, "x>0"}, {"a", R, 0.4, "a>0"}}},
        {TDistType::distNEGBINOM,
         "Negative binomial",
         {{"x", R, 2.5, ""}, {"R", I, 4, "R>=1"}, {"p", R, 0.7, "0<=p<=1"}}},
        {TDistType::distNORMAL,
         "Normal",
         {{"x", R, 2.5, ""}, {"mu", R, 0, ""}, {"sigma", R, 1, "sigma>0"}}},
        {TDistType::distPARETO,
         "Pareto",
         {{"x", R, 2.5, "x>=b"}, {"a", R, 3, "a>0"}, {"b", R, 1, "b>0"}}},
        {TDistType::distPOISSON, "Poisson", {{"x", I, 4, ""}, {"lambda", R, 2.3, "lambda>0"}}},
        {TDistType::distRAYLEIGH, "Rayleigh", {{"x", R, 2.5, "x>=0"}, {"b", R, 0.9, "b>0"}}},
        {TDistType::distSTUDENT, "Student(T)", {{"x", R, 2.5, ""}, {"nu", I, 4, "nu>=1"}}},
        {TDistType::distTRIANGULAR,
         "Triangular",
         {{"x", R, 2.5, ""}, {"a", R, 1.2, "a<=c"}, {"b", R, 5.2, "b>a"}, {"c", R, 3, "c<=b"}}},
        {TDistType::distUNIFORM,
         "Uniform",
         {{"x", R, 2.5, ""}, {"a", R, -2.1, ""}, {"b", R, 3.5, "b>a"}}},
        {TDistType::distUNIFORMD, "Uniform (discrete)", {{"x", R, 2.5, ""}, {"N", I, 5, "N>0"}}},
        {TDistType::distWEIBULL,
         "Weibull",
         {{"x", R, 2.5, ""}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
    };
    return table;
}

void ExpectCatalogueEntry(const TProbDistribution& dist, const Entry& e) {
    EXPECT_EQ(dist.Caption(), e.caption);
    const auto& params = dist.DistParams();
    ASSERT_EQ(params.Count(), static_cast<std::int32_t>(e.params.size())) << e.caption;
    for (std::int32_t i = 0; i < params.Count(); ++i) {
        const auto& got = params.Items(i);
        const Param& want = e.params[static_cast<std::size_t>(i)];
        EXPECT_EQ(got.Name(), want.name) << e.caption << " #" << i;
        EXPECT_EQ(got.ParamType(), want.kind) << e.caption << " " << want.name;
        EXPECT_EQ(got.Value(), want.value) << e.caption << " " << want.name;
        EXPECT_EQ(got.ValidRange(), want.range) << e.caption << " " << want.name;
        EXPECT_EQ(&got.Collection(), &params);
    }
}

TEST(Catalogue, TableCoversEveryTypeInOrdinalOrder) {
    ASSERT_EQ(Table().size(), static_cast<std::size_t>(model::DistTypeCount));
    for (std::size_t i = 0; i < Table().size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(Table()[i].type), i);
}

TEST(Catalogue, EveryTypeFromANewDistribution) {
    for (const Entry& e : Table()) {
        TProbDistribution dist;
        dist.SetDistType(e.type);
        EXPECT_EQ(dist.DistType(), e.type);
        ExpectCatalogueEntry(dist, e);
    }
}

// One distribution walked through every type in turn, then backwards: each
// rebuild leaves exactly the new type's parameters.
TEST(Catalogue, EveryTypeAfterAnother) {
    TProbDistribution dist;
    for (const Entry& e : Table()) {
        dist.SetDistType(e.type);
        ExpectCatalogueEntry(dist, e);
    }
    for (auto it = Table().rbegin(); it != Table().rend(); ++it) {
        dist.SetDistType(it->type);
        ExpectCatalogueEntry(dist, *it);
    }
}

TEST(Distribution, ConstructorState) {
    const TProbDistribution dist;
    EXPECT_EQ(dist.DistType(), TDistType::distBETA);
    ExpectCatalogueEntry(dist, Table()[0]);
    EXPECT_EQ(dist.Decimals(), 8);
    EXPECT_TRUE(dist.CalculateSinglePoint());
    EXPECT_EQ(dist.NumPoints(), 0);
    EXPECT_EQ(dist.LB(), 0.0);
    EXPECT_EQ(dist.UB(), 0.0);
    EXPECT_EQ(&dist.DistParams().Owner(), &dist);
}

TEST(Distribution, SameTypeKeepsEditedValues) {
    TProbDistribution dist;
    dist.SetDistType(TDistType::distNORMAL);
    dist.DistParams().Items(0).SetValue(-7.25);
    dist.DistParams().Items(2).SetValue(3.5);
    dist.SetCaption("edited");
    dist.SetDistType(TDistType::distNORMAL);
    EXPECT_EQ(dist.DistParams().Items(0).Value(), -7.25);
    EXPECT_EQ(dist.DistParams().Items(2).Value(), 3.5);
    EXPECT_EQ(dist.Caption(), "edited");
}

TEST(Distribution, OtherTypeAndBackRestoresDefaults) {
    TProbDistribution dist;
    dist.DistParams().Items(0).SetValue(0.9);
    dist.DistParams().Items(1).SetValue(42);
    dist.SetCaption("edited");
    dist.SetDistType(TDistType::distPOISSON);
    dist.SetDistType(TDistType::distBETA);
    ExpectCatalogueEntry(dist, Table()[0]);
}

// Every type's defaults give a proper law at its default point: finite
// values, not a density and a CDF that are 0 everywhere.
TEST(Catalogue, DefaultsGiveAValidLaw) {
    TProbDistribution dist;
    for (const Entry& e : Table()) {
        dist.SetDistType(e.type);
        const double pdf = dist.PDF();
        const double cdf = dist.CDF();
        EXPECT_TRUE(std::isfinite(pdf) && pdf >= 0) << e.caption << " PDF " << pdf;
        // Bose-Einstein and Fermi-Dirac have a density only.
        const bool densityOnly =
            e.type == TDistType::distBOSEEINSTEIN || e.type == TDistType::distFERMIDIRAC;
        if (densityOnly) continue;
        EXPECT_TRUE(cdf >= 0 && cdf <= 1) << e.caption << " CDF " << cdf;
        EXPECT_TRUE(pdf > 0 || (cdf > 0 && cdf < 1)) << e.caption;
        EXPECT_TRUE(std::isfinite(dist.ICDF(0.5))) << e.caption;
    }
}

TEST(Distribution, SettingsSurviveTypeChanges) {
    TProbDistribution dist;
    dist.SetDecimals(-3);
    dist.SetNumPoints(-12);
    dist.SetLB(5.0);
    dist.SetUB(-5.0);
    dist.SetCalculateSinglePoint(false);
    for (const Entry& e : Table()) {
        dist.SetDistType(e.type);
        EXPECT_EQ(dist.Decimals(), -3);
        EXPECT_EQ(dist.NumPoints(), -12);
        EXPECT_EQ(dist.LB(), 5.0);
        EXPECT_EQ(dist.UB(), -5.0);
        EXPECT_FALSE(dist.CalculateSinglePoint());
    }
}

TEST(Parameter, SettersStoreWithoutChecks) {
    TProbDistribution dist;
    dist.SetDistType(TDistType::distBINOM);
    auto& n = dist.DistParams().Items(1);
    auto& p = dist.DistParams().Items(2);
    p.SetValue(1.5);  // outside "0<=p<=1"
    n.SetValue(6.5);  // an integer parameter keeps its fraction
    EXPECT_EQ(p.Value(), 1.5);
    EXPECT_EQ(n.Value(), 6.5);
    n.SetName("renamed");
    n.SetValidRange("");
    n.SetParamType(R);
    EXPECT_EQ(n.Name(), "renamed");
    EXPECT_EQ(n.ValidRange(), "");
    EXPECT_EQ(n.ParamType(), R);
}

TEST(Parameters, AddParameterAppendsInOrder) {
    TProbDistribution dist;
    auto& params = dist.DistParams();
    params.Clear();
    EXPECT_EQ(params.Count(), 0);
    auto& first = params.AddParameter("q", I, "q>2", 7);
    auto& second = params.AddParameter("r", R, "", -0.5);
    ASSERT_EQ(params.Count(), 2);
    EXPECT_EQ(&params.Items(0), &first);
    EXPECT_EQ(&params.Items(1), &second);
    EXPECT_EQ(first.Name(), "q");
    EXPECT_EQ(first.ParamType(), I);
    EXPECT_EQ(first.ValidRange(), "q>2");
    EXPECT_EQ(first.Value(), 7.0);
    EXPECT_EQ(second.Value(), -0.5);
    // Earlier items stay where they are while later ones are added.
    for (int i = 0; i < 100; ++i) params.AddParameter("z", R, "", i);
    EXPECT_EQ(&params.Items(0), &first);
}

TEST(Parameters, IndexOutsideTheListRaises) {
    TProbDistribution dist;  // Beta: three items
    const struct {
        std::int32_t index;
        const char* message;
    } cases[] = {
        {3, "List index out of bounds (3)"},
        {-1, "List index out of bounds (-1)"},
        {INT_MAX, "List index out of bounds (2147483647)"},
        {INT_MIN, "List index out of bounds (-2147483648)"},
    };
    for (const auto& c : cases) {
        try {
            dist.DistParams().Items(c.index);
            ADD_FAILURE() << "no error for " << c.index;
        } catch (const model::EListError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    dist.DistParams().Clear();
    EXPECT_THROW(dist.DistParams().Items(0), model::EListError);
}

// A value beyond the enumeration is not a type; the rebuild leaves an empty
// list rather than reading past the catalogue.
TEST(Distribution, UnknownTypeGetsNoParameters) {
    TProbDistribution dist;
    dist.SetDistType(static_cast<TDistType>(200));
    EXPECT_EQ(dist.DistParams().Count(), 0);
    EXPECT_EQ(dist.Caption(), "");
    dist.SetDistType(TDistType::distBETA);
    ExpectCatalogueEntry(dist, Table()[0]);
}

TEST(Parameter, AsIntegerRoundsHalvesToEven) {
    const struct {
        double value;
        std::int32_t want;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999, 2},
        {6, 6},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {0.49999999999999994, 0},
        {2.5000000000000004, 3},
        {-0.0, 0},
        {2147483647.0, INT_MAX},
        {-2147483648.0, INT_MIN},
        // Beyond 32 bits: the low 32 bits of the 64-bit rounding.
        {2147483648.0, INT_MIN},
        {4294967296.0, 0},
        {4294967297.5, 2},
        {-4294967295.0, 1},
        {1e15 + 0.5, static_cast<std::int32_t>(static_cast<std::uint32_t>(1000000000000000ULL))},
        {9007199254740993.0,
         static_cast<std::int32_t>(static_cast<std::uint32_t>(9007199254740992ULL))},
        // Beyond 64 bits, NaN and infinities: the hardware's integer
        // indefinite 0x8000000000000000, whose low 32 bits are 0.
        {9223372036854775808.0, 0},
        {-9223372036854777856.0, 0},
        {1e300, 0},
        {-1e300, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {INFINITY, 0},
        {-INFINITY, 0},
        // The most negative 64-bit value itself converts exactly.
        {-9223372036854775808.0, 0},
        {-9223372036854774784.0, static_cast<std::int32_t>(static_cast<std::uint32_t>(0x400ULL))},
    };
    TProbDistribution dist;
    auto& item = dist.DistParams().Items(1);
    for (const auto& c : cases) {
        item.SetValue(c.value);
        EXPECT_EQ(item.AsInteger(), c.want) << c.value;
    }
}

}  // namespace
