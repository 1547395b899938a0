// Both tails of the regularised incomplete beta function for the laws built
// on it (beta, Student's t, F, binomial, negative binomial). Internal to
// distrium.
#pragma once

namespace distrium::detail {

// I_x(a, b), or 1 - I_x(a, b) when Upper, with y = 1 - x passed on its own:
// a caller that knows y exactly (the binomial's p, a Student tail) keeps the
// digits that forming 1 - x would lose in either tail.
double IncBeta(double x, double y, double a, double b, bool Upper);

}  // namespace distrium::detail
