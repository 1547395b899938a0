// Entry of the window tests: the kernel's start-up, then a QApplication on
// the offscreen platform (unless the caller chose one), then the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "numkern/numkern.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
