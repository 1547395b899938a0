// quantiva-cli end to end: golden outputs of small calculations whose
// values follow from closed forms, the listing and help, and the exit
// statuses and streams for bad input and failed calculations, both through
// cli::Run and through the built program.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "cli/cli.h"
#include "tests/cli/cli_run.h"
#include "ui/core/dist_list.h"

namespace {

using clitest::ReadAll;
using clitest::Result;
using clitest::Rule;
using clitest::RunInProcess;

// Uniform on [0, 2]: density 1/2, CDF x/2.
TEST(CliRun, GoldenRange) {
    const auto r = RunInProcess({"uniform", "a=0", "b=2", "--range", "0", "1", "4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "Uniform distribution\n"
              "a= 0.0000\n"
              "b= 2.0000\n"
              "Calculating PDF and CDF\n"
              "x\t\tPDF(x)\t\tCDF(x)\n" +
                  Rule +
                  "\n"
                  "0.0000\t\t0.5000\t\t0.0000\n"
                  "0.2500\t\t0.5000\t\t0.1250\n"
                  "0.5000\t\t0.5000\t\t0.2500\n"
                  "0.7500\t\t0.5000\t\t0.3750\n" +
                  Rule + "\n");
}

TEST(CliRun, GoldenCsv) {
    const auto r = RunInProcess({"uniform", "a=0", "b=2", "--range", "0", "1", "4", "--csv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "x,PDF,CDF\n0,0.5,0\n0.25,0.5,0.125\n0.5,0.5,0.25\n0.75,0.5,0.375\n");
    // 0.1 needs all 17 digits to come back as the same double.
    const auto tenth = RunInProcess({"uniform", "a=0", "b=1", "--at", "0.1", "--csv"});
    EXPECT_EQ(tenth.out, "x,PDF,CDF\n0.10000000000000001,1,0.10000000000000001\n");
}

// Exponential with lambda 4: x(p) = -4 ln(1 - p); Inf at p = 1, NaN above.
TEST(CliRun, GoldenInverse) {
    const auto single = RunInProcess({"uniform", "a=0", "b=4", "--p", "0.25", "--decimals", "2"});
    EXPECT_EQ(single.status, 0);
    EXPECT_EQ(single.out, "Uniform distribution\na= 0.00\nb= 4.00\nCalculating x(p)\np\t\tx(p)\n" +
                              Rule + "\n0.25\t\t1.00\n" + Rule + "\n");
    const auto csv =
        RunInProcess({"exponential", "lambda=4", "--icdf", "--range", "0", "1.5", "3", "--csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "p,x(p)\n0,0\n0.5,2.7725887222397811\n1,Inf\n");
    const auto text =
        RunInProcess({"exponential", "lambda=4", "--icdf", "--range", "0.75", "1.5", "3"});
    EXPECT_NE(text.out.find("\n1.0000\t\tINF\n1.2500\t\tNAN\n"), std::string::npos) << text.out;
}

TEST(CliRun, ListShowsEveryDistributionAndParameter) {
    const auto r = RunInProcess({"--list"});
    EXPECT_EQ(r.status, 0);
    for (const char* fragment :
         {" 0  Beta", "\"Beta\"", "25  Weibull", "\"Student(T)\"", "\"Exponential\"",
          "4  ChiSquared", "\"Chi-Squared\"", "24  Uniform (discrete)", "0=<x<=1", "lambda>0",
          "-2.1", "integer", "b<>0"})
        EXPECT_NE(r.out.find(fragment), std::string::npos) << fragment;
    for (int i = 0; i < model::DistTypeCount; ++i) {
        char heading[64];
        std::snprintf(heading, sizeof heading, "\n%2d  %s ", i, uicore::DistListEntries[i]);
        EXPECT_NE(r.out.find(heading), std::string::npos) << heading;
    }
    EXPECT_EQ(r.out.find(" \n"), std::string::npos) << "trailing blank";
}

TEST(CliRun, HelpExplainsEveryOption) {
    const auto r = RunInProcess({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--icdf", "--at X", "--p P", "--range LB UB N", "--decimals D",
                               "--csv", "--list", "--help", "NAME=VALUE", "Examples:"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST(CliRun, BadInputWritesOnlyToStderr) {
    const struct {
        std::vector<const char*> args;
        const char* message;
    } cases[] = {
        {{"nosuch"}, "unknown distribution 'nosuch'"},
        {{"normal", "q=1"}, "unknown parameter 'q' for Normal; valid are x, mu, sigma"},
        {{"binomial", "n=2.5"}, "n: '2.5' is not a valid integer value"},
        {{"normal", "--decimals", "40"}, "--decimals must be 2 to 16, not 40"},
        {{}, "no distribution given"},
    };
    for (const auto& c : cases) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int status = cli::Run({c.args.begin(), c.args.end()}, out, err);
        EXPECT_EQ(status, 2) << c.message;
        EXPECT_EQ(ReadAll(out), "") << c.message;
        const std::string text = ReadAll(err);
        EXPECT_EQ(text.rfind(std::string("quantiva-cli: ") + c.message, 0), 0u) << text;
        EXPECT_EQ(text.back(), '\n');
    }
}

#ifdef QUANTIVA_CLI_PATH
// The built program: exit statuses and streams as a shell sees them.
Result RunProgram(const std::string& args) {
    char outName[] = "/tmp/qcli_outXXXXXX";
    char errName[] = "/tmp/qcli_errXXXXXX";
    const int outFd = mkstemp(outName);
    const int errFd = mkstemp(errName);
    const std::string command =
        std::string(QUANTIVA_CLI_PATH) + " " + args + " >" + outName + " 2>" + errName;
    const int raw = std::system(command.c_str());
    Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(fdopen(outFd, "r")),
             ReadAll(fdopen(errFd, "r"))};
    std::remove(outName);
    std::remove(errName);
    return r;
}

TEST(CliProgram, ExitStatuses) {
    const struct {
        const char* args;
        int status;
        bool out, err;
    } cases[] = {
        {"normal --at 0", 0, true, false},
        {"--help", 0, true, false},
        {"--list", 0, true, false},
        {"", 2, false, true},
        {"normal --range 0 1", 2, false, true},
        {"'Chi-Squared' nu=x", 2, false, true},
        {"normal --at 1 --icdf", 2, false, true},
    };
    for (const auto& c : cases) {
        const auto r = RunProgram(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(!r.out.empty(), c.out) << c.args;
        EXPECT_EQ(!r.err.empty(), c.err) << c.args;
    }
}

// Output that cannot be written is a failure, not a silent success.
TEST(CliProgram, FailedWriteExitsWithOne) {
    const std::string command =
        std::string(QUANTIVA_CLI_PATH) + " normal --at 0 >/dev/full 2>/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
}

TEST(CliProgram, SameTextAsRun) {
    const auto program = RunProgram("normal mu=1 sigma=2 --range -5 5 20 --decimals 6");
    const auto inProcess =
        RunInProcess({"normal", "mu=1", "sigma=2", "--range", "-5", "5", "20", "--decimals", "6"});
    EXPECT_EQ(program.status, 0);
    EXPECT_EQ(program.out, inProcess.out);
    EXPECT_EQ(program.out.substr(0, 20), "Normal distribution\n");
}
#endif

}  // namespace
