// quantiva-cli's probability questions and summary as CSV: the same answers
// as the results text, every number at full precision.
#include <string>

#include "cli/cli.h"
#include "model/summary.h"

namespace cli {

namespace {

void Row(TLineWriter& Out, std::initializer_list<double> Values) {
    std::string row;
    char cell[32];
    for (const double v : Values) {
        if (!row.empty()) row += ',';
        row.append(cell, uicore::CsvNumber(cell, v));
    }
    Out.WriteLine(row);
}

std::string SummaryCell(const model::TSummaryValue& Value) {
    switch (Value.Kind) {
        case model::TSummaryKind::skValue: {
            char cell[32];
            return std::string(cell, uicore::CsvNumber(cell, Value.Value));
        }
        case model::TSummaryKind::skInfinite: return "Inf";
        case model::TSummaryKind::skUndefined: break;
    }
    return "undefined";
}

}  // namespace

void WriteQueryCsv(const model::TProbDistribution& Distribution,
                   const uicore::TProbabilityQuery& Query, TLineWriter& Out) {
    using K = uicore::TQueryKind;
    const uicore::TQueryAnswer answer = uicore::AnswerQuery(Distribution, Query);
    const double p = answer.Probability;
    switch (Query.Kind) {
        case K::Below:
            Out.WriteLine("a,P(X<=a)");
            Row(Out, {Query.A, p});
            break;
        case K::Above:
            Out.WriteLine("b,P(X>b)");
            Row(Out, {Query.B, p});
            break;
        case K::Between:
            Out.WriteLine("a,b,P(a<X<=b)");
            Row(Out, {Query.A, Query.B, p});
            break;
        case K::Outside:
            Out.WriteLine("a,b,P(X<=a or X>b)");
            Row(Out, {Query.A, Query.B, p});
            break;
        case K::Central:
            Out.WriteLine("q,lower,upper");
            Row(Out, {Query.A, answer.Lower, answer.Upper});
            break;
        case K::UpperP:
            Out.WriteLine("p,x");
            Row(Out, {Query.A, answer.Lower});
            break;
    }
}

void WriteSummaryCsv(const model::TProbDistribution& Distribution, TLineWriter& Out) {
    const model::TSummary s = model::Summarize(Distribution);
    Out.WriteLine("mean,variance,sd,skewness,excess kurtosis,median,mode");
    std::string row;
    for (const model::TSummaryValue* v :
         {&s.Mean, &s.Variance, &s.StdDev, &s.Skewness, &s.ExcessKurtosis, &s.Median, &s.Mode}) {
        if (!row.empty()) row += ',';
        row += SummaryCell(*v);
    }
    Out.WriteLine(row);
}

}  // namespace cli
