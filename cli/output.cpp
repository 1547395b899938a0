// quantiva-cli's output: a buffered line writer, the results text through
// the window's calculation core, the CSV table at full precision, and Run,
// which turns a command line into output and an exit status.
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "numkern/numkern.h"
#include "ui/core/number_text.h"
#include "ui/core/range_steps.h"

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

// Full precision: 17 significant digits, shortest form of them.
std::size_t CsvNumber(char* Out, double Value) {
    if (std::isnan(Value)) return std::strlen(std::strcpy(Out, "NaN"));
    if (std::isinf(Value)) return std::strlen(std::strcpy(Out, Value > 0 ? "Inf" : "-Inf"));
    return static_cast<std::size_t>(
        std::to_chars(Out, Out + 32, Value, std::chars_format::general, 17).ptr - Out);
}

void CsvRow(TLineWriter& Out, std::initializer_list<double> Values) {
    char row[3 * 33];
    std::size_t len = 0;
    for (const double v : Values) {
        if (len > 0) row[len++] = ',';
        len += CsvNumber(row + len, v);
    }
    Out.WriteLine(std::string_view(row, len));
}

// The results text goes straight to the writer; the chart points are not
// needed without a display.
class TStreamSinks : public uicore::TResultsSink, public uicore::TSeriesSink,
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

void WriteCsv(const model::TProbDistribution& Distribution, uicore::TCalcMode Mode, double P,
              TLineWriter& Out) {
    const bool icdf = Mode == uicore::TCalcMode::Icdf;
    Out.WriteLine(icdf ? "p,x(p)" : "x,PDF,CDF");
    model::TProbParameter& x = Distribution.DistParams().Items(0);
    if (Distribution.CalculateSinglePoint()) {
        if (icdf) {
            CsvRow(Out, {P, Distribution.ICDF(P)});
        } else {
            const double pdf = Distribution.PDF();
            CsvRow(Out, {x.Value(), pdf, Distribution.CDF()});
        }
        return;
    }
    const uicore::TRangeSteps steps(Distribution.LB(), Distribution.UB(), Distribution.NumPoints());
    for (std::int32_t i = 0; i < steps.Count() && !Out.Failed(); ++i) {
        const double t = steps.At(i);
        if (icdf) {
            CsvRow(Out, {t, Distribution.ICDF(t)});
        } else {
            x.SetValue(t);
            const double pdf = Distribution.PDF();
            CsvRow(Out, {t, pdf, Distribution.CDF()});
        }
    }
}

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
        } else if (request.Action == TAction::List) {
            writer.WriteLine(ListText());
        } else if (request.Csv) {
            WriteCsv(distribution, core.Mode(), core.PValue(), writer);
        } else {
            core.Calculate(&sinks);
        }
    } catch (const numkern::EOrlenException& e) {
        writer.Flush();  // the rows before the failure stay
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
