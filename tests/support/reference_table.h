// Reference tables generated with mpmath: rows of a function name, up to
// four arguments and the value to 20 significant digits, included from the
// .inc files beside their generator scripts. A table is run through a map
// from names to calls, and each function's worst error in epsilons is
// reported with the row that gave it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/accuracy.h"

namespace testsupport {

struct RefRow {
    const char* Function;
    std::array<double, 4> Args;
    double Want;
};

using RefCall = std::function<double(const std::array<double, 4>&)>;

// Every row within Eps epsilons (relative error; a raised exception fails
// the row); a row whose function is missing from Calls fails too, so a
// table cannot silently go unchecked.
inline void CheckReferenceTable(const std::vector<RefRow>& Rows,
                                const std::map<std::string, RefCall>& Calls, double Eps,
                                const std::function<double(const RefRow&)>& RowEps = nullptr) {
    struct Worst {
        double err = 0;
        std::string row;
    };
    std::map<std::string, Worst> worst;
    for (const RefRow& r : Rows) {
        const auto call = Calls.find(r.Function);
        if (call == Calls.end()) {
            ADD_FAILURE() << "no call for " << r.Function;
            continue;
        }
        std::ostringstream text;
        text.precision(17);
        text << r.Function << '(' << r.Args[0] << ", " << r.Args[1] << ", " << r.Args[2] << ", "
             << r.Args[3] << ") want " << r.Want;
        double got = 0;
        try {
            got = call->second(r.Args);
        } catch (const std::exception& e) {
            ADD_FAILURE() << text.str() << ": raised " << e.what();
            continue;
        }
        const double err = ErrorInEps(got, r.Want);
        EXPECT_LE(err, RowEps ? std::max(Eps, RowEps(r)) : Eps) << text.str() << " got " << got;
        Worst& w = worst[r.Function];
        if (err >= w.err) w = {err, text.str()};
    }
    for (const auto& [name, w] : worst)
        std::printf("[ worst    ] %-20s %8.1f eps at %s\n", name.c_str(), w.err, w.row.c_str());
}

}  // namespace testsupport
