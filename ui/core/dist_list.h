// The distribution list's own entry texts, indexed by TDistType ordinal.
// They differ from the model's captions ("ChiSquared" against "Chi-Squared").
#pragma once

#include "model/prob_distribution.h"

namespace uicore {

inline constexpr const char* DistListEntries[model::DistTypeCount] = {
    "Beta",
    "Binomial",
    "Bose-Einstein",
    "Cauchy",
    "ChiSquared",
    "Exponential",
    "Fisher",
    "Fermi-Dirac",
    "Gamma",
    "Geometric",
    "HyperGeometric",
    "Laplace",
    "Logistic",
    "Log-normal",
    "Log-Weibull",
    "Maxwell",
    "Negative Binomial",
    "Normal",
    "Pareto",
    "Poisson",
    "Rayleigh",
    "Student",
    "Triangular",
    "Uniform",
    "Uniform (discrete)",
    "Weibull",
};

}  // namespace uicore
