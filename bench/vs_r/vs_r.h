// Calls timed against R's equivalent: each row names a library call, the R
// expression that asks the same (X standing for one argument, so that
// R is timed on a vector and its interpreter's per-call overhead drops out),
// the value X stands for, and the call itself. Families register their
// rows at namespace scope; nothing runs until main.
#pragma once

#include <initializer_list>
#include <vector>

namespace vsr {

struct Row {
    const char* Call;
    const char* R;
    double X;
    double (*F)();
};

// Appends the rows to the table the driver times; the result is only there
// to be kept in a namespace-scope constant.
bool Add(std::initializer_list<Row> Rows);
const std::vector<Row>& Rows();

}  // namespace vsr
