// Program entry: the kernel's floating-point start-up first, then the
// application with its title, then the main window; the event loop runs
// until the window closes, and the window frees the model as it goes.
#include <QApplication>

#include "numkern/numkern.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    QApplication App(argc, argv);
    // The application name doubles as the title (error boxes, task bar);
    // as the name rather than the display name, Qt does not append it to
    // the window's own caption.
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quantiva"));
    quantiva::TfrmQuantiva frmQuantiva;
    frmQuantiva.show();
    return App.exec();
}
