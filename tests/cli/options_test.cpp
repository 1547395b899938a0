// quantiva-cli's command line: distribution names, options and their
// conflicts, and how a request configures the model and the core.
#include <bit>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/support/recording_sinks.h"
#include "ui/core/number_text.h"

namespace {

using cli::TAction;
using cli::TCliError;
using model::TDistType;

std::vector<std::string_view> Args(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

TEST(FindDistType, ListEntriesLooselyWritten) {
    const struct {
        const char* name;
        TDistType type;
    } cases[] = {
        {"normal", TDistType::distNORMAL},
        {"NORMAL", TDistType::distNORMAL},
        {"chisquared", TDistType::distCHISQUARE},
        {"Chi-Squared", TDistType::distCHISQUARE},
        {"uniformdiscrete", TDistType::distUNIFORMD},
        {"Uniform (discrete)", TDistType::distUNIFORMD},
        {"uniform", TDistType::distUNIFORM},
        {"negativebinomial", TDistType::distNEGBINOM},
        {"negative-binomial", TDistType::distNEGBINOM},
        {"boseeinstein", TDistType::distBOSEEINSTEIN},
        {"hypergeometric", TDistType::distHYPGEOMETRIC},
        {"lognormal", TDistType::distLOGNORMAL},
        {"logweibull", TDistType::distLOGWEIBULL},
        {"fisher", TDistType::distF},
        {"student", TDistType::distSTUDENT},
        {"0", TDistType::distBETA},
        {"17", TDistType::distNORMAL},
        {"25", TDistType::distWEIBULL},
        {"07", TDistType::distFERMIDIRAC},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::FindDistType(c.name), c.type) << c.name;
}

TEST(FindDistType, UnknownNamesListTheValidOnes) {
    for (const char* name :
         {"", "26", "-1", "norm", "gauss", "1e1", "999999999999999999999", "---"}) {
        try {
            cli::FindDistType(name);
            ADD_FAILURE() << "accepted '" << name << "'";
        } catch (const TCliError& e) {
            const std::string msg = e.what();
            EXPECT_NE(msg.find("'" + std::string(name) + "'"), std::string::npos) << msg;
            EXPECT_NE(msg.find("Beta"), std::string::npos);
            EXPECT_NE(msg.find("Uniform (discrete)"), std::string::npos);
            EXPECT_NE(msg.find("Weibull"), std::string::npos);
        }
    }
}

TEST(ParseArguments, DefaultsAreTheWindowsStart) {
    const auto r = cli::ParseArguments(Args({"normal"}));
    EXPECT_EQ(r.Action, TAction::Calculate);
    EXPECT_EQ(r.Type, TDistType::distNORMAL);
    EXPECT_FALSE(r.Icdf);
    EXPECT_FALSE(r.Single);
    EXPECT_EQ(r.LB, 0.0);
    EXPECT_EQ(r.UB, 1.0);
    EXPECT_EQ(r.NumPoints, 50);
    EXPECT_EQ(r.Decimals, 4);
    EXPECT_FALSE(r.Csv);
    EXPECT_TRUE(r.Assignments.empty());
}

TEST(ParseArguments, OptionsAndAssignments) {
    const auto r = cli::ParseArguments(Args({"normal", "mu=-1", "sigma=2.5", "--range", "-5", "5",
                                             "1000000", "--decimals", "8", "--csv"}));
    EXPECT_EQ(r.LB, -5.0);
    EXPECT_EQ(r.UB, 5.0);
    EXPECT_EQ(r.NumPoints, 1000000);
    EXPECT_EQ(r.Decimals, 8);
    EXPECT_TRUE(r.Csv);
    ASSERT_EQ(r.Assignments.size(), 2u);
    EXPECT_EQ(r.Assignments[0], (std::pair<std::string, std::string>{"mu", "-1"}));
    EXPECT_EQ(r.Assignments[1], (std::pair<std::string, std::string>{"sigma", "2.5"}));

    const auto at = cli::ParseArguments(Args({"--at", "-0.5", "beta"}));
    EXPECT_TRUE(at.Single);
    EXPECT_TRUE(at.HasX);
    EXPECT_EQ(at.X, -0.5);

    const auto p = cli::ParseArguments(Args({"gamma", "--p", " 0.95"}));
    EXPECT_TRUE(p.Single);
    EXPECT_TRUE(p.Icdf);
    EXPECT_EQ(p.PText, " 0.95");

    const auto icdfRange = cli::ParseArguments(Args({"gamma", "--icdf"}));
    EXPECT_TRUE(icdfRange.Icdf);
    EXPECT_FALSE(icdfRange.Single);

    EXPECT_EQ(cli::ParseArguments(Args({"normal", "--help", "--bogus"})).Action, TAction::Help);
    EXPECT_EQ(cli::ParseArguments(Args({"--version", "--bogus"})).Action, TAction::Version);
    EXPECT_EQ(cli::ParseArguments(Args({"--list"})).Action, TAction::List);
}

TEST(ParseArguments, BadInputIsRejectedWithAMessage) {
    const struct {
        std::vector<std::string_view> args;
        const char* fragment;
    } cases[] = {
        {Args({}), "no distribution"},
        {Args({"--csv"}), "no distribution"},
        {Args({"nosuch"}), "unknown distribution 'nosuch'"},
        {Args({"normal", "--bogus"}), "unknown option '--bogus'"},
        {Args({"-x"}), "unknown option '-x'"},
        {Args({"normal", "extra"}), "unexpected argument 'extra'"},
        {Args({"normal", "=5"}), "unexpected argument '=5'"},
        {Args({"normal", "--at"}), "--at needs a value"},
        {Args({"normal", "--range", "0", "1"}), "--range needs a value"},
        {Args({"normal", "--at", "abc"}), "'abc' is not a valid floating point value"},
        {Args({"normal", "--p", "-"}), "'-' is not a valid floating point value"},
        {Args({"normal", "--range", "0", "1", "2.5"}), "'2.5' is not a valid integer value"},
        {Args({"normal", "--range", "0", "1e5000", "5"}),
         "'1e5000' is not a valid floating point value"},
        {Args({"normal", "--decimals", "1"}), "--decimals must be 2 to 16"},
        {Args({"normal", "--decimals", "17"}), "--decimals must be 2 to 16"},
        {Args({"normal", "--decimals", "4.5"}), "'4.5' is not a valid integer value"},
        {Args({"normal", "--at", "1", "--range", "0", "1", "5"}), "exclude each other"},
        {Args({"normal", "--at", "1", "--p", "0.5"}), "exclude each other"},
        {Args({"normal", "--icdf", "--at", "1"}), "an inverse takes --p"},
    };
    for (const auto& c : cases) {
        try {
            cli::ParseArguments(c.args);
            ADD_FAILURE() << "accepted: " << c.fragment;
        } catch (const TCliError& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
        }
    }
}

struct Configured {
    testsupport::TNullSinks sinks;
    model::TProbDistribution dist;
    uicore::TQuantivaCore core{dist, sinks, sinks};
    explicit Configured(std::initializer_list<const char*> args) {
        cli::Configure(cli::ParseArguments(Args(args)), dist, core);
    }
};

TEST(Configure, SetsTypeParametersAndRange) {
    Configured c(
        {"binomial", "N=12", "P=0.25", "x=3.5", "--range", "2", "-2", "0", "--decimals", "6"});
    EXPECT_EQ(c.dist.DistType(), TDistType::distBINOM);
    EXPECT_EQ(c.dist.DistParams().Items(0).Value(), 3.5);
    EXPECT_EQ(c.dist.DistParams().Items(1).Value(), 12.0);
    EXPECT_EQ(c.dist.DistParams().Items(2).Value(), 0.25);
    EXPECT_EQ(c.dist.LB(), 2.0);
    EXPECT_EQ(c.dist.UB(), -2.0);
    EXPECT_EQ(c.dist.NumPoints(), 0);
    EXPECT_EQ(c.dist.Decimals(), 6);
    EXPECT_FALSE(c.dist.CalculateSinglePoint());
    EXPECT_EQ(c.core.Mode(), uicore::TCalcMode::PdfCdf);
}

TEST(Configure, IntegerParametersTakeTheIntegerRule) {
    Configured hex({"hypergeometric", "M=$10", "K=0x3"});
    EXPECT_EQ(hex.dist.DistParams().Items(1).Value(), 16.0);
    EXPECT_EQ(hex.dist.DistParams().Items(2).Value(), 3.0);
    EXPECT_THROW(Configured({"binomial", "n=2.5"}), TCliError);
    EXPECT_THROW(Configured({"poisson", "x=1.5"}), TCliError);
    // Student's nu is an integer parameter, whatever the evaluation does with it.
    EXPECT_THROW(Configured({"student", "nu=4.5"}), TCliError);
}

TEST(Configure, SinglePointModes) {
    Configured at({"normal", "--at", "1.5"});
    EXPECT_TRUE(at.dist.CalculateSinglePoint());
    EXPECT_EQ(at.dist.DistParams().Items(0).Value(), 1.5);
    EXPECT_EQ(at.core.Mode(), uicore::TCalcMode::PdfCdf);

    Configured p({"normal", "--p", "0.975"});
    EXPECT_TRUE(p.dist.CalculateSinglePoint());
    EXPECT_EQ(p.core.Mode(), uicore::TCalcMode::Icdf);
    EXPECT_EQ(p.core.PValue(), 0.975);

    Configured icdf({"normal", "--icdf", "--range", "0.1", "0.9", "8"});
    EXPECT_FALSE(icdf.dist.CalculateSinglePoint());
    EXPECT_EQ(icdf.core.Mode(), uicore::TCalcMode::Icdf);
    EXPECT_EQ(icdf.core.PValue(), 0.0);
}

TEST(Configure, UnknownParameterListsTheValidNames) {
    try {
        Configured({"normal", "lambda=2"});
        ADD_FAILURE() << "lambda accepted for Normal";
    } catch (const TCliError& e) {
        EXPECT_STREQ(e.what(), "unknown parameter 'lambda' for Normal; valid are x, mu, sigma");
    }
    try {
        Configured({"normal", "sigma=wide"});
        ADD_FAILURE() << "sigma=wide accepted";
    } catch (const TCliError& e) {
        EXPECT_STREQ(e.what(), "sigma: 'wide' is not a valid floating point value");
    }
}

}  // namespace

namespace {

// The CSV numbers against the standard library's "%.17g" conversion.
TEST(CsvNumber, WritesWhatPrintfG17Writes) {
    std::mt19937_64 rng(17);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.1,
                                  1e-5,
                                  1e-4,
                                  9.9999999999999991e-5,
                                  1e16,
                                  1e17,
                                  9.9999999999999998e16,
                                  123456789012345678.0,
                                  5e-324,
                                  1.7976931348623157e308};
    for (int i = 0; i < 200000; ++i) values.push_back(std::bit_cast<double>(rng()));
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i)
        values.push_back(unit(rng) * std::pow(10.0, static_cast<int>(rng() % 30) - 8));
    for (const double v : values) {
        if (std::isnan(v) || std::isinf(v)) continue;
        char got[32], want[32];
        const std::string_view g(got, uicore::CsvNumber(got, v));
        const std::string_view w(
            want,
            static_cast<std::size_t>(
                std::to_chars(want, want + 32, v, std::chars_format::general, 17).ptr - want));
        ASSERT_EQ(g, w) << std::hexfloat << v;
    }
}

TEST(CsvNumber, SpecialValues) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), "NaN"}, {INFINITY, "Inf"}, {-INFINITY, "-Inf"}};
    for (const auto& c : cases) {
        char text[32];
        EXPECT_EQ(std::string_view(text, uicore::CsvNumber(text, c.value)), c.text);
    }
}

}  // namespace
