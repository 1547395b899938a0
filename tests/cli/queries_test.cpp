// quantiva-cli's probability questions and summary: golden text and CSV
// outputs, and the options that exclude each other.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

#include "cli/cli.h"
#include "tests/cli/cli_run.h"

namespace {

using clitest::Rule;
using clitest::RunInProcess;

TEST(CliQueries, Goldens) {
    struct Case {
        std::initializer_list<const char*> Args;
        std::string Want;
    };
    const Case cases[] = {
        {{"normal", "--between", "-1.96", "1.96"},
         "Normal distribution\nmu= 0.0000\nsigma= 1.0000\nCalculating a probability\n" + Rule +
             "\nP(-1.9600 < X <= 1.9600) = 0.9500\n" + Rule + "\n"},
        {{"chisquared", "nu=1", "--above", "100"},
         "Chi-Squared distribution\nnu= 1\nCalculating a probability\n" + Rule +
             "\nP(X > 100.0000) = 1.5240e-23\n" + Rule + "\n"},
        {{"chisquared", "nu=1", "--above", "100", "--csv"},
         "b,P(X>b)\n100,1.5239706048321051e-23\n"},
        {{"normal", "--central", "0.95", "--decimals", "16"},
         "Normal distribution\nmu= 0.0000000000000000\nsigma= 1.0000000000000000\n"
         "Calculating the central interval\n" +
             Rule +
             "\nCentral interval holding 0.9500000000000000: -1.9599639845400540 to "
             "1.9599639845400540\n" +
             Rule + "\n"},
        {{"uniform", "a=0", "b=4", "--central", "0.5", "--csv"}, "q,lower,upper\n0.5,1,3\n"},
        {{"uniform", "a=0", "b=4", "--outside", "1", "3", "--csv"},
         "a,b,P(X<=a or X>b)\n1,3,0.5\n"},
        {{"uniform", "a=0", "b=4", "--below", "1", "--csv"}, "a,P(X<=a)\n1,0.25\n"},
        {{"uniform", "a=0", "b=4", "--upper-p", "0.25", "--csv"}, "p,x\n0.25,3\n"},
        {{"poisson", "lambda=2", "--above", "1", "--decimals", "3"},
         "Poisson distribution\nlambda= 2.000\nCalculating a probability\n" + Rule +
             "\nP(X > 1.000) = 0.594, i.e. X >= 2\n" + Rule + "\n"},
        {{"student", "nu=3", "--summary"},
         "Student(T) distribution\nnu= 3\nSummary of the law\n" + Rule +
             "\nMean = 0.0000\nVariance = 3.0000\nStandard deviation = 1.7321\n"
             "Skewness = undefined\nExcess kurtosis = infinite\nMedian = 0.0000\n"
             "Mode = 0.0000\n" +
             Rule + "\n"},
        {{"student", "nu=3", "--summary", "--csv"},
         "mean,variance,sd,skewness,excess kurtosis,median,mode\n"
         "0,3,1.7320508075688772,undefined,Inf,0,0\n"},
    };
    for (const Case& c : cases) {
        const auto r = RunInProcess(c.Args);
        EXPECT_EQ(r.status, 0) << *c.Args.begin();
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.Want);
    }
}

TEST(CliQueries, QuestionsExcludeEachOtherAndThePointOptions) {
    const std::initializer_list<const char*> bad[] = {
        {"normal", "--below", "1", "--above", "2"},
        {"normal", "--summary", "--central", "0.9"},
        {"normal", "--between", "1", "2", "--range", "0", "1", "5"},
        {"normal", "--upper-p", "0.1", "--icdf"},
        {"normal", "--between", "1"},
        {"normal", "--central", "abc"},
    };
    for (const auto& args : bad) {
        const auto r = RunInProcess(args);
        EXPECT_EQ(r.status, 2) << *(args.begin() + 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

}  // namespace
