// The results as a CSV table at full precision: a header row, then one row
// per point with every number at 17 significant digits (NaN, Inf, -Inf).
// The command line writes the configured calculation; the window keeps a
// record of each calculation in its results pane and writes them again,
// recomputed from the settings they ran with, so the table holds the exact
// doubles behind the rounded text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/core/calc_core.h"
#include "ui/core/calc_rows.h"

namespace uicore {

// Where the table's lines go; a failed write stops the table early.
class TLineOut {
public:
    virtual ~TLineOut() = default;
    virtual void WriteLine(std::string_view Line) = 0;
    virtual bool Failed() const = 0;
};

// A CSV number: what printf's "%.17g" writes (17 significant digits, no
// trailing zeros), and NaN, Inf, -Inf. Out holds at least 32 chars.
std::size_t CsvNumber(char* Out, double Value);

// The header row of a mode: "x,PDF,CDF" or "p,x(p)".
std::string_view CsvHeader(TCalcMode Mode);

// The rows of the configured calculation (no header), at most MaxRows of
// them, through the one evaluation loop. Library exceptions pass through.
void WriteCsvRows(model::TProbDistribution& Distribution, TCalcMode Mode, double P, TLineOut& Out,
                  std::int64_t MaxRows = std::numeric_limits<std::int64_t>::max());

// The header row, then the rows.
void WriteCsv(model::TProbDistribution& Distribution, TCalcMode Mode, double P, TLineOut& Out);

// One calculation as it was asked: enough to compute its rows again.
struct TCalcRecord {
    model::TDistType Type = model::TDistType::distBETA;
    std::vector<double> Values;  // every parameter, x first
    bool Single = false;
    double LB = 0.0;
    double UB = 1.0;
    std::int32_t NumPoints = 0;
    TCalcMode Mode = TCalcMode::PdfCdf;
    double P = 0.0;
    std::int64_t Rows = std::numeric_limits<std::int64_t>::max();  // rows it wrote
};

// The calculations whose rows stand in the results pane, in order.
class TCalcLog {
public:
    // Before a calculation; Clearing when it clears the pane first.
    void Begin(const model::TProbDistribution& Distribution, TCalcMode Mode, double P,
               bool Clearing);
    // After it, with the rows it wrote (fewer when cancelled).
    void End(std::int64_t Rows);
    void Clear() { FRecords.clear(); }
    const std::vector<TCalcRecord>& Records() const { return FRecords; }

    // Every calculation's rows, a header row before each change of mode.
    // A calculation that failed part-way ("Failed to converge!") fails
    // again at the same row when computed again: its rows end there, as in
    // the pane.
    void WriteCsv(TLineOut& Out) const;

private:
    std::vector<TCalcRecord> FRecords;
};

}  // namespace uicore
