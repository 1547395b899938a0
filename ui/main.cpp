// Program entry: the kernel's floating-point start-up first, then the
// application with its title, then the main window; the event loop runs
// until the window closes, and the window frees the model as it goes.
// --version answers before Qt starts, so it needs no display.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "numkern/numkern.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("quantiva " QUANTIVA_VERSION);
            return 0;
        }
    }
    numkern::KernelStartup();
    QApplication App(argc, argv);
    // The application name doubles as the title (error boxes, task bar);
    // as the name rather than the display name, Qt does not append it to
    // the window's own caption.
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    QApplication::setApplicationVersion(QStringLiteral(QUANTIVA_VERSION));
    // The Wayland app id: the desktop entry's name, so the shell finds the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnresearch.Quantiva"));
    quantiva::TfrmQuantiva frmQuantiva;
    frmQuantiva.show();
    return App.exec();
}
