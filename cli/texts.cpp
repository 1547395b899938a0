// quantiva-cli's help text and its listing of the catalogue.
#include <charconv>
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "ui/core/dist_list.h"

namespace cli {

namespace {

std::string Padded(std::string Text, std::size_t Width) {
    if (Text.size() < Width) Text.append(Width - Text.size(), ' ');
    return Text;
}

std::string Shortest(double Value) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, Value).ptr);
}

}  // namespace

std::string HelpText() {
    return R"(Usage: quantiva-cli DIST [NAME=VALUE ...] [--icdf] [--at X | --p P | --range LB UB N]
                    [--decimals D] [--csv]
       quantiva-cli DIST [NAME=VALUE ...] QUESTION [--decimals D] [--csv]
       quantiva-cli --list
       quantiva-cli --help | --version

Evaluates one of 26 distributions: its PDF and CDF at a point or over a
range, or its inverse CDF x(p), and writes the same results text as the
Quantiva window.

  DIST             the distribution, by its list entry (case-insensitive;
                   blanks, hyphens and parentheses may be left out, as in
                   normal, chisquared, uniformdiscrete) or its index 0..25
  NAME=VALUE       sets a parameter by its name (x, mu, sigma, n, ...);
                   integer parameters take whole numbers
  --icdf           the inverse CDF x(p) instead of PDF and CDF
  --at X           PDF and CDF at the single point x = X
  --p P            the inverse CDF at the single probability P
  --range LB UB N  N evenly spaced points from LB towards UB, UB itself not
                   a point (default: --range 0 1 50). With --icdf the
                   points are probabilities
  --decimals D     digits of the results text, 2 to 16 (default 4)
  --csv            a header row and one row per point, every number at full
                   precision (17 significant digits; NaN, Inf, -Inf)

QUESTION, one of (bounds are x values; for a discrete law the answer also
names the whole numbers the region holds):
  --below A        P(X <= A)
  --above B        P(X > B), the upper tail, computed directly (a p-value)
  --between A B    P(A < X <= B)
  --outside A B    P(X <= A or X > B)
  --central Q      the central interval holding probability Q: the
                   two-tailed critical values x((1-Q)/2) and the x with
                   P(X > x) = (1-Q)/2
  --upper-p P      the x with P(X > x) = P
  --summary        mean, variance, standard deviation, skewness, excess
                   kurtosis, median and mode ("infinite" or "undefined"
                   where a moment does not exist)
A probability that would read 0 at D decimals is written in scientific
form (1.5240e-23).

  --list           the distributions with their parameters: name, kind,
                   default and valid range
  --help           this text
  --version        the program's version

Exit status: 0 done; 1 the calculation failed ("Failed to converge!"; the
rows written before it stay); 2 bad input (nothing is written).

Examples:
  quantiva-cli normal mu=1 sigma=2 --range -5 5 100
  quantiva-cli beta a=2 b=3 --p 0.95 --decimals 8
  quantiva-cli chisquared nu=1 --above 100
  quantiva-cli normal --central 0.95 --csv
  quantiva-cli student nu=3 --summary)";
}

std::string VersionText() { return "quantiva-cli " QUANTIVA_VERSION; }

std::string ListText() {
    std::string text =
        "Index, list entry and \"caption\" of each distribution; then its parameters:\n"
        "name, kind, default and valid range (none where empty).\n";
    for (int i = 0; i < model::DistTypeCount; ++i) {
        model::TProbDistribution dist;
        dist.SetDistType(static_cast<model::TDistType>(i));
        text += '\n';
        char index[16];
        std::snprintf(index, sizeof index, "%2d  ", i);
        text += index;
        text += Padded(uicore::DistListEntries[i], 22);
        text += "\"" + dist.Caption() + "\"\n";
        const model::TProbParameters& params = dist.DistParams();
        for (std::int32_t k = 0; k < params.Count(); ++k) {
            const model::TProbParameter& p = params.Items(k);
            const bool integer = p.ParamType() == model::TProbParamType::ptInteger;
            std::string line = "      " + Padded(p.Name(), 8) +
                               Padded(integer ? "integer" : "real", 9) +
                               Padded(Shortest(p.Value()), 7) + p.ValidRange();
            line.erase(line.find_last_not_of(' ') + 1);
            text += line + '\n';
        }
    }
    text.pop_back();  // WriteLine ends the last line
    return text;
}

}  // namespace cli
