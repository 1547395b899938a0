// The one evaluation loop behind every output of a calculation: it owns the
// arguments (the point x or the probability p, or the points of a range),
// keeps the model's point x as the user set it, tells the progress hook
// after every row of a range and stops on its cancel. Each row (the
// argument and the values at it) goes to a row sink: the results text, the
// chart's points and the CSV table are formatters over the same rows. A new
// kind of row (an upper tail, an interval, a summary) is one more TRowKind
// and needs no loop of its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/prob_distribution.h"

namespace uicore {

enum class TCalcMode : std::uint8_t { PdfCdf, Icdf };

// Told after every row of a range; answering false cancels the calculation
// after that row, unless it was the last.
class TCalcProgress {
public:
    virtual ~TCalcProgress() = default;
    virtual bool Continue(std::int64_t Done, std::int64_t Total) = 0;
};

struct TCalcOutcome {
    bool Cancelled = false;
    std::int64_t Rows = 0;  // result rows written
};

inline constexpr std::int32_t MaxRowValues = 2;

// One row: the argument and the values computed at it.
struct TCalcRow {
    double Arg = 0.0;  // the point x, or the probability p of the inverse
    std::array<double, MaxRowValues> Values{};
    std::int32_t Count = 0;  // values used
};

// What one kind of row computes at an argument, and the names its columns
// carry in the results text and in the CSV table.
class TRowKind {
public:
    virtual ~TRowKind() = default;
    virtual std::string_view Title() const = 0;        // "Calculating PDF and CDF"
    virtual std::string_view TextColumns() const = 0;  // "x\t\tPDF(x)\t\tCDF(x)"
    virtual std::string_view CsvColumns() const = 0;   // "x,PDF,CDF"
    // The argument of a single-point calculation.
    virtual double SingleArg() const = 0;
    // Fills Row's values at Row.Arg; library exceptions pass through.
    virtual void Evaluate(TCalcRow& Row) const = 0;
};

// A formatter: takes the rows in order.
class TRowSink {
public:
    virtual ~TRowSink() = default;
    virtual void Row(const TCalcRow& Row) = 0;
};

// PDF and CDF at x (PDF+CDF mode), or x(p) at P (ICDF mode).
std::unique_ptr<TRowKind> ModeRows(model::TProbDistribution& Distribution, TCalcMode Mode,
                                   double P);

// The rows of the model's calculation: one at the kind's own argument in
// single-point mode, else one per point of the range LB..UB with NumPoints
// points. The point x is the user's again when it returns, also by an
// exception or a cancel.
TCalcOutcome ProduceRows(model::TProbDistribution& Distribution, const TRowKind& Kind,
                         TRowSink& Sink, TCalcProgress* Progress = nullptr);

}  // namespace uicore
