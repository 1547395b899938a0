// Answers and texts of the probability questions. Bounds are written in the
// fixed text of the results; a discrete law's region is also named by the
// whole numbers it holds, since P(X <= 2.5) and P(X <= 2) are one question
// there.
#include "ui/core/probability_query.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "ui/core/decimal_digits.h"
#include "ui/core/number_text.h"
#include "ui/core/results_header.h"

namespace uicore {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

model::TRegion RegionOf(TQueryKind Kind) {
    switch (Kind) {
        case TQueryKind::Below: return model::TRegion::rgBelow;
        case TQueryKind::Above: return model::TRegion::rgAbove;
        case TQueryKind::Outside: return model::TRegion::rgOutside;
        default: return model::TRegion::rgBetween;
    }
}

// d decimals of the mantissa and a signed exponent of at least two digits.
std::string Scientific(double P, std::int32_t D, char Sep) {
    const TDecimalDigits digits = DecimalDigits(std::fabs(P), D + 1);
    std::string text = std::signbit(P) ? "-" : "";
    text += digits.D[0];
    text += Sep;
    text.append(digits.D + 1, digits.D + D + 1);
    const int e = digits.E - 1;
    text += e < 0 ? "e-" : "e+";
    if (std::abs(e) < 10) text += '0';
    return text + std::to_string(std::abs(e));
}

// A whole number as plain digits, as far as a double holds them exactly.
std::string WholeText(double K, std::int32_t D, char Sep) {
    if (std::fabs(K) >= 1e15) return FixedText(K, D, Sep);
    char buf[24];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(K)).ptr);
}

// ", i.e. X <= 2" and the like: the whole numbers in the region.
std::string WholeRegion(const TProbabilityQuery& Q, std::int32_t D, char Sep) {
    const double a = std::floor(Q.A), b = std::floor(Q.B);
    auto finite = [](double V) { return std::isfinite(V); };
    switch (Q.Kind) {
        case TQueryKind::Below: return finite(a) ? ", i.e. X <= " + WholeText(a, D, Sep) : "";
        case TQueryKind::Above: return finite(b) ? ", i.e. X >= " + WholeText(b + 1, D, Sep) : "";
        case TQueryKind::Between:
            if (!finite(a) || !finite(b) || a >= b) return "";
            return ", i.e. X in " + WholeText(a + 1, D, Sep) + ".." + WholeText(b, D, Sep);
        case TQueryKind::Outside:
            if (!finite(a) || !finite(b) || a >= b) return "";
            return ", i.e. X <= " + WholeText(a, D, Sep) + " or X >= " + WholeText(b + 1, D, Sep);
        default: return "";
    }
}

const char* CalculatingLine(TQueryKind Kind) {
    switch (Kind) {
        case TQueryKind::Central: return "Calculating the central interval";
        case TQueryKind::UpperP: return "Calculating the upper-tail quantile";
        default: return "Calculating a probability";
    }
}

}  // namespace

TQueryAnswer AnswerQuery(const model::TProbDistribution& Distribution,
                         const TProbabilityQuery& Query) {
    switch (Query.Kind) {
        case TQueryKind::Central: {
            const model::TCentralInterval c = model::CentralInterval(Distribution, Query.A);
            return {Query.A, c.Lower, c.Upper, false};
        }
        case TQueryKind::UpperP: return {Query.A, Distribution.ICCDF(Query.A), kInf, false};
        default: break;
    }
    TQueryAnswer answer;
    answer.Probability =
        model::RegionProbability(Distribution, RegionOf(Query.Kind), Query.A, Query.B);
    answer.Lower = Query.Kind == TQueryKind::Above   ? Query.B
                   : Query.Kind == TQueryKind::Below ? -kInf
                                                     : Query.A;
    answer.Upper = Query.Kind == TQueryKind::Below   ? Query.A
                   : Query.Kind == TQueryKind::Above ? kInf
                                                     : Query.B;
    answer.Outside = Query.Kind == TQueryKind::Outside;
    return answer;
}

std::string ProbabilityText(double P, std::int32_t Decimals, char DecimalSeparator) {
    const std::int32_t d = std::clamp<std::int32_t>(Decimals, 2, 16);
    std::string fixed = FixedText(P, d, DecimalSeparator);
    const bool readsZero = fixed.find_first_of("123456789") == std::string::npos;
    if (!readsZero || P == 0 || !std::isfinite(P)) return fixed;
    return Scientific(P, d, DecimalSeparator);
}

std::string QueryLine(const model::TProbDistribution& Distribution, const TProbabilityQuery& Query,
                      const TQueryAnswer& Answer, char DecimalSeparator) {
    const std::int32_t d = Distribution.Decimals();
    auto num = [&](double V) { return FixedText(V, d, DecimalSeparator); };
    auto prob = [&](double V) { return ProbabilityText(V, d, DecimalSeparator); };
    std::string region;
    switch (Query.Kind) {
        case TQueryKind::Below: region = "P(X <= " + num(Query.A) + ")"; break;
        case TQueryKind::Above: region = "P(X > " + num(Query.B) + ")"; break;
        case TQueryKind::Between:
            region = "P(" + num(Query.A) + " < X <= " + num(Query.B) + ")";
            break;
        case TQueryKind::Outside:
            region = "P(X <= " + num(Query.A) + " or X > " + num(Query.B) + ")";
            break;
        case TQueryKind::Central:
            return "Central interval holding " + prob(Query.A) + ": " + num(Answer.Lower) + " to " +
                   num(Answer.Upper);
        case TQueryKind::UpperP:
            return "x with P(X > x) = " + prob(Query.A) + ": " + num(Answer.Lower);
    }
    std::string line = region + " = " + prob(Answer.Probability);
    if (model::IsDiscrete(Distribution.DistType())) line += WholeRegion(Query, d, DecimalSeparator);
    return line;
}

TQueryAnswer WriteQuery(TResultsSink& Results, const model::TProbDistribution& Distribution,
                        const TProbabilityQuery& Query, char DecimalSeparator) {
    AppendDistributionHeader(Results, Distribution, DecimalSeparator);
    Results.AppendLine(CalculatingLine(Query.Kind));
    Results.AppendLine(ResultsRule);
    const TQueryAnswer answer = AnswerQuery(Distribution, Query);
    Results.AppendLine(QueryLine(Distribution, Query, answer, DecimalSeparator));
    Results.AppendLine(ResultsRule);
    return answer;
}

std::string SummaryValueText(const model::TSummaryValue& Value, std::int32_t Decimals,
                             char DecimalSeparator) {
    switch (Value.Kind) {
        case model::TSummaryKind::skValue:
            return FixedText(Value.Value, Decimals, DecimalSeparator);
        case model::TSummaryKind::skInfinite: return "infinite";
        case model::TSummaryKind::skUndefined: break;
    }
    return "undefined";
}

namespace {

struct TSummaryEntry {
    const char* Name;   // in the results text
    const char* Short;  // in the annotation
    model::TSummaryValue model::TSummary::*Field;
};

constexpr TSummaryEntry SummaryEntries[] = {
    {"Mean", "mean", &model::TSummary::Mean},
    {"Variance", "var", &model::TSummary::Variance},
    {"Standard deviation", "sd", &model::TSummary::StdDev},
    {"Skewness", "skew", &model::TSummary::Skewness},
    {"Excess kurtosis", "ex.kurt", &model::TSummary::ExcessKurtosis},
    {"Median", "median", &model::TSummary::Median},
    {"Mode", "mode", &model::TSummary::Mode},
};

}  // namespace

std::vector<std::string> SummaryLines(const model::TSummary& Summary, std::int32_t Decimals,
                                      char DecimalSeparator) {
    std::vector<std::string> lines;
    for (const TSummaryEntry& e : SummaryEntries)
        lines.push_back(std::string(e.Name) + " = " +
                        SummaryValueText(Summary.*e.Field, Decimals, DecimalSeparator));
    return lines;
}

std::string SummaryAnnotation(const model::TSummary& Summary, std::int32_t Decimals,
                              char DecimalSeparator) {
    std::string line;
    for (const TSummaryEntry& e : SummaryEntries) {
        if (!line.empty()) line += ", ";
        line += std::string(e.Short) + " " +
                SummaryValueText(Summary.*e.Field, Decimals, DecimalSeparator);
    }
    return line;
}

void WriteSummary(TResultsSink& Results, const model::TProbDistribution& Distribution,
                  char DecimalSeparator) {
    AppendDistributionHeader(Results, Distribution, DecimalSeparator);
    Results.AppendLine("Summary of the law");
    Results.AppendLine(ResultsRule);
    const model::TSummary summary = model::Summarize(Distribution);
    for (const std::string& line : SummaryLines(summary, Distribution.Decimals(), DecimalSeparator))
        Results.AppendLine(line);
    Results.AppendLine(ResultsRule);
}

}  // namespace uicore
