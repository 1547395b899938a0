// Program entry: the kernel's floating-point start-up first, then the
// application with its title, then the main window in the state it was
// last closed in (unless --reset asks for the defaults); the event loop
// runs until the window closes, its state is kept, and the window frees
// the model as it goes. --version answers before Qt starts, so it needs no
// display.
#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstring>

#include "numkern/numkern.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

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
    QSettings Settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarn Research"),
                       QStringLiteral("Quantiva"));
    quantiva::TfrmQuantiva frmQuantiva;
    if (!QApplication::arguments().contains(QStringLiteral("--reset")))
        frmQuantiva.Restore(uicore::ReadWindowState(quantiva::ReadSettingsItems(Settings)));
    frmQuantiva.show();
    const int Status = App.exec();
    quantiva::WriteSettingsItems(Settings, uicore::WindowStateItems(frmQuantiva.State()));
    return Status;
}
