// Both tails of the regularised incomplete beta function for the laws built
// on it (beta, Student's t, F, binomial, negative binomial), their common
// density prefix and the inverse in either tail. Internal to distrium.
#pragma once

#include "distrium/internal.h"

namespace distrium::detail {

// I_x(a, b), or 1 - I_x(a, b) when Upper, with y = 1 - x passed on its own:
// a caller that knows y exactly (the binomial's p, a Student tail) keeps the
// digits that forming 1 - x would lose in either tail.
double IncBeta(double x, double y, double a, double b, bool Upper);

// ln Gamma(z) - ((z - 1/2) ln z - z + ln sqrt(2 pi)) for a real z > 0.
ext StirlingDelta(ext z);

// The incomplete beta function for fixed shapes, with the shape-only parts
// of its prefix worked out once (an inverse evaluates it many times).
class IncBetaKernel {
public:
    IncBetaKernel(double a, double b);

    // x^a y^b / B(a, b), in Loader's saddle-point form: nothing of the size
    // of the shapes cancels, so it keeps its digits at any shape.
    ext Prefix(ext x, ext y) const;

    // I_x(a, b) or, when Upper, its complement; Prefix(x, y) is left in
    // *prefix when asked for. NaN when the fraction does not settle.
    ext Tail(ext x, ext y, bool Upper, ext* prefix = nullptr) const;

    double A() const { return a_; }
    double B() const { return b_; }

private:
    // The deviances whose sum the prefix takes the exponential of.
    ext Deviances(ext x, ext y) const;
    ext Fraction(ext x, ext y, double a, double b, ext lambda) const;

    double a_;
    double b_;
    ext sum_;
    ext lnScale_;
};

// Shapes from which, and the deviance (the sum of the prefix's) up to which,
// the tails come from Temme's expansion: next to the mean of large shapes,
// where the fraction would take hundreds or thousands of steps.
inline constexpr double BetaTemmeMinShape = 1000;
inline constexpr ext BetaTemmeMaxDeviance = 32;

// I_x(a, b), or its complement when Upper, by that expansion: deviance and
// prefix as the kernel forms them, above telling whether x lies above the
// mean a / (a + b).
ext BetaTemmeTail(double a, double b, ext deviance, ext prefix, bool above, bool Upper);

// A point x in (0, 1) with its complement y kept to full relative precision.
struct BetaPoint {
    ext x;
    ext y;
};

// The x with I_x(a, b) = p, where q = 1 - p is passed on its own like y
// above: Halley's method on ln I in the logarithm of the smaller of x and
// y, inside a bracket, from the start (startX, startY) when it is inside
// (0, 1) and from Majumder and Bhattacharjee's start (AS 109) otherwise.
// Both p and q are in (0, 1); never raises.
BetaPoint IncBetaInv(ext p, ext q, double a, double b, BetaPoint start = {0, 0});

}  // namespace distrium::detail
