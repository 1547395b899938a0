// Correctly rounded decimal digits. For the magnitudes that results usually
// have, N = m * 2^e2 * 10^s (v = m * 2^e2, s = N - E) is computed exactly
// in 128-bit integers and rounded half to even: m < 2^53 and 10^s <= 10^22
// keep the product below 2^127. That is several times faster than the
// general conversion, which serves every other magnitude.
#include "ui/core/decimal_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace uicore {

namespace {

__extension__ using u128 = unsigned __int128;

constexpr auto Pow10 = [] {
    std::array<u128, 23> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

bool DigitsByIntegers(double Magnitude, int N, TDecimalDigits& r) {
    const auto bits = std::bit_cast<std::uint64_t>(Magnitude);
    if ((bits >> 52) == 0) return false;  // subnormal: no implicit bit
    const std::uint64_t m = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    const int e2 = static_cast<int>(bits >> 52) - 1075;
    const auto low = static_cast<std::uint64_t>(Pow10[static_cast<std::size_t>(N - 1)]);
    const auto high = static_cast<std::uint64_t>(Pow10[static_cast<std::size_t>(N)]);
    // floor(log10(2^(e2 + 52))) + 1 is E or one less; the loop corrects it.
    int e10 = (((e2 + 52) * 78913) >> 18) + 1;
    for (int tries = 0; tries < 3; ++tries) {
        const int s = N - e10;
        if (s < 0 || s >= static_cast<int>(Pow10.size()) || -e2 >= 128) return false;
        u128 n = static_cast<u128>(m) * Pow10[static_cast<std::size_t>(s)];
        if (e2 >= 0) {
            n <<= e2;  // below 10^N, since |v| < 10^E
        } else {
            const int k = -e2;
            const u128 q = n >> k;
            const u128 rem = n - (q << k);
            const u128 half = static_cast<u128>(1) << (k - 1);
            n = q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
        }
        if (n >= high) {
            ++e10;
        } else if (n < low) {
            --e10;
        } else {
            std::to_chars(r.D, r.D + N, static_cast<std::uint64_t>(n));
            r.E = e10;
            return true;
        }
    }
    return false;
}

}  // namespace

TDecimalDigits DecimalDigits(double Magnitude, int N) {
    TDecimalDigits r{};
    if (DigitsByIntegers(Magnitude, N, r)) return r;
    // d.ddd...e[+-]x with N - 1 digits after the point.
    char buf[48];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, Magnitude, std::chars_format::scientific, N - 1);
    r.D[0] = buf[0];
    if (N > 1) std::memcpy(r.D + 1, buf + 2, static_cast<std::size_t>(N - 1));
    const char* sign = static_cast<const char*>(std::memchr(buf, 'e', sizeof buf)) + 1;
    int exp10 = 0;
    std::from_chars(sign + 1, res.ptr, exp10);
    r.E = (*sign == '-' ? -exp10 : exp10) + 1;
    return r;
}

}  // namespace uicore
