// Numeric kernel: elementary functions computed in extended precision,
// float classification by bit pattern, the kernel's constants, the general
// number format, the kernel exception, the log-gamma family and the
// floating-point start-up.
//
// "Extended" results are long double (the x87 80-bit format on x86-64);
// callers round them to double where they store them.
#pragma once

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace numkern {

// ---- Constants (exact bit patterns) ---------------------------------------

// NaN and Inf are variables: KernelStartup normalises their signs, and NaN
// starts out with its sign bit set (FFF8...) as the stored constant does.
extern double NaN;
extern double Inf;

inline constexpr double Pi = std::bit_cast<double>(0x400921FB54442D18ULL);
inline constexpr double LnPi = std::bit_cast<double>(0x3FF250D048E7A1BDULL);
inline constexpr double InvTwoPi = std::bit_cast<double>(0x3FC45F306DC9C883ULL);
inline constexpr double Sqrt2Pi = std::bit_cast<double>(0x40040D931FF62706ULL);
inline constexpr double LnSqrt2Pi = std::bit_cast<double>(0x3FED67F1C864BEB5ULL);
inline constexpr double Sqrt2 = std::bit_cast<double>(0x3FF6A09E667F3BCDULL);
inline constexpr double InvSqrt2 = std::bit_cast<double>(0x3FE6A09E667F3BCDULL);
inline constexpr double Eps = std::bit_cast<double>(0x3CB0000000000000ULL);
inline constexpr double MinDouble = std::bit_cast<double>(0x0010000000000001ULL);
inline constexpr double MaxLnGammaArg = std::bit_cast<double>(0x7F574C5DD06D2516ULL);

// x87 control word: all exceptions masked, 64-bit significand, round to nearest.
inline constexpr std::uint16_t DefaultFPUControlWord = 0x133F;

// ---- Exception --------------------------------------------------------------

// The only exception the numeric layers raise.
class EOrlenException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseOrlenError(const std::string& Msg);

// ---- Elementary functions ---------------------------------------------------

long double Sin(double X);
long double Tan(double X);
long double ArcTan(double X);
long double ArcTan2(double Y, double X);
long double Ln(double X);
long double Exp(double X);
double Min(double A, double B);
std::int32_t Sign(double X);
long double IntPower(double Base, std::int32_t Exponent);
long double Power(double Base, double Exponent);
long double ReduceAngle(double X);
std::int32_t Ceil(double X);
std::int32_t Floor(double X);

// ---- Classification ---------------------------------------------------------

bool IsNaNOrInf(double X);
bool IsNaN(double X);
bool IsInf(double X);
bool SameFloat(double A, double B);

// ---- Text -------------------------------------------------------------------

std::string FloatToGeneralStr(double X, std::int32_t Digits, std::int32_t Precision,
                              char DecimalSeparator = '.');

// ---- Gamma function family --------------------------------------------------

std::int32_t GammaSign(double X);
double ScaledGamma(double X, double Scale);
double LnGammaStirling(double X);
double LnGamma(double X);

// ---- Start-up ---------------------------------------------------------------

// Masks every floating-point exception, selects round-to-nearest with
// extended intermediates and normalises NaN and Inf. Every executable of the
// project calls it first.
void KernelStartup();

// ---- Extended arguments -----------------------------------------------------

// No rounding to double on the way in. ExpExt is 0 at -Inf and +Inf at +Inf.
long double LnExt(long double X);
long double ExpExt(long double X);

}  // namespace numkern
