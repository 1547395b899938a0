// quantiva-cli's output: a buffered line writer, the results text through
// the window's calculation core, the CSV table at full precision, and Run,
// which turns a command line into output and an exit status.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "cli/cli.h"
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

std::size_t CsvNumber(char* Out, double Value) {
    if (std::isnan(Value)) return std::strlen(std::strcpy(Out, "NaN"));
    if (std::isinf(Value)) return std::strlen(std::strcpy(Out, Value > 0 ? "Inf" : "-Inf"));
    char* p = Out;
    if (std::signbit(Value)) *p++ = '-';
    if (Value == 0) {
        *p++ = '0';
        return static_cast<std::size_t>(p - Out);
    }
    constexpr int Digits = 17;
    const uicore::TDecimalDigits d = uicore::DecimalDigits(std::fabs(Value), Digits);
    int n = Digits;
    while (n > 1 && d.D[n - 1] == '0') --n;
    const int x = d.E - 1;  // the scientific exponent
    if (x < -4 || x >= Digits) {
        *p++ = d.D[0];
        if (n > 1) {
            *p++ = '.';
            p = std::copy(d.D + 1, d.D + n, p);
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        const int ax = x < 0 ? -x : x;
        if (ax < 10) *p++ = '0';
        return static_cast<std::size_t>(std::to_chars(p, p + 4, ax).ptr - Out);
    }
    if (x < 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -x - 1, '0');
        return static_cast<std::size_t>(std::copy(d.D, d.D + n, p) - Out);
    }
    const int whole = x + 1;
    p = std::copy(d.D, d.D + std::min(n, whole), p);
    p = std::fill_n(p, std::max(0, whole - n), '0');
    if (n > whole) {
        *p++ = '.';
        p = std::copy(d.D + whole, d.D + n, p);
    }
    return static_cast<std::size_t>(p - Out);
}

namespace {

// One CSV line per row, every number at full precision.
class TCsvRows : public uicore::TRowSink {
public:
    explicit TCsvRows(TLineWriter& Out) : FOut(Out) {}
    void Row(const uicore::TCalcRow& Row) override {
        char Line[(uicore::MaxRowValues + 1) * 33];
        std::size_t Len = CsvNumber(Line, Row.Arg);
        for (std::int32_t K = 0; K < Row.Count; ++K) {
            Line[Len++] = ',';
            Len += CsvNumber(Line + Len, Row.Values[static_cast<std::size_t>(K)]);
        }
        FOut.WriteLine(std::string_view(Line, Len));
    }

private:
    TLineWriter& FOut;
};

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

void WriteCsv(uicore::TQuantivaCore& Core, TLineWriter& Out, uicore::TCalcProgress* Progress) {
    const std::unique_ptr<uicore::TRowKind> Kind = Core.RowKind();
    Out.WriteLine(Kind->CsvColumns());
    TCsvRows Rows(Out);
    uicore::ProduceRows(Core.Distribution(), *Kind, Rows, Progress);
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
            WriteCsv(core, writer, &sinks);
        } else {
            core.Calculate(&sinks);
        }
    } catch (const std::exception& e) {  // "Failed to converge!", or out of memory
        writer.Flush();                     // the rows before the failure stay
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
