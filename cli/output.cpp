// quantiva-cli's output: a buffered line writer, the results text through
// the window's calculation core or the CSV table at full precision, and
// Run, which turns a command line into output and an exit status.
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "ui/core/csv_table.h"
#include "ui/core/decimal_digits.h"
#include "ui/core/number_text.h"

namespace cli {

void TLineWriter::WriteLine(std::string_view Line) {
    if (FFailed) return;
    if (FLength + Line.size() + 1 > sizeof FBuffer) Flush();
    if (Line.size() + 1 > sizeof FBuffer) {
        // A line longer than the buffer goes out directly.
        if (std::fwrite(Line.data(), 1, Line.size(), FStream) != Line.size()) FFailed = true;
        if (std::fputc('\n', FStream) == EOF) FFailed = true;
        return;
    }
    std::memcpy(FBuffer + FLength, Line.data(), Line.size());
    FLength += Line.size();
    FBuffer[FLength++] = '\n';
}

void TLineWriter::Flush() {
    if (FLength > 0 && !FFailed && std::fwrite(FBuffer, 1, FLength, FStream) != FLength)
        FFailed = true;
    FLength = 0;
    if (!FFailed && std::fflush(FStream) != 0) FFailed = true;
}

namespace {

// The results text goes straight to the writer; the chart points are not
// needed without a display.
class TStreamSinks : public uicore::TResultsSink,
                     public uicore::TSeriesSink,
                     public uicore::TCalcProgress {
public:
    explicit TStreamSinks(TLineWriter& Out) : FOut(Out) {}
    void AppendLine(std::string_view Line) override { FOut.WriteLine(Line); }
    void ClearLines() override {}
    void AddPoint(std::int32_t, double, double) override {}
    void ClearPoints(std::int32_t) override {}
    // A failed write (a full disk) ends the calculation early.
    bool Continue(std::int64_t, std::int64_t) override { return !FOut.Failed(); }

private:
    TLineWriter& FOut;
};

void Report(std::FILE* Err, const std::string& Message) {
    std::fprintf(Err, "quantiva-cli: %s\n", Message.c_str());
}

}  // namespace

int Run(const std::vector<std::string_view>& Args, std::FILE* Out, std::FILE* Err) {
    TLineWriter writer(Out);
    TStreamSinks sinks(writer);
    model::TProbDistribution distribution;
    uicore::TQuantivaCore core(distribution, sinks, sinks);
    TCliRequest request;
    try {
        request = ParseArguments(Args);
        if (request.Action == TAction::Calculate) Configure(request, distribution, core);
    } catch (const std::exception& e) {  // TCliError, EConvertError
        Report(Err, e.what());
        return 2;
    }
    try {
        if (request.Action == TAction::Help) {
            writer.WriteLine(HelpText());
        } else if (request.Action == TAction::Version) {
            writer.WriteLine(VersionText());
        } else if (request.Action == TAction::List) {
            writer.WriteLine(ListText());
        } else if (request.Summary) {
            if (request.Csv)
                WriteSummaryCsv(distribution, writer);
            else
                uicore::WriteSummary(sinks, distribution);
        } else if (request.HasQuery) {
            if (request.Csv)
                WriteQueryCsv(distribution, request.Query, writer);
            else
                uicore::WriteQuery(sinks, distribution, request.Query);
        } else if (request.Csv) {
            uicore::WriteCsv(distribution, core.Mode(), core.PValue(), writer);
        } else {
            core.Calculate(&sinks);
        }
    } catch (const std::exception& e) {  // "Failed to converge!", or out of memory
        writer.Flush();                  // the rows before the failure stay
        Report(Err, e.what());
        return 1;
    }
    writer.Flush();
    if (writer.Failed()) {
        Report(Err, "cannot write the output");
        return 1;
    }
    return 0;
}

}  // namespace cli
