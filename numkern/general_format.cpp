// General number format: the shortest of fixed and scientific notation for
// a value rounded to Precision significant digits. The value is first
// expanded to 18 correctly rounded digits and that digit string is then
// rounded half up, as the x87 decimal conversion does it in two steps.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "numkern/numkern.h"

namespace numkern {

namespace {

constexpr int ExpansionDigits = 18;

// The digits d1 d2 ... (d1 non-zero, no trailing zeros) and E of
// 0.d1d2... * 10^E for a finite non-zero |X| rounded to Precision digits.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal Expand(double AbsX, int Precision) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, AbsX, std::chars_format::scientific,
                                   ExpansionDigits - 1);
    const std::string text(buf, res.ptr);  // d.ddddddddddddddddde[+-]xx
    const std::size_t e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::atoi(text.c_str() + e + 1) + 1;

    const bool roundUp = d.digits[static_cast<std::size_t>(Precision)] >= '5';
    d.digits.resize(static_cast<std::size_t>(Precision));
    if (roundUp) {
        int k = Precision - 1;
        while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9')
            d.digits[static_cast<std::size_t>(k--)] = '0';
        if (k >= 0) {
            ++d.digits[static_cast<std::size_t>(k)];
        } else {
            d.digits.insert(d.digits.begin(), '1');  // carry out of the first digit
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

std::string Scientific(const Decimal& d, int Digits, char DecimalSeparator) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += DecimalSeparator + d.digits.substr(1);
    s += 'E';
    const int e = d.exponent - 1;
    if (e < 0) s += '-';
    std::string magnitude = std::to_string(std::abs(e));
    if (static_cast<int>(magnitude.size()) < Digits)
        magnitude.insert(0, static_cast<std::size_t>(Digits) - magnitude.size(), '0');
    return s + magnitude;
}

std::string Fixed(const Decimal& d, char DecimalSeparator) {
    if (d.exponent <= 0)
        return std::string("0") + DecimalSeparator +
               std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    const auto intDigits = static_cast<std::size_t>(d.exponent);
    std::string s = d.digits.substr(0, intDigits);
    s.append(intDigits - s.size(), '0');
    if (d.digits.size() > intDigits) s += DecimalSeparator + d.digits.substr(intDigits);
    return s;
}

}  // namespace

std::string FloatToGeneralStr(double X, std::int32_t Digits, std::int32_t Precision,
                              char DecimalSeparator) {
    const bool negative = std::bit_cast<std::uint64_t>(X) >> 63 != 0;
    const std::string sign = negative ? "-" : "";
    if (IsNaN(X)) return sign + "NAN";
    if (IsInf(X)) return sign + "INF";
    if (X == 0) return "0";

    Precision = std::clamp(Precision, 2, ExpansionDigits);
    if (Digits > 4) Digits = 0;
    const Decimal d = Expand(negative ? -X : X, Precision);
    if (d.exponent > Precision || d.exponent < -3)
        return sign + Scientific(d, Digits, DecimalSeparator);
    return sign + Fixed(d, DecimalSeparator);
}

}  // namespace numkern
