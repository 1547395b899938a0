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
#include "ui/core/csv_table.h"
#include "ui/core/probability_query.h"

namespace cli {

// Bad input on the command line; the program exits with status 2.
class TCliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TAction : std::uint8_t { Help, Version, List, Calculate };

struct TCliRequest {
    TAction Action = TAction::Calculate;
    model::TDistType Type = model::TDistType::distBETA;
    std::vector<std::pair<std::string, std::string>> Assignments;  // NAME=VALUE
    bool Icdf = false;
    bool Single = false;
    double X = 0.0;  // --at
    bool HasX = false;
    std::string PText;  // --p, as typed: it answers the ICDF dialog
    double LB = 0.0;    // --range, defaults as the window starts
    double UB = 1.0;
    std::int32_t NumPoints = 50;
    std::int32_t Decimals = 4;
    bool Csv = false;
    bool HasQuery = false;  // --below, --above, --between, --outside, --central, --upper-p
    uicore::TProbabilityQuery Query;
    bool Summary = false;  // --summary
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
std::string VersionText();
std::string ListText();

// Buffered writing of lines to a stream; remembers a failed write.
class TLineWriter : public uicore::TLineOut {
public:
    explicit TLineWriter(std::FILE* Stream) : FStream(Stream) {}
    TLineWriter(const TLineWriter&) = delete;
    TLineWriter& operator=(const TLineWriter&) = delete;
    ~TLineWriter() override { Flush(); }

    void WriteLine(std::string_view Line) override;
    void Flush();
    bool Failed() const override { return FFailed; }

private:
    std::FILE* FStream;
    std::size_t FLength = 0;
    bool FFailed = false;
    char FBuffer[1 << 16];
};

// The answer of a probability question as CSV: a header row naming the
// numbers and one row at 17 significant digits.
void WriteQueryCsv(const model::TProbDistribution& Distribution,
                   const uicore::TProbabilityQuery& Query, TLineWriter& Out);
// The law's summary as CSV: a header row and one row, "Inf" for an
// infinite moment and "undefined" for one without a value.
void WriteSummaryCsv(const model::TProbDistribution& Distribution, TLineWriter& Out);

// Runs the request. Returns the exit status: 0 done, 1 the calculation
// failed (message on Err), 2 bad input (message on Err, nothing on Out).
int Run(const std::vector<std::string_view>& Args, std::FILE* Out, std::FILE* Err);

}  // namespace cli
