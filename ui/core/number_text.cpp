// Number text: the fixed format F(v, d) of the results and the annotation,
// the parsing of typed reals and integers, and the error-box text.
//
// F rounds |v| correctly to d decimals, ties to even as printf's "%.*f"
// does: v = m 2^e2 exactly, so round(|v| 10^d) is m 10^d shifted right by
// -e2 with the bits shifted out deciding, all in 128-bit integers (m < 2^53
// and 10^d <= 10^18 keep the product below 2^113). Beyond 15 integer
// digits the scientific form with d decimals in its mantissa takes over.
// It formats into a caller's buffer because a range of a million rows
// calls it three times per row.
#include "ui/core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "ui/core/decimal_digits.h"

namespace uicore {

namespace {

__extension__ using u128 = unsigned __int128;

constexpr int MaxDecimals = MaxDecimalDigits - 1;  // the mantissa's first digit and d more
constexpr int MaxFixedIntegerDigits = 15;

constexpr auto Pow10 = [] {
    std::array<u128, MaxFixedIntegerDigits + MaxDecimals + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// 10^-d, to within a unit in the last place.
constexpr auto NegativePow10 = [] {
    std::array<double, MaxDecimals + 1> p{};
    double v = 1.0;
    for (double& e : p) {
        e = v;
        v /= 10;
    }
    return p;
}();

// round(Magnitude 10^d), ties to even, for a finite Magnitude below 1e15.
u128 ScaledToDecimals(double Magnitude, int d) {
    const auto bits = std::bit_cast<std::uint64_t>(Magnitude);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);
    const std::uint64_t m = biased == 0 ? fraction : fraction | (1ull << 52);
    const int shift = 1075 - std::max(biased, 1);  // Magnitude = m 2^-shift, shift > 0 below 2^52
    const u128 n = static_cast<u128>(m) * Pow10[static_cast<std::size_t>(d)];
    // n < 2^113: a shift beyond that leaves less than a half.
    if (shift > 113) return 0;
    const u128 q = n >> shift;
    const u128 rem = n - (q << shift);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    return q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
}

// The decimal digits of n (below 10^34) into Out; returns their count.
int WriteDigits(char* Out, u128 n) {
    constexpr std::uint64_t Split = 10000000000000000000ull;  // 10^19
    if (n < Split)
        return static_cast<int>(std::to_chars(Out, Out + 20, static_cast<std::uint64_t>(n)).ptr -
                                Out);
    const int high = WriteDigits(Out, n / Split);
    auto low = static_cast<std::uint64_t>(n % Split);
    for (int i = high + 18; i >= high; --i, low /= 10) Out[i] = static_cast<char>('0' + low % 10);
    return high + 19;
}

char* Fill(char* p, char c, int n) {
    for (int i = 0; i < n; ++i) *p++ = c;
    return p;
}

char* WriteZero(char* p, int d, char Sep) {
    *p++ = '0';
    *p++ = Sep;
    return Fill(p, '0', d);
}

// Scaled = round(|v| 10^d) as the integer part, the separator and d decimals.
char* WriteFixed(char* p, u128 Scaled, int d, char Sep) {
    char digits[40];
    const int n = WriteDigits(digits, Scaled);
    if (n <= d) {
        p = WriteZero(p, d - n, Sep);
        return std::copy(digits, digits + n, p);
    }
    p = std::copy(digits, digits + n - d, p);
    *p++ = Sep;
    return std::copy(digits + n - d, digits + n, p);
}

// D1, the separator and d more digits, "E" and the exponent, zero-filled to
// d digits when d is 4 or less.
char* WriteScientific(char* p, double Magnitude, int d, char Sep) {
    const TDecimalDigits r = DecimalDigits(Magnitude, d + 1);
    *p++ = r.D[0];
    *p++ = Sep;
    p = std::copy(r.D + 1, r.D + d + 1, p);
    *p++ = 'E';
    char exp[8];
    const auto res = std::to_chars(exp, exp + sizeof exp, r.E - 1);
    const int len = static_cast<int>(res.ptr - exp);
    if (d <= 4) p = Fill(p, '0', d - len);
    return std::copy(exp, res.ptr, p);
}

[[noreturn]] void ConvertError(std::string_view Text, const char* Kind) {
    std::string msg;
    msg.reserve(Text.size() + 48);
    msg += '\'';
    msg += Text;
    msg += "' is not a valid ";
    msg += Kind;
    msg += " value";
    throw EConvertError(msg);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::size_t FixedTextTo(char* Out, double Value, std::int32_t Decimals, char DecimalSeparator) {
    char* p = Out;
    if (std::isnan(Value)) {
        std::memcpy(p, "NAN", 3);
        return 3;
    }
    const bool negative = std::signbit(Value);
    if (std::isinf(Value)) {
        if (negative) *p++ = '-';
        std::memcpy(p, "INF", 3);
        return static_cast<std::size_t>(p - Out) + 3;
    }
    const int d = std::clamp<std::int32_t>(Decimals, 2, MaxDecimals);
    const double magnitude = negative ? -Value : Value;
    // Below 0.4 units of the last decimal the text is zero: no need to
    // scale (a common case in the tails of a range).
    if (magnitude < 0.4 * NegativePow10[static_cast<std::size_t>(d)])
        return static_cast<std::size_t>(WriteZero(p, d, DecimalSeparator) - Out);
    if (magnitude < ScientificFrom) {
        const u128 scaled = ScaledToDecimals(magnitude, d);
        // Zero is written without a minus sign.
        if (scaled == 0) return static_cast<std::size_t>(WriteZero(p, d, DecimalSeparator) - Out);
        if (scaled < Pow10[static_cast<std::size_t>(MaxFixedIntegerDigits + d)]) {
            if (negative) *p++ = '-';
            return static_cast<std::size_t>(WriteFixed(p, scaled, d, DecimalSeparator) - Out);
        }
    }
    if (negative) *p++ = '-';
    return static_cast<std::size_t>(WriteScientific(p, magnitude, d, DecimalSeparator) - Out);
}

std::string FixedText(double Value, std::int32_t Decimals, char DecimalSeparator) {
    char buf[FixedTextMax];
    return std::string(buf, FixedTextTo(buf, Value, Decimals, DecimalSeparator));
}

double ParseReal(std::string_view Text, char DecimalSeparator) {
    const auto first = Text.find_first_not_of(' ');
    const auto last = Text.find_last_not_of(' ');
    if (first == std::string_view::npos) ConvertError(Text, "floating point");
    const std::string_view body = Text.substr(first, last - first + 1);

    // Check the shape and copy it with '.' as separator for from_chars.
    std::string plain;
    plain.reserve(body.size());
    std::size_t i = 0;
    bool negative = false;
    if (body[i] == '+' || body[i] == '-') negative = body[i++] == '-';
    int mantissaDigits = 0;
    long long magnitude = 0;  // decimal position of the first significant digit
    bool seenSep = false, seenNonZero = false;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        if (IsDigit(c)) {
            ++mantissaDigits;
            if (c != '0') seenNonZero = true;
            if (!seenSep && seenNonZero) ++magnitude;
            if (seenSep && !seenNonZero) --magnitude;
            plain += c;
        } else if (c == DecimalSeparator && !seenSep) {
            seenSep = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) ConvertError(Text, "floating point");
    if (i < body.size()) {
        if (body[i] != 'e' && body[i] != 'E') ConvertError(Text, "floating point");
        plain += 'e';
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) plain += body[i++];
        const std::size_t expStart = i;
        while (i < body.size() && IsDigit(body[i])) plain += body[i++];
        if (i == expStart || i != body.size()) ConvertError(Text, "floating point");
    }

    long double value = 0.0L;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Out of the extended range: too large is an error, too small is 0.
        long double exp10 = 0.0L;
        if (const auto e = plain.find('e'); e != std::string::npos) {
            const char* expText = plain.data() + e + 1;
            if (*expText == '+') ++expText;
            long long parsed = 0;
            const auto er = std::from_chars(expText, plain.data() + plain.size(), parsed);
            // An exponent beyond long long is far outside either bound.
            exp10 = er.ec == std::errc() ? static_cast<long double>(parsed)
                                         : (*expText == '-' ? -1e30L : 1e30L);
        }
        if (seenNonZero && exp10 + static_cast<long double>(magnitude) > 0.0L)
            ConvertError(Text, "floating point");
        value = 0.0L;
    } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
        ConvertError(Text, "floating point");
    }
    return static_cast<double>(negative ? -value : value);
}

std::int32_t ParseInteger(std::string_view Text) {
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ') ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';

    int base = 10;
    if (i < Text.size() && (Text[i] == '$' || Text[i] == 'x' || Text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < Text.size() && Text[i] == '0' &&
               (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // Decimal text must lie in the signed range; hexadecimal text may use
    // all 32 bits, read as a two's-complement pattern.
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    const std::size_t start = i;
    for (; i < Text.size(); ++i) {
        const int digit = base == 16 ? HexDigit(Text[i]) : (IsDigit(Text[i]) ? Text[i] - '0' : -1);
        if (digit < 0) break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) ConvertError(Text, "integer");
    }
    if (i == start || i != Text.size()) ConvertError(Text, "integer");
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
    return static_cast<std::int32_t>(bits);
}

std::string ErrorBoxText(std::string_view Message) {
    std::string text(Message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

}  // namespace uicore
