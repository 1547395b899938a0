// quantiva-cli entry: the kernel's start-up first, then the command line.
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "numkern/numkern.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return cli::Run(args, stdout, stderr);
}
