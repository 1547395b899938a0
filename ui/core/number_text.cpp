// Number text: the fixed format F(v, d) of the results and the annotation,
// the parsing of typed reals and integers, and the error-box text.
//
// F expands |v| to 18 significant digits (correctly rounded), keeps d
// significant digits but at most d decimals, rounds the digit string half up and writes the fixed form, or the scientific
// form once the integer part has more than d digits. It formats into a
// caller's buffer because a range of a million rows calls it three times
// per row.
#include "ui/core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "ui/core/decimal_digits.h"

namespace uicore {

namespace {

constexpr int ExpandedDigits = MaxDecimalDigits;

// 10^-d, to within a unit in the last place.
constexpr auto NegativePow10 = [] {
    std::array<double, ExpandedDigits + 1> p{};
    double v = 1.0;
    for (double& e : p) {
        e = v;
        v /= 10;
    }
    return p;
}();

// |v| (finite, non-zero) as 0.D1..D18 x 10^E.
struct TDigits {
    char D[ExpandedDigits];
    int Count;  // digits kept
    int E;
};

TDigits Expand(double Magnitude) {
    const TDecimalDigits digits = DecimalDigits(Magnitude, ExpandedDigits);
    TDigits r;
    std::memcpy(r.D, digits.D, ExpandedDigits);
    r.E = digits.E;
    r.Count = ExpandedDigits;
    return r;
}

// Keeps k leading digits, rounding half up on digit k+1; a carry out of D1
// (or k = 0 with D1 >= 5) leaves the single digit 1 one place higher.
// Count 0 means the value rounded to zero.
void RoundTo(TDigits& r, int k) {
    if (k < 0) {
        r.Count = 0;
        return;
    }
    if (k >= ExpandedDigits) return;
    const bool up = r.D[k] >= '5';
    r.Count = k;
    if (!up) return;
    int i = k - 1;
    while (i >= 0 && r.D[i] == '9') r.D[i--] = '0';
    if (i >= 0) {
        ++r.D[i];
    } else {
        r.D[0] = '1';
        r.Count = 1;
        ++r.E;
    }
}

void DropTrailingZeros(TDigits& r) {
    while (r.Count > 0 && r.D[r.Count - 1] == '0') --r.Count;
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

char* WriteScientific(char* p, const TDigits& r, int d, char Sep) {
    *p++ = r.D[0];
    if (r.Count > 1) {
        *p++ = Sep;
        p = std::copy(r.D + 1, r.D + r.Count, p);
    }
    *p++ = 'E';
    char exp[8];
    const auto res = std::to_chars(exp, exp + sizeof exp, r.E - 1);
    const int len = static_cast<int>(res.ptr - exp);
    if (d <= 4) p = Fill(p, '0', d - len);
    return std::copy(exp, res.ptr, p);
}

char* WriteFixed(char* p, const TDigits& r, int d, char Sep) {
    int used = 0;
    if (r.E <= 0) {
        *p++ = '0';
    } else {
        used = std::min(r.E, r.Count);
        p = std::copy(r.D, r.D + used, p);
        p = Fill(p, '0', r.E - used);
    }
    *p++ = Sep;
    int frac = 0;
    if (r.E < 0) {
        p = Fill(p, '0', -r.E);
        frac = -r.E;
    }
    p = std::copy(r.D + used, r.D + r.Count, p);
    frac += r.Count - used;
    return Fill(p, '0', d - frac);
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
    // Outside the track bar's 2..16 the general formatter's own limits hold:
    // no more digits than the 18 of the expansion.
    const int d = std::clamp<std::int32_t>(Decimals, 2, ExpandedDigits);
    const double magnitude = negative ? -Value : Value;
    // Below 0.4 units of the last decimal the text is zero whatever the
    // expansion: no need to expand (a common case in the tails of a range).
    if (magnitude < 0.4 * NegativePow10[static_cast<std::size_t>(d)])
        return static_cast<std::size_t>(WriteZero(p, d, DecimalSeparator) - Out);

    TDigits r = Expand(magnitude);
    RoundTo(r, std::min(d, r.E + d));
    DropTrailingZeros(r);
    if (r.Count == 0) return static_cast<std::size_t>(WriteZero(p, d, DecimalSeparator) - Out);

    if (negative) *p++ = '-';
    p = r.E > d ? WriteScientific(p, r, d, DecimalSeparator)
                : WriteFixed(p, r, d, DecimalSeparator);
    return static_cast<std::size_t>(p - Out);
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
    } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // Decimal text must lie in the signed range; hexadecimal text may use
    // all 32 bits, read as a two's-complement pattern.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
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
