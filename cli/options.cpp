// The command line of quantiva-cli: DIST [NAME=VALUE ...] [--icdf]
// [--at X | --p P | --range LB UB N | a probability question | --summary]
// [--decimals D] [--csv], or --help, --version or --list. Numbers go through
// the system's own parse rules, so their errors carry the system's messages.
#include <cctype>
#include <string>

#include "cli/cli.h"
#include "ui/core/dist_list.h"
#include "ui/core/number_text.h"

namespace cli {

namespace {

std::string Normalized(std::string_view Name) {
    std::string out;
    for (const char c : Name) {
        if (c == ' ' || c == '-' || c == '(' || c == ')') continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool AllDigits(std::string_view Text) {
    if (Text.empty() || Text.size() > 2) return false;
    for (const char c : Text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool SameName(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(A[i])) !=
            std::tolower(static_cast<unsigned char>(B[i])))
            return false;
    return true;
}

// Reads the value that follows an option, or reports that it is missing.
std::string_view Next(const std::vector<std::string_view>& Args, std::size_t& I,
                      std::string_view Option) {
    if (I + 1 >= Args.size()) throw TCliError(std::string(Option) + " needs a value");
    return Args[++I];
}

double Real(std::string_view Text, std::string_view What) {
    try {
        return uicore::ParseReal(Text);
    } catch (const uicore::EConvertError& e) {
        throw TCliError(std::string(What) + ": " + e.what());
    }
}

std::int32_t Integer(std::string_view Text, std::string_view What) {
    try {
        return uicore::ParseInteger(Text);
    } catch (const uicore::EConvertError& e) {
        throw TCliError(std::string(What) + ": " + e.what());
    }
}

}  // namespace

model::TDistType FindDistType(std::string_view Name) {
    if (AllDigits(Name)) {
        const int index = std::stoi(std::string(Name));
        if (index < model::DistTypeCount) return static_cast<model::TDistType>(index);
    } else {
        const std::string wanted = Normalized(Name);
        for (int i = 0; i < model::DistTypeCount; ++i)
            if (!wanted.empty() && Normalized(uicore::DistListEntries[i]) == wanted)
                return static_cast<model::TDistType>(i);
    }
    std::string msg = "unknown distribution '" + std::string(Name) + "'; valid are 0 to 25 or";
    for (int i = 0; i < model::DistTypeCount; ++i)
        msg += std::string(i == 0 ? " " : ", ") + uicore::DistListEntries[i];
    throw TCliError(msg);
}

TCliRequest ParseArguments(const std::vector<std::string_view>& Args) {
    TCliRequest r;
    bool haveDist = false;
    int pointChoices = 0;  // --at, --p and --range exclude each other
    int questions = 0;     // and so do the probability questions and --summary
    auto ask = [&](uicore::TQueryKind Kind, double A, double B) {
        r.Query = {Kind, A, B};
        r.HasQuery = true;
        ++questions;
    };
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string_view a = Args[i];
        if (a == "--help" || a == "-h") {
            r.Action = TAction::Help;
            return r;
        }
        if (a == "--version") {
            r.Action = TAction::Version;
            return r;
        }
        if (a == "--list") {
            r.Action = TAction::List;
        } else if (a == "--icdf") {
            r.Icdf = true;
        } else if (a == "--csv") {
            r.Csv = true;
        } else if (a == "--at") {
            r.X = Real(Next(Args, i, a), a);
            r.HasX = true;
            r.Single = true;
            ++pointChoices;
        } else if (a == "--p") {
            r.PText = Next(Args, i, a);
            Real(r.PText, a);
            r.Icdf = true;
            r.Single = true;
            ++pointChoices;
        } else if (a == "--range") {
            r.LB = Real(Next(Args, i, a), "--range LB");
            r.UB = Real(Next(Args, i, a), "--range UB");
            r.NumPoints = Integer(Next(Args, i, a), "--range N");
            r.Single = false;
            ++pointChoices;
        } else if (a == "--below") {
            ask(uicore::TQueryKind::Below, Real(Next(Args, i, a), a), 0);
        } else if (a == "--above") {
            ask(uicore::TQueryKind::Above, 0, Real(Next(Args, i, a), a));
        } else if (a == "--between" || a == "--outside") {
            const double lo = Real(Next(Args, i, a), std::string(a) + " A");
            ask(a == "--between" ? uicore::TQueryKind::Between : uicore::TQueryKind::Outside, lo,
                Real(Next(Args, i, a), std::string(a) + " B"));
        } else if (a == "--central") {
            ask(uicore::TQueryKind::Central, Real(Next(Args, i, a), a), 0);
        } else if (a == "--upper-p") {
            ask(uicore::TQueryKind::UpperP, Real(Next(Args, i, a), a), 0);
        } else if (a == "--summary") {
            r.Summary = true;
            ++questions;
        } else if (a == "--decimals") {
            r.Decimals = Integer(Next(Args, i, a), a);
            if (r.Decimals < 2 || r.Decimals > 16)
                throw TCliError("--decimals must be 2 to 16, not " + std::to_string(r.Decimals));
        } else if (a.starts_with("--") || (a.starts_with("-") && !haveDist)) {
            throw TCliError("unknown option '" + std::string(a) + "'");
        } else if (!haveDist) {
            r.Type = FindDistType(a);
            haveDist = true;
        } else if (const auto eq = a.find('='); eq != std::string_view::npos && eq > 0) {
            r.Assignments.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        } else {
            throw TCliError("unexpected argument '" + std::string(a) +
                            "'; parameters are NAME=VALUE");
        }
    }
    if (r.Action == TAction::List) return r;
    if (!haveDist) throw TCliError("no distribution given; see quantiva-cli --help");
    if (pointChoices > 1) throw TCliError("--at, --p and --range exclude each other");
    if (questions > 1)
        throw TCliError(
            "--below, --above, --between, --outside, --central, --upper-p and --summary "
            "exclude each other");
    if (questions > 0 && (pointChoices > 0 || r.Icdf))
        throw TCliError(
            "a probability question or --summary takes no --at, --p, --range or --icdf");
    if (r.HasX && r.Icdf) throw TCliError("--at gives a PDF and CDF point; an inverse takes --p");
    return r;
}

void Configure(const TCliRequest& Request, model::TProbDistribution& Distribution,
               uicore::TQuantivaCore& Core) {
    Distribution.SetDistType(Request.Type);
    model::TProbParameters& params = Distribution.DistParams();
    for (const auto& [name, text] : Request.Assignments) {
        model::TProbParameter* target = nullptr;
        for (std::int32_t i = 0; i < params.Count() && !target; ++i)
            if (SameName(params.Items(i).Name(), name)) target = &params.Items(i);
        if (!target) {
            std::string msg =
                "unknown parameter '" + name + "' for " + Distribution.Caption() + "; valid are";
            for (std::int32_t i = 0; i < params.Count(); ++i)
                msg += std::string(i == 0 ? " " : ", ") + params.Items(i).Name();
            throw TCliError(msg);
        }
        target->SetValue(target->ParamType() == model::TProbParamType::ptInteger
                             ? static_cast<double>(Integer(text, target->Name()))
                             : Real(text, target->Name()));
    }
    Distribution.SetDecimals(Request.Decimals);
    Distribution.SetLB(Request.LB);
    Distribution.SetUB(Request.UB);
    Distribution.SetNumPoints(Request.NumPoints);
    Core.CalculationChoiceClicked(Request.Single ? 0 : 1);
    if (Request.HasX) params.Items(0).SetValue(Request.X);
    if (Request.Icdf) {
        // The ICDF button; in single-point mode its dialog is answered with p.
        struct TAnswer : uicore::TInputDialog {
            std::string Text;
            std::string InputQuery(const std::string&, const std::string&,
                                   const std::string&) override {
                return Text;
            }
        } answer;
        answer.Text = Request.PText;
        Core.GetpValue(answer);
    }
}

}  // namespace cli
