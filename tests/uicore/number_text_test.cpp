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

// Worked examples: every value correctly rounded to d decimals, the
// scientific form only beyond 15 integer digits.
const FixedCase kTableExamples[] = {
    {0.123456, 4, "0.1235"},        {0.00004, 4, "0.0000"},   {0.00006, 4, "0.0001"},
    {-0.00004, 4, "0.0000"},        {0.0, 4, "0.0000"},       {-0.5, 4, "-0.5000"},
    {1.23456, 4, "1.2346"},         {123.456, 4, "123.4560"}, {99.99999, 4, "100.0000"},
    {12345.678, 4, "12345.6780"},   {10000, 4, "10000.0000"}, {9999.6, 4, "9999.6000"},
    {1234567, 6, "1234567.000000"}, {123, 2, "123.00"},
};

// Values of 1 and more at several d: the digits that the significant-digit
// rule used to replace by zeros. x(0.1) of the standard normal,
// -1.2815515655446004, is the first row.
const FixedCase kAtLeastOne[] = {
    {-1.2815515655446004, 4, "-1.2816"},
    {-1.2815515655446004, 2, "-1.28"},
    {-1.2815515655446004, 12, "-1.281551565545"},
    {1.959964, 6, "1.959964"},
    {1000.5, 4, "1000.5000"},  // no longer 1001.0000, the row of 1001
    {1001, 4, "1001.0000"},
    {30000.5, 4, "30000.5000"},
    {30000.5, 2, "30000.50"},
    {123456.789, 3, "123456.789"},
    {-987654.321, 8, "-987654.32100000"},  // -987654.32099999999627...
    {7.0, 16, "7.0000000000000000"},
    {1.1, 16, "1.1000000000000001"},                 // 1.100000000000000088...
    {1000.1, 16, "1000.1000000000000227"},           // 1000.100000000000022737...
    {999999999999999.875, 2, "999999999999999.88"},  // a tie: to even
    {1000.125, 2, "1000.12"},                        // a tie: to even
    {1000.375, 2, "1000.38"},
    // Beyond 15 integer digits: d decimals in the mantissa.
    {1e15, 4, "1.0000E0015"},
    {1e15, 16, "1.0000000000000000E15"},
    {123456789012345678.0, 4, "1.2346E0017"},
    {-123456789012345678.0, 6, "-1.234568E17"},
    {1e308, 4, "1.0000E0308"},
};

// Further cases worked by hand from the rules.
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
    {1.0 / 3.0, 16, "0.3333333333333333"},
    {0.1, 16, "0.1000000000000000"},  // 0.1000000000000000055...
    {0.123456789012345678, 16, "0.1234567890123457"},
    {2.0 / 3.0, 5, "0.66667"},
    {-2.0 / 3.0, 12, "-0.666666666667"},
    // Small values: rounding into the last place.
    {0.005, 2, "0.01"},  // 0.005000000000000000104...
    {0.0049, 2, "0.00"},
    {0.125, 2, "0.12"},  // an exact tie goes to even
    {-0.375, 2, "-0.38"},
    {0.000123456, 6, "0.000123"},
    {0.0001236, 6, "0.000124"},
    {-0.00006, 4, "-0.0001"},
    {0.00005, 4, "0.0001"},  // 5.00000000000000024e-05
    {0.0000499999, 4, "0.0000"},
    {5e-17, 16, "0.0000000000000000"},  // 4.99999999999999990e-17
    {6e-17, 16, "0.0000000000000001"},
    // Carries.
    {0.99995, 4, "1.0000"},  // 0.99995000000000000550...
    {0.99994, 4, "0.9999"},
    {1.99999, 2, "2.00"},
    {-99.99999, 4, "-100.0000"},
    {9.9999999, 6, "10.000000"},
    {9999.5, 4, "9999.5000"},
    {99.5, 2, "99.50"},
    {DBL_MAX, 2, "1.80E308"},
    {-DBL_MAX, 16, "-1.7976931348623157E308"},
};

TEST(FixedText, TableExamples) {
    for (const auto& c : kTableExamples)
        EXPECT_EQ(FixedText(c.value, c.d), c.text) << c.value << " d=" << c.d;
}

TEST(FixedText, ValuesOfOneAndMore) {
    for (const auto& c : kAtLeastOne)
        EXPECT_EQ(FixedText(c.value, c.d), c.text) << c.value << " d=" << c.d;
}

TEST(FixedText, DerivedCases) {
    for (const auto& c : kDerived)
        EXPECT_EQ(FixedText(c.value, c.d), c.text) << c.value << " d=" << c.d;
}

TEST(FixedText, SeparatorIsAParameter) {
    const FixedCase cases[] = {{0.5, 4, "0,5000"},
                               {12345.678, 4, "12345,6780"},
                               {-123.456, 4, "-123,4560"},
                               {2e20, 4, "2,0000E0020"}};
    for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.d, ','), c.text) << c.value;
}

// A fixed text has exactly d decimals for every d and magnitude below 10^15.
TEST(FixedText, FixedFormHasDDecimals) {
    const double values[] = {0.0, 1e-300, 0.00017, 0.5, 1.0, 3.14159, 42.0, 1234.5, 9.99e14};
    for (int d = 2; d <= 16; ++d) {
        for (double v : values) {
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
        {"1.5", 1.5},
        {"  1.5  ", 1.5},
        {"-2", -2.0},
        {"+3", 3.0},
        {"1e3", 1000.0},
        {"1E-3", 0.001},
        {"2.5e+2", 250.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5e1", -5.0},
        {"0", 0.0},
        {"007.25", 7.25},
        {"1e-400", 0.0},
        {"1e-5000", 0.0},
        {"0.1", 0.1},
        {"123456789012345678901234", 1.2345678901234568e23},
        // Inside the extended range but beyond double: stored as infinity.
        {"1e400", INFINITY},
        {"-1e400", -INFINITY},
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
    const char* cases[] = {
        "",      " ",   "-",     "+",    ".",     "e5",  "1e",     "1e+",
        "1.2.3", "abc", "1 5",   "0x10", "inf",   "nan", "1e5000", "-1e99999999999999999999999",
        "1d3",   "--1", "1e5 x", "\t1",  "1e2.5", "5-"};
    for (const char* text : cases)
        EXPECT_THROW(ParseReal(text), EConvertError) << "'" << text << "'";
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
        {"42", 42},
        {"   42", 42},
        {"-42", -42},
        {"+7", 7},
        {"007", 7},
        {"$FF", 255},
        {"xff", 255},
        {"Xff", 255},
        {"0x1A", 26},
        {"0XFF", 255},
        {"-$10", -16},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$7FFFFFFF", INT_MAX},
        {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"0", 0},
        {"-0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseInteger, Rejects) {
    const char* cases[] = {
        "",    " ",          "-",          "+",           "2.5",
        "42 ", "1e3",        "2147483648", "-2147483649", "$",
        "0x",  "$1FFFFFFFF", "12a",        "$G",          "99999999999999999999999",
        "- 1", "0x-1",       "\t5"};
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

// The same rules through glibc's printf, which converts exactly and rounds
// ties to even: "%.*f" below 10^15 after rounding, "%.*e" from there on,
// its exponent rewritten. The oracle for the randomized comparison below.
std::string ReferenceFixedText(double v, int d) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", d, std::fabs(v));
    std::string text = buf;
    if (text.find('.') <= 15) {
        if (text.find_first_not_of("0.") == std::string::npos) return text;  // zero: no sign
        return (std::signbit(v) ? "-" : "") + text;
    }
    std::snprintf(buf, sizeof buf, "%.*e", d, std::fabs(v));
    text = buf;
    const std::size_t e = text.find('e');
    std::string exponent = std::to_string(std::atoi(text.c_str() + e + 1));
    if (d <= 4 && exponent.size() < static_cast<std::size_t>(d))
        exponent.insert(0, static_cast<std::size_t>(d) - exponent.size(), '0');
    return (std::signbit(v) ? "-" : "") + text.substr(0, e) + "E" + exponent;
}

TEST(FixedText, AgreesWithAnIndependentReadingOfTheRules) {
    std::mt19937_64 rng(20240611);
    std::vector<double> values;
    // Any bit pattern: every exponent, subnormals included.
    for (int i = 0; i < 100000; ++i) values.push_back(std::bit_cast<double>(rng()));
    // The magnitudes results usually have.
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 100000; ++i)
        values.push_back(unit(rng) * std::pow(10.0, static_cast<int>(rng() % 24) - 6));
    // Powers of ten and their neighbours, where the exponent changes.
    for (int p = -12; p <= 20; ++p) {
        const double t = std::pow(10.0, p);
        values.insert(values.end(), {t, std::nextafter(t, 0.0), std::nextafter(t, INFINITY), -t});
    }
    // Exact ties at d decimals (j / 2^k): to even.
    for (int j = 1; j < 524288; j += 97) values.push_back(j / 524288.0 + (j % 7) * 1000.0);
    // Around the switch to the scientific form.
    for (int k = 0; k < 40; ++k) values.push_back(1e15 - k * 0.125);
    for (const double v : values) {
        for (const int d : {2, 4, 6, 10, 16}) {
            ASSERT_EQ(FixedText(v, d), ReferenceFixedText(v, d))
                << std::hexfloat << v << " d=" << d;
        }
    }
}

}  // namespace
