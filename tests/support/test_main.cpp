// Test entry: the kernel's floating-point start-up runs before any test.
#include <gtest/gtest.h>

#include "numkern/numkern.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
