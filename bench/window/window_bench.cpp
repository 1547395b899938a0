// The window benchmark: the real main window, offscreen, through a Normal
// range of 100,000 and 1,000,000 points (PDF+CDF), from start to the
// results written and the chart painted; quantiva-cli on the same range in
// the same run for comparison. Each run is a child process of its own, so
// wall time and peak memory (maximum resident set) are that run's alone.
//   quantiva-window-bench [N ...]          default: 100000 1000000
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "numkern/numkern.h"
#include "ui/main_window.h"

extern char** environ;

namespace {

constexpr const char* ChildFlag = "--window-child";
constexpr const char* LowerBound = "-5";
constexpr const char* UpperBound = "5";

struct TRun {
    double Seconds = 0;
    double PeakMB = 0;
    bool Ok = false;
};

// Runs Argv as a child with its standard output sent to /dev/null.
TRun Measure(const std::vector<std::string>& Argv) {
    std::vector<char*> Args;
    for (const std::string& A : Argv) Args.push_back(const_cast<char*>(A.c_str()));
    Args.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    TRun Run;
    const auto Start = std::chrono::steady_clock::now();
    pid_t Child = 0;
    if (posix_spawn(&Child, Args[0], &Actions, nullptr, Args.data(), environ) == 0) {
        int Status = 0;
        rusage Usage{};
        if (wait4(Child, &Status, 0, &Usage) == Child) {
            Run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
            Run.PeakMB = static_cast<double>(Usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
            Run.Ok = WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&Actions);
    return Run;
}

// The child: drives the window as a person would and checks the result.
int RunWindow(int argc, char** argv, const QString& Points) {
    numkern::KernelStartup();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantiva"));
    quantiva::TfrmQuantiva Window;
    Window.show();
    QApplication::processEvents();
    QElapsedTimer Clock;
    Clock.start();
    Window.FrameDist1->ListBoxDist->setCurrentRow(static_cast<int>(model::TDistType::distNORMAL));
    Window.FrameDist1->EditLB->setText(QString::fromLatin1(LowerBound));
    Window.FrameDist1->EditUB->setText(QString::fromLatin1(UpperBound));
    Window.FrameDist1->EditNumPoints->setText(Points);
    Window.SpeedButtonCalc->click();
    QApplication::processEvents();  // the results page repaints
    const qint64 Calculated = Clock.elapsed();
    Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QApplication::processEvents();
    const QImage Chart = Window.Chart1->grab().toImage();  // every point drawn
    const qint64 Painted = Clock.elapsed();
    const int Expected = Points.toInt();
    const int Lines = static_cast<int>(Window.MemoResults->LineCount());
    const int Series = static_cast<int>(Window.Chart1->Points(0).size());
    std::fprintf(stderr, "  window %d points: calculate %.2f s, chart painted %.2f s; %d lines, %d points\n",
                 Expected, Calculated / 1000.0, Painted / 1000.0, Lines, Series);
    return Lines == Expected + 7 && Series == Expected && !Chart.isNull() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == ChildFlag)
        return RunWindow(argc, argv, QString::fromLatin1(argv[2]));
    std::vector<std::string> Sizes;
    for (int I = 1; I < argc; ++I) Sizes.emplace_back(argv[I]);
    if (Sizes.empty()) Sizes = {"100000", "1000000"};
    const std::string Self = "/proc/self/exe";
    std::printf("%-10s %12s %10s %12s %10s %8s\n", "points", "window s", "window MB", "cli s",
                "cli MB", "ratio");
    bool Ok = true;
    for (const std::string& N : Sizes) {
        const TRun Window = Measure({Self, ChildFlag, N});
        const TRun Cli = Measure({QUANTIVA_CLI_PATH, "Normal", "--range", LowerBound, UpperBound, N});
        std::printf("%-10s %12.2f %10.1f %12.2f %10.1f %8.2f\n", N.c_str(), Window.Seconds,
                    Window.PeakMB, Cli.Seconds, Cli.PeakMB, Window.Seconds / Cli.Seconds);
        if (!Window.Ok) std::printf("  the window run failed or wrote the wrong number of rows\n");
        if (!Cli.Ok) std::printf("  the quantiva-cli run failed\n");
        Ok = Ok && Window.Ok && Cli.Ok;
    }
    return Ok ? 0 : 1;
}
