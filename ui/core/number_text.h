// Number text of the results and the annotation (the fixed format F with d
// decimals), parsing of typed numbers, and the error-box text rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace uicore {

// A typed text that is not a number of the required kind.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// F(v, d): "NAN", "INF", "-INF"; otherwise v correctly rounded to d
// decimals (ties to even), in fixed form while the integer part has at most
// 15 digits, beyond that as a mantissa with d decimals and "E" and the
// exponent. A value that rounds to zero has no minus sign. A d outside
// 2..18 counts as the nearer end.
std::string FixedText(double Value, std::int32_t Decimals, char DecimalSeparator = '.');

// The same text written into Out, which holds at least FixedTextMax chars;
// returns its length. For loops that write many numbers.
inline constexpr std::size_t FixedTextMax = 48;
std::size_t FixedTextTo(char* Out, double Value, std::int32_t Decimals,
                        char DecimalSeparator = '.');

// Magnitudes from here on are written in the scientific form.
inline constexpr double ScientificFrom = 1e15;

// Real: optional sign, digits with at most one separator, optional exponent,
// blanks around allowed. Raises EConvertError
// "'%s' is not a valid floating point value".
double ParseReal(std::string_view Text, char DecimalSeparator = '.');

// Integer: leading blanks, optional sign, decimal digits or hexadecimal ones
// after "$", "x", "X", "0x", "0X"; must fit 32 bits. Raises EConvertError
// "'%s' is not a valid integer value".
std::int32_t ParseInteger(std::string_view Text);

// The message with a full stop appended when its last character sorts
// after '.'.
std::string ErrorBoxText(std::string_view Message);

}  // namespace uicore
