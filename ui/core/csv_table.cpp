// CSV numbers in printf's %.17g form from the correctly rounded decimal
// digits, and the table's rows from the same evaluation loop as the results
// text.
#include "ui/core/csv_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "numkern/numkern.h"
#include "ui/core/decimal_digits.h"

namespace uicore {

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
    const TDecimalDigits d = DecimalDigits(std::fabs(Value), Digits);
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

std::string_view CsvHeader(TCalcMode Mode) {
    return Mode == TCalcMode::Icdf ? "p,x(p)" : "x,PDF,CDF";
}

namespace {

// One CSV line per row of the evaluation loop, every number at full
// precision.
class TCsvRows : public TRowSink {
public:
    explicit TCsvRows(TLineOut& Out) : FOut(Out) {}
    void Row(const TCalcRow& Row) override {
        char Line[(MaxRowValues + 1) * 33];
        std::size_t Len = CsvNumber(Line, Row.Arg);
        for (std::int32_t K = 0; K < Row.Count; ++K) {
            Line[Len++] = ',';
            Len += CsvNumber(Line + Len, Row.Values[static_cast<std::size_t>(K)]);
        }
        FOut.WriteLine(std::string_view(Line, Len));
    }

private:
    TLineOut& FOut;
};

// Stops the loop after MaxRows rows or a failed write.
class TCsvLimit : public TCalcProgress {
public:
    TCsvLimit(const TLineOut& Out, std::int64_t MaxRows) : FOut(Out), FMaxRows(MaxRows) {}
    bool Continue(std::int64_t Done, std::int64_t) override {
        return Done < FMaxRows && !FOut.Failed();
    }

private:
    const TLineOut& FOut;
    std::int64_t FMaxRows;
};

}  // namespace

void WriteCsvRows(model::TProbDistribution& Distribution, TCalcMode Mode, double P, TLineOut& Out,
                  std::int64_t MaxRows) {
    if (MaxRows <= 0) return;
    const std::unique_ptr<TRowKind> Kind = ModeRows(Distribution, Mode, P);
    TCsvRows Rows(Out);
    TCsvLimit Limit(Out, MaxRows);
    ProduceRows(Distribution, *Kind, Rows, &Limit);
}

void WriteCsv(model::TProbDistribution& Distribution, TCalcMode Mode, double P, TLineOut& Out) {
    Out.WriteLine(CsvHeader(Mode));
    WriteCsvRows(Distribution, Mode, P, Out);
}

void TCalcLog::Begin(const model::TProbDistribution& Distribution, TCalcMode Mode, double P,
                     bool Clearing) {
    if (Clearing) FRecords.clear();
    TCalcRecord Record;
    Record.Type = Distribution.DistType();
    const model::TProbParameters& Params = Distribution.DistParams();
    for (std::int32_t I = 0; I < Params.Count(); ++I)
        Record.Values.push_back(Params.Items(I).Value());
    Record.Single = Distribution.CalculateSinglePoint();
    Record.LB = Distribution.LB();
    Record.UB = Distribution.UB();
    Record.NumPoints = Distribution.NumPoints();
    Record.Mode = Mode;
    Record.P = P;
    FRecords.push_back(std::move(Record));
}

void TCalcLog::End(std::int64_t Rows) {
    if (!FRecords.empty()) FRecords.back().Rows = Rows;
}

void TCalcLog::WriteCsv(TLineOut& Out) const {
    model::TProbDistribution Dist;
    const TCalcMode* LastMode = nullptr;
    for (const TCalcRecord& Record : FRecords) {
        if (Out.Failed()) return;
        if (!LastMode || *LastMode != Record.Mode) Out.WriteLine(CsvHeader(Record.Mode));
        LastMode = &Record.Mode;
        Dist.SetDistType(Record.Type);
        model::TProbParameters& Params = Dist.DistParams();
        const std::size_t Count =
            std::min<std::size_t>(Record.Values.size(), static_cast<std::size_t>(Params.Count()));
        for (std::size_t I = 0; I < Count; ++I)
            Params.Items(static_cast<std::int32_t>(I)).SetValue(Record.Values[I]);
        Dist.SetCalculateSinglePoint(Record.Single);
        Dist.SetLB(Record.LB);
        Dist.SetUB(Record.UB);
        Dist.SetNumPoints(Record.NumPoints);
        try {
            WriteCsvRows(Dist, Record.Mode, Record.P, Out, Record.Rows);
        } catch (const numkern::EOrlenException&) {
            // The calculation stopped at this row too.
        }
    }
}

}  // namespace uicore
