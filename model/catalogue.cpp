// The distribution model's state and its catalogue: for each of the 26
// types the caption and the parameters (name, kind, valid-range text,
// default) that SetupParameters rebuilds, x always first. Captions and range
// texts are shown to the user exactly as they stand here; every default
// gives a valid law.
#include <array>

#include "model/prob_distribution.h"

namespace model {

namespace {

constexpr auto R = TProbParamType::ptReal;
constexpr auto I = TProbParamType::ptInteger;

struct TParamEntry {
    const char* Name;
    TProbParamType Kind;
    double Default;
    const char* Range;
};

constexpr int MaxParams = 4;

struct TDistEntry {
    const char* Caption;
    TParamEntry Params[MaxParams];  // the unused tail has no name
};

// Indexed by TDistType ordinal.
constexpr std::array<TDistEntry, DistTypeCount> Catalogue = {{
    {"Beta", {{"x", R, 0.3, "0=<x<=1"}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
    {"Binomial", {{"x", R, 2.5, ""}, {"n", I, 6, "n>0"}, {"p", R, 0.56, "0<=p<=1"}}},
    {"Bose-Einstein", {{"x", R, 2.5, ""}, {"mu", R, 1, ""}, {"s", R, 0.1, "s>0"}}},
    {"Cauchy", {{"x", R, 2.5, ""}, {"m", R, 3.2, ""}, {"b", R, 0.9, "b>0"}}},
    {"Chi-Squared", {{"x", R, 2.5, ""}, {"nu", I, 4, "nu>0"}}},
    {"Exponential", {{"x", R, 2.5, ""}, {"lambda", R, 4.3, "lambda>0"}}},
    {"Fisher(F)", {{"x", R, 2.5, ""}, {"nu1", I, 3, "nu1>1"}, {"nu2", I, 4, "nu2>1"}}},
    {"Fermi-Dirac", {{"x", R, 2.5, ""}, {"mu", R, 1, ""}, {"s", R, 0.1, "s>0"}}},
    {"Gamma", {{"x", R, 2.5, ""}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
    {"Geometric", {{"x", R, 2.5, ""}, {"p", R, 0.4, "0<p<1"}}},
    {"Hypergeometric",
     {{"x", R, 2.5, ""}, {"M", I, 20, "M>=0"}, {"K", I, 7, "0<=K<=M"}, {"N", I, 12, "0<=N<=M"}}},
    {"Laplace", {{"x", R, 2.5, ""}, {"m", R, 1, ""}, {"b", R, 0.3, "b>0"}}},
    {"Logistic", {{"x", R, 2.5, ""}, {"m", R, 1, ""}, {"b", R, 0.3, "b>0"}}},
    {"Log-normal", {{"x", R, 2.5, "x>0"}, {"mu", R, 1, ""}, {"sigma", R, 0.2, "sigma>0"}}},
    {"Log-Weibull", {{"x", R, 2.5, "x>0"}, {"a", R, 1, ""}, {"b", R, 0.2, "b<>0"}}},
    {"Maxwell", {{"x", R, 1.5, "x>0"}, {"a", R, 0.4, "a>0"}}},
    {"Negative binomial", {{"x", R, 2.5, ""}, {"R", I, 4, "R>=1"}, {"p", R, 0.7, "0<=p<=1"}}},
    {"Normal", {{"x", R, 2.5, ""}, {"mu", R, 0, ""}, {"sigma", R, 1, "sigma>0"}}},
    {"Pareto", {{"x", R, 2.5, "x>=b"}, {"a", R, 3, "a>0"}, {"b", R, 1, "b>0"}}},
    {"Poisson", {{"x", I, 4, ""}, {"lambda", R, 2.3, "lambda>0"}}},
    {"Rayleigh", {{"x", R, 2.5, "x>=0"}, {"b", R, 0.9, "b>0"}}},
    {"Student(T)", {{"x", R, 2.5, ""}, {"nu", I, 4, "nu>=1"}}},
    {"Triangular",
     {{"x", R, 2.5, ""}, {"a", R, 1.2, "a<=c"}, {"b", R, 5.2, "b>a"}, {"c", R, 3, "c<=b"}}},
    {"Uniform", {{"x", R, 2.5, ""}, {"a", R, -2.1, ""}, {"b", R, 3.5, "b>a"}}},
    {"Uniform (discrete)", {{"x", R, 2.5, ""}, {"N", I, 5, "N>0"}}},
    {"Weibull", {{"x", R, 2.5, ""}, {"a", R, 1, "a>0"}, {"b", R, 0.2, "b>0"}}},
}};

}  // namespace

TProbDistribution::TProbDistribution() : FDistParams(*this) { SetupParameters(); }

void TProbDistribution::SetDistType(TDistType AType) {
    if (AType == FDistType) return;
    FDistType = AType;
    SetupParameters();
}

void TProbDistribution::SetupParameters() {
    FDistParams.Clear();
    const auto ordinal = static_cast<std::size_t>(FDistType);
    // A type outside the enumeration (a cast from a bad byte) gets no
    // parameters rather than a read past the table.
    if (ordinal >= Catalogue.size()) {
        FCaption.clear();
        return;
    }
    const TDistEntry& entry = Catalogue[ordinal];
    FCaption = entry.Caption;
    for (const TParamEntry& p : entry.Params)
        if (p.Name) FDistParams.AddParameter(p.Name, p.Kind, p.Range, p.Default);
}

}  // namespace model
