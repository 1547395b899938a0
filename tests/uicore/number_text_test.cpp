// Number text: the fixed format F(v, d), the real and integer parse rules
// with their messages, and the error-box full stop.
#include "ui/core/number_text.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using uicore::EConvertError;
using uicore::FixedText;
using uicore::ParseInteger;
using uicore::ParseReal;

struct FixedCase {
    double value;
    int d;
    const char* text;
};

// The worked examples of the number-text table.
const FixedCase kTableExamples[] = {
    {0.123456, 4, "0.1235"},   {0.00004, 4, "0.0000"},      {0.00006, 4, "0.0001"},
    {-0.00004, 4, "0.0000"},   {0.0, 4, "0.0000"},          {-0.5, 4, "-0.5000"},
    {1.23456, 4, "1.2350"},    {123.456, 4, "123.5000"},    {99.99999, 4, "100.0000"},
    {12345.678, 4, "1.235E0004"}, {10000, 4, "1E0004"},     {9999.6, 4, "1E0004"},
    {1234567, 6, "1.23457E6"}, {123, 2, "1.2E02"},
};

// Further cases worked by hand from the rules: 18-digit expansion, keep
// min(d, E + d) digits, round half up, scientific once E > d.
const FixedCase kDerived[] = {
    // Special values and zeros.
    {std::numeric_limits<double>::quiet_NaN(), 4, "NAN"},
    {-std::numeric_limits<double>::quiet_NaN(), 4, "NAN"},
    {INFINITY, 4, "INF"},
    {-INFINITY, 4, "-INF"},
    {-0.0, 4, "0.0000"},
    {-0.0, 2, "0.00"},
    {5e-324, 4, "0.0000"},
    {-5e-324, 16, "0.0000000000000000"},
    // d from 2 to 16.
    {1.0 / 3.0, 2, "0.33"},
    {1.0 / 3.0, 3, "0.333"},
    {1.0 / 3.0, 8, "0.33333333"},
    {1.0 / 3.0, 16, "0.3333333333333333"},  // 3.33333333333333315e-01
    {0.1, 16, "0.1000000000000000"},        // 1.00000000000000006e-01
    {0.123456789012345678, 16, "0.1234567890123457"},
    {2.0 / 3.0, 5, "0.66667"},
    {-2.0 / 3.0, 12, "-0.666666666667"},
    // Small values: at most d decimals, rounding into the last place.
    {0.005, 2, "0.01"},  // k = 0 with D1 = 5
    {0.0049, 2, "0.00"},
    {0.000123456, 6, "0.000123"},
    {0.0001236, 6, "0.000124"},
    {-0.00006, 4, "-0.0001"},
    {0.00005, 4, "0.0001"},  // 5.00000000000000024e-05
    {0.0000499999, 4, "0.0000"},
    {0.000041, 4, "0.0000"},
    {5e-17, 16, "0.0000000000000000"},  // 4.99999999999999990e-17
    {6e-17, 16, "0.0000000000000001"},
    // Carries.
    {0.99995, 4, "1.0000"},
    {0.99994, 4, "0.9999"},
    {1.99999, 2, "2.00"},
    {-99.99999, 4, "-100.0000"},
    {9.9999999, 6, "10.000000"},
    // Near 10^d: fixed below, scientific at and above after rounding.
    {9999.4, 4, "9999.0000"},
    {9999.5, 4, "1E0004"},
    {99.4, 2, "99.00"},
    {99.5, 2, "1E02"},
    {999, 3, "999.000"},
    {1000, 3, "1E003"},
    {123456, 5, "1.2346E5"},
    {99999.5, 5, "1E5"},
    {1e15, 16, "1000000000000000.0000000000000000"},
    {1e16, 16, "1E16"},
    {-12345.678, 4, "-1.235E0004"},
    {1e308, 4, "1E0308"},
    {DBL_MAX, 2, "1.8E308"},
    {-DBL_MAX, 16, "-1.797693134862316E308"},
};

TEST(FixedText, TableExamples) {
    for (const auto& c : kTableExamples)
        EXPECT_EQ(FixedText(c.value, c.d), c.text) << c.value << " d=" << c.d;
}

TEST(FixedText, DerivedCases) {
    for (const auto& c : kDerived)
        EXPECT_EQ(FixedText(c.value, c.d), c.text) << c.value << " d=" << c.d;
}

TEST(FixedText, SeparatorIsAParameter) {
    const FixedCase cases[] = {
        {0.5, 4, "0,5000"}, {12345.678, 4, "1,235E0004"}, {-123.456, 4, "-123,5000"}};
    for (const auto& c : cases)
        EXPECT_EQ(FixedText(c.value, c.d, ','), c.text) << c.value;
}

// A fixed text has exactly d decimals for every d and magnitude below 10^d.
TEST(FixedText, FixedFormHasDDecimals) {
    const double values[] = {0.0, 1e-300, 0.00017, 0.5, 1.0, 3.14159, 42.0, 1234.5};
    for (int d = 2; d <= 16; ++d) {
        for (double v : values) {
            if (v >= std::pow(10.0, d)) continue;
            const std::string t = FixedText(v, d);
            const auto sep = t.find('.');
            ASSERT_NE(sep, std::string::npos) << t;
            EXPECT_EQ(t.size() - sep - 1, static_cast<std::size_t>(d)) << v << " d=" << d;
            EXPECT_EQ(t.find('E'), std::string::npos) << t;
        }
    }
}

// Decimals outside 2..18 behave like the nearer end and stay short.
TEST(FixedText, OutOfRangeDecimalsClamp) {
    const double values[] = {0.123456789, -98765.4321, 1e300, 7e-10};
    for (double v : values) {
        EXPECT_EQ(FixedText(v, -5), FixedText(v, 2));
        EXPECT_EQ(FixedText(v, 0), FixedText(v, 2));
        EXPECT_EQ(FixedText(v, INT_MAX), FixedText(v, 18));
        EXPECT_LE(FixedText(v, 1000).size(), uicore::FixedTextMax);
    }
}

struct RealCase {
    const char* text;
    double value;
};

TEST(ParseReal, Accepts) {
    const RealCase cases[] = {
        {"1.5", 1.5},     {"  1.5  ", 1.5}, {"-2", -2.0},     {"+3", 3.0},
        {"1e3", 1000.0},  {"1E-3", 0.001},  {"2.5e+2", 250.0}, {".5", 0.5},
        {"5.", 5.0},      {"-.5e1", -5.0},  {"0", 0.0},        {"007.25", 7.25},
        {"1e-400", 0.0},  {"1e-5000", 0.0}, {"0.1", 0.1},      {"123456789012345678901234", 1.2345678901234568e23},
        // Inside the extended range but beyond double: stored as infinity.
        {"1e400", INFINITY}, {"-1e400", -INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseReal(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(ParseReal("-0")));
    EXPECT_TRUE(std::signbit(ParseReal("-1e-5000")));
}

TEST(ParseReal, UsesTheGivenSeparator) {
    EXPECT_EQ(ParseReal("1,5", ','), 1.5);
    EXPECT_EQ(ParseReal("-,25e1", ','), -2.5);
    EXPECT_THROW(ParseReal("1.5", ','), EConvertError);
    EXPECT_THROW(ParseReal("1,5", '.'), EConvertError);
}

TEST(ParseReal, Rejects) {
    const char* cases[] = {"",    " ",    "-",     "+",       ".",      "e5",   "1e",
                           "1e+", "1.2.3", "abc",  "1 5",     "0x10",   "inf",  "nan",
                           "1e5000", "-1e99999999999999999999999", "1d3", "--1",
                           "1e5 x", "\t1", "1e2.5", "5-"};
    for (const char* text : cases) EXPECT_THROW(ParseReal(text), EConvertError) << "'" << text << "'";
}

TEST(ParseReal, MessageQuotesTheTextAsTyped) {
    const char* cases[] = {"abc", " x ", "", "-"};
    for (const char* text : cases) {
        try {
            ParseReal(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

struct IntCase {
    const char* text;
    std::int32_t value;
};

TEST(ParseInteger, Accepts) {
    const IntCase cases[] = {
        {"42", 42},           {"   42", 42},          {"-42", -42},     {"+7", 7},
        {"007", 7},           {"$FF", 255},           {"xff", 255},     {"Xff", 255},
        {"0x1A", 26},         {"0XFF", 255},          {"-$10", -16},    {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN}, {"$7FFFFFFF", INT_MAX}, {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN}, {"0", 0},             {"-0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseInteger, Rejects) {
    const char* cases[] = {"",     " ",     "-",          "+",         "2.5",
                           "42 ",  "1e3",   "2147483648", "-2147483649", "$",
                           "0x",   "$1FFFFFFFF", "12a",   "$G",        "99999999999999999999999",
                           "- 1",  "0x-1",  "\t5"};
    for (const char* text : cases)
        EXPECT_THROW(ParseInteger(text), EConvertError) << "'" << text << "'";
}

TEST(ParseInteger, MessageQuotesTheTextAsTyped) {
    try {
        ParseInteger("2.5");
        ADD_FAILURE() << "accepted 2.5";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'2.5' is not a valid integer value");
    }
}

TEST(ErrorBoxText, FullStopAfterCharactersSortingAfterIt) {
    const struct {
        const char* message;
        const char* text;
    } cases[] = {
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"Failed to converge!", "Failed to converge!"},  // '!' sorts before '.'
        {"ends.", "ends."},
        {"", ""},
        {"(x)", "(x)"},
        {"quote'", "quote'"},
        {"slash/", "slash/."},
        {"digit 1", "digit 1."},
        {"\xC3\xA9", "\xC3\xA9."},  // bytes above 127 sort after '.'
    };
    for (const auto& c : cases) EXPECT_EQ(uicore::ErrorBoxText(c.message), c.text) << c.message;
}

}  // namespace

namespace {

// An independent reading of the fixed-text rules on printf's 18-digit
// expansion (glibc's "%.17e" is exact and rounds ties to even), working on
// a digit string: the oracle for the randomized comparison below.
std::string ReferenceFixedText(double v, int d) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    std::string digits = "0";
    int e = 0;
    if (v != 0) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17e", std::fabs(v));
        digits = std::string(1, buf[0]) + std::string(buf + 2, 17);
        e = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    }
    const int k = std::min(d, e + d);
    if (v == 0 || k < 0) {
        digits.clear();
    } else {
        const bool up = k < 18 && digits[static_cast<std::size_t>(k)] >= '5';
        digits.resize(static_cast<std::size_t>(k));
        if (up) {
            int i = k - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits = "1";
                ++e;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) return "0." + std::string(static_cast<std::size_t>(d), '0');
    std::string text = v < 0 ? "-" : "";
    if (e > d) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        std::string exponent = std::to_string(e - 1);
        if (d <= 4 && exponent.size() < static_cast<std::size_t>(d))
            exponent.insert(0, static_cast<std::size_t>(d) - exponent.size(), '0');
        return text + "E" + exponent;
    }
    // Digit i of the value 0.D1D2... x 10^e sits at decimal place e - 1 - i.
    auto digitAt = [&](int place) {  // place 0 = units, -1 = tenths, ...
        const int i = e - 1 - place;
        return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)] : '0';
    };
    if (e <= 0) text += "0";
    for (int place = e - 1; place >= 0; --place) text += digitAt(place);
    text += ".";
    for (int place = -1; place >= -d; --place) text += digitAt(place);
    return text;
}

TEST(FixedText, AgreesWithAnIndependentReadingOfTheRules) {
    std::mt19937_64 rng(20240611);
    std::vector<double> values;
    // Any bit pattern: every exponent, subnormals included.
    for (int i = 0; i < 100000; ++i) values.push_back(std::bit_cast<double>(rng()));
    // The magnitudes results usually have.
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 100000; ++i) values.push_back(unit(rng) * std::pow(10.0, static_cast<int>(rng() % 24) - 6));
    // Powers of ten and their neighbours, where the exponent changes.
    for (int p = -12; p <= 20; ++p) {
        const double t = std::pow(10.0, p);
        values.insert(values.end(), {t, std::nextafter(t, 0.0), std::nextafter(t, INFINITY), -t});
    }
    // Exact 19-digit ties (j / 2^19 in [0.1, 1)): the expansion rounds them to even.
    for (int j = 52429; j < 524288; j += 97) values.push_back(j / 524288.0);
    for (const double v : values) {
        for (const int d : {2, 4, 6, 10, 16}) {
            ASSERT_EQ(FixedText(v, d), ReferenceFixedText(v, d)) << std::hexfloat << v << " d=" << d;
        }
    }
}

}  // namespace
