// Pictures of the window for the README: the Results page after a range
// calculation and the Chart page with its annotation; or, with "progress",
// the window in the middle of a long range (progress bar and Cancel) and
// after Cancel; or, with "desktop", a Poisson range drawn as sticks and a
// staircase with the readout under the mouse, the chart exported as SVG and
// as a 1600 x 1000 PNG, and the window with its File menu open (a screen
// grab: needs Xvfb, not offscreen). Runs the real window on the current
// platform and saves what it shows.
//   quantiva-screenshot OUTDIR [LIST-INDEX [LB UB]]
//   quantiva-screenshot OUTDIR progress
//   quantiva-screenshot OUTDIR desktop
//   quantiva-screenshot OUTDIR dark       (a large window in a dark palette)
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
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
    if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("progress")) {
        // Normal over -5..5 in ten million points, caught a third of the
        // way once its progress shows (however fast this machine is), then
        // cancelled.
        Window.FrameDist1->ListBoxDist->setCurrentRow(17);
        Window.FrameDist1->EditLB->setText(QStringLiteral("-5"));
        Window.FrameDist1->EditUB->setText(QStringLiteral("5"));
        Window.FrameDist1->EditNumPoints->setText(QStringLiteral("10000000"));
        bool Saved = false;
        QTimer Poll;
        QObject::connect(&Poll, &QTimer::timeout, &Window, [&] {
            if (!Window.ButtonCancel->isVisible() ||
                Window.ProgressBar->value() < Window.ProgressBar->maximum() / 3)
                return;
            Poll.stop();
            Saved = Window.grab().save(Out.filePath(QStringLiteral("progress.png")));
            Window.ButtonCancel->click();
        });
        Poll.start(20);
        Window.SpeedButtonCalc->click();
        QTest::qWait(200);
        return Saved && Window.grab().save(Out.filePath(QStringLiteral("cancelled.png"))) ? 0 : 1;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("dark")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QPalette Dark;
        Dark.setColor(QPalette::Window, QColor(45, 45, 48));
        Dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
        Dark.setColor(QPalette::Base, QColor(30, 30, 30));
        Dark.setColor(QPalette::Text, QColor(220, 220, 220));
        Dark.setColor(QPalette::Button, QColor(60, 60, 64));
        Dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
        Dark.setColor(QPalette::Mid, QColor(120, 120, 120));
        Dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
        Dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        QApplication::setPalette(Dark);
        Window.resize(1500, 950);
        Window.FrameDist1->ListBoxDist->setCurrentRow(17);
        Window.FrameDist1->EditLB->setText(QStringLiteral("-4"));
        Window.FrameDist1->EditUB->setText(QStringLiteral("4"));
        Window.FrameDist1->EditNumPoints->setText(QStringLiteral("200"));
        Window.SpeedButtonCalc->click();
        Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
        QTest::qWait(300);
        return Window.grab().save(Out.filePath(QStringLiteral("dark.png"))) ? 0 : 1;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("desktop")) {
        // Poisson with lambda 2.3 over 0..12 in steps of a quarter: the
        // sticks stand only at the whole numbers.
        Window.FrameDist1->ListBoxDist->setCurrentRow(19);
        Window.FrameDist1->EditLB->setText(QStringLiteral("0"));
        Window.FrameDist1->EditUB->setText(QStringLiteral("12"));
        Window.FrameDist1->EditNumPoints->setText(QStringLiteral("48"));
        Window.SpeedButtonCalc->click();
        Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
        QTest::qWait(200);
        const QRectF Plot = Window.Chart1->chart()->plotArea();
        QTest::mouseMove(Window.Chart1->viewport(),
                         Window.Chart1->chart()
                             ->mapToPosition(QPointF(3, 0.15), Window.Chart1->Series1())
                             .toPoint());
        QTest::qWait(200);
        if (!Plot.isValid() || !Window.grab().save(Out.filePath(QStringLiteral("poisson.png"))))
            return 1;
        // The chart as File > Export chart writes it.
        Window.Menu1->ExportChart(Out.filePath(QStringLiteral("poisson-export.svg")), {});
        Window.Menu1->ExportChart(Out.filePath(QStringLiteral("poisson-export.png")),
                                  QSize(1600, 1000));
        QMenu* File = Window.menuBar()->actions().first()->menu();
        QTimer::singleShot(300, &Window, [&] {
            const QRect Area = Window.frameGeometry().united(File->geometry());
            Window.screen()
                ->grabWindow(0, Area.x(), Area.y(), Area.width(), Area.height())
                .save(Out.filePath(QStringLiteral("menu.png")));
            File->close();
        });
        File->exec(Window.mapToGlobal(
            Window.menuBar()->actionGeometry(Window.menuBar()->actions().first()).bottomLeft()));
        return 0;
    }
    if (argc > 2)
        Window.FrameDist1->ListBoxDist->setCurrentRow(QString::fromLocal8Bit(argv[2]).toInt());
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
