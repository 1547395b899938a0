// Pictures of the window for the README: the Results page after a range
// calculation and the Chart page with its annotation. Runs the real window
// on the current platform (Xvfb or offscreen) and saves what it shows.
//   quantiva-screenshot OUTDIR [LIST-INDEX [LB UB]]
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "numkern/numkern.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    numkern::KernelStartup();
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [LIST-INDEX [LB UB]]\n", argv[0]);
        return 2;
    }
    const QDir Out(QString::fromLocal8Bit(argv[1]));
    quantiva::TfrmQuantiva Window;
    Window.show();
    if (!QTest::qWaitForWindowExposed(&Window)) return 1;
    if (argc > 2) Window.FrameDist1->ListBoxDist->setCurrentRow(QString::fromLocal8Bit(argv[2]).toInt());
    if (argc > 4) {
        Window.FrameDist1->EditLB->setText(QString::fromLocal8Bit(argv[3]));
        Window.FrameDist1->EditUB->setText(QString::fromLocal8Bit(argv[4]));
    }
    Window.SpeedButtonCalc->click();
    QTest::qWait(200);
    if (!Window.grab().save(Out.filePath(QStringLiteral("results.png")))) return 1;
    Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QTest::qWait(200);
    if (!Window.grab().save(Out.filePath(QStringLiteral("chart.png")))) return 1;
    return 0;
}
