// quantiva-cli: the calculator without a display. The command line is
// parsed into a request, the request configures the model and the window's
// calculation core, and the core's results text (or a CSV table at full
// precision) streams to an output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"

namespace cli {

// Bad input on the command line; the program exits with status 2.
class TCliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TAction : std::uint8_t { Help, List, Calculate };

struct TCliRequest {
    TAction Action = TAction::Calculate;
    model::TDistType Type = model::TDistType::distBETA;
    std::vector<std::pair<std::string, std::string>> Assignments;  // NAME=VALUE
    bool Icdf = false;
    bool Single = false;
    double X = 0.0;         // --at
    bool HasX = false;
    std::string PText;      // --p, as typed: it answers the ICDF dialog
    double LB = 0.0;        // --range, defaults as the window starts
    double UB = 1.0;
    std::int32_t NumPoints = 50;
    std::int32_t Decimals = 4;
    bool Csv = false;
};

// The list entry (case-insensitive; blanks, hyphens and parentheses may be
// left out) or the index 0..25; TCliError naming the valid ones otherwise.
model::TDistType FindDistType(std::string_view Name);

// Everything after the program name. Numbers are checked here with the
// system's own parse rules, so that bad input is reported before any output.
TCliRequest ParseArguments(const std::vector<std::string_view>& Args);

// Sets type, parameters, decimals, range or point and mode. Raises TCliError
// or uicore::EConvertError for an unknown parameter or a bad value.
void Configure(const TCliRequest& Request, model::TProbDistribution& Distribution,
               uicore::TQuantivaCore& Core);

std::string HelpText();
std::string ListText();

// Buffered writing of lines to a stream; remembers a failed write.
class TLineWriter {
public:
    explicit TLineWriter(std::FILE* Stream) : FStream(Stream) {}
    TLineWriter(const TLineWriter&) = delete;
    TLineWriter& operator=(const TLineWriter&) = delete;
    ~TLineWriter() { Flush(); }

    void WriteLine(std::string_view Line);
    void Flush();
    bool Failed() const { return FFailed; }

private:
    std::FILE* FStream;
    std::size_t FLength = 0;
    bool FFailed = false;
    char FBuffer[1 << 16];
};

// A CSV number: what printf's "%.17g" writes (17 significant digits, no
// trailing zeros), and NaN, Inf, -Inf. Out holds at least 32 chars.
std::size_t CsvNumber(char* Out, double Value);

// The rows of the configured calculation as CSV: a header row, then one row
// per point with every number at 17 significant digits (NaN, Inf, -Inf).
// Progress answering false (a failed write) stops it early; library
// exceptions pass through.
void WriteCsv(uicore::TQuantivaCore& Core, TLineWriter& Out, uicore::TCalcProgress* Progress);

// Runs the request. Returns the exit status: 0 done, 1 the calculation
// failed (message on Err), 2 bad input (message on Err, nothing on Out).
int Run(const std::vector<std::string_view>& Args, std::FILE* Out, std::FILE* Err);

}  // namespace cli
