// The sweep as a table of named library calls, each entry one instance of
// a parameterised test.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/sweep/sweep.h"

namespace sweep {

struct Entry {
    const char* name;
    const char* kinds;  // as for Run: 'r' real, 'i' integer
    Call call;
};

// Names the test instance after the function it sweeps.
inline std::string EntryName(const ::testing::TestParamInfo<Entry>& info) {
    return info.param.name;
}

// How GoogleTest shows an entry in test listings: by its name, not its bytes.
inline void PrintTo(const Entry& e, std::ostream* os) { *os << e.name; }

}  // namespace sweep
