// The desktop benchmark: start-up of the window with a settings file to its
// first paint (each run a fresh process, from the entry of main), and the
// chart's redraw per mouse move with the readout on a 1,000,000-point
// range, continuous (Normal) and discrete (Poisson, sticks and staircase).
// Runs on the current platform: offscreen, or Xvfb for a real X server.
//   quantiva-desktop-bench
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "numkern/numkern.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

namespace {

using TClock = std::chrono::steady_clock;
const TClock::time_point ProcessStart = TClock::now();

constexpr const char* StartupChild = "--startup-child";
constexpr int StartupRuns = 7;
constexpr int Moves = 200;

double MsSince(TClock::time_point Start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

// The value below which Share of the values lie.
double Quantile(std::vector<double> Values, double Share) {
    std::sort(Values.begin(), Values.end());
    return Values[static_cast<std::size_t>(Share * static_cast<double>(Values.size() - 1))];
}

// Notes the first paint of a widget.
class TFirstPaint : public QObject {
public:
    double Ms = -1;
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && Ms < 0) Ms = MsSince(ProcessStart);
        return false;
    }
};

// One start: the settings as a user leaves them (Poisson range, chart page
// in front), read, applied, shown, painted.
int StartupChildMain(const QString& SettingsPath) {
    QSettings Settings(SettingsPath, QSettings::IniFormat);
    quantiva::TfrmQuantiva Window;
    Window.Restore(uicore::ReadWindowState(quantiva::ReadSettingsItems(Settings)));
    TFirstPaint Paint;
    Window.installEventFilter(&Paint);
    Window.show();
    while (Paint.Ms < 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%.3f\n", Paint.Ms);
    return 0;
}

void Startup(const QString& Program) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("quantiva.ini"));
    {
        uicore::TWindowState State;
        State.DistIndex = 19;
        State.Values = {4, 6.5};
        State.UB = 30;
        State.NumPoints = 300;
        State.Page = 1;
        State.LogPdfAxis = true;
        QSettings Settings(Path, QSettings::IniFormat);
        quantiva::WriteSettingsItems(Settings, uicore::WindowStateItems(State));
    }
    std::vector<double> Ms;
    for (int Run = 0; Run < StartupRuns; ++Run) {
        QProcess Child;
        Child.start(Program, {QString::fromLatin1(StartupChild), Path});
        Child.waitForFinished(60000);
        Ms.push_back(Child.readAllStandardOutput().trimmed().toDouble());
    }
    std::printf(
        "start-up to first paint, with a settings file: median %.1f ms, max %.1f ms "
        "(%d runs)\n",
        Quantile(Ms, 0.5), Quantile(Ms, 1), StartupRuns);
}

void Readout(int Dist, const char* LB, const char* UB) {
    quantiva::TfrmQuantiva Window;
    Window.SetPaceTiming(std::nullopt);
    Window.resize(1400, 900);
    Window.show();
    Window.FrameDist1->ListBoxDist->setCurrentRow(Dist);
    Window.FrameDist1->EditLB->setText(QString::fromLatin1(LB));
    Window.FrameDist1->EditUB->setText(QString::fromLatin1(UB));
    Window.FrameDist1->EditNumPoints->setText(QStringLiteral("1000000"));
    Window.SpeedButtonCalc->click();
    Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QApplication::processEvents();
    QWidget* Viewport = Window.Chart1->viewport();
    const QRectF Plot = Window.Chart1->chart()->plotArea();
    std::vector<double> Ms;
    for (int Move = 0; Move < Moves; ++Move) {
        const QPointF At(Plot.left() + Plot.width() * (Move + 0.5) / Moves, Plot.center().y());
        const TClock::time_point Start = TClock::now();
        QMouseEvent Event(QEvent::MouseMove, At, Viewport->mapToGlobal(At), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport, &Event);
        Viewport->repaint();
        Ms.push_back(MsSince(Start));
    }
    std::printf(
        "%-8s 1,000,000 points, readout redraw per mouse move: median %.2f ms, "
        "95%% %.2f ms, max %.2f ms (%d moves, chart %dx%d)\n",
        Dist == 19 ? "Poisson" : "Normal", Quantile(Ms, 0.5), Quantile(Ms, 0.95), Quantile(Ms, 1),
        Moves, Viewport->width(), Viewport->height());
}

}  // namespace

int main(int argc, char** argv) {
    numkern::KernelStartup();
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    if (argc == 3 && QString::fromLatin1(argv[1]) == QString::fromLatin1(StartupChild))
        return StartupChildMain(QString::fromLocal8Bit(argv[2]));
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    Startup(QApplication::applicationFilePath());
    Readout(17, "-5", "5");
    Readout(19, "0", "60");
    return 0;
}
