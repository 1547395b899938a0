// Program entry. The kernel's start-up runs before anything computes.
#include <QApplication>
#include <QLabel>

#include "numkern/numkern.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Quantiva");
    QLabel placeholder("Quantiva: the window is still being built.");
    placeholder.show();
    return app.exec();
}
