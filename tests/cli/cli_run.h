// Runs quantiva-cli's Run in the test's own process, with its standard
// output and error caught in temporary files.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>

#include "cli/cli.h"

namespace clitest {

struct Result {
    int status;
    std::string out, err;
};

inline std::string ReadAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    std::fclose(f);
    return text;
}

inline Result RunInProcess(std::initializer_list<const char*> args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = cli::Run({args.begin(), args.end()}, out, err);
    return {status, ReadAll(out), ReadAll(err)};
}

// The rule line under a block's column titles and after its last row.
inline const std::string Rule(45, '-');

}  // namespace clitest
