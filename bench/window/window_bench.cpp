// The window benchmark: the real main window, offscreen, through a Normal
// range of 100,000 and 1,000,000 points (PDF+CDF), from the Calculate click
// to the results written and the chart painted by the window itself (seen
// as a paint event of the chart's viewport); quantiva-cli on the same range
// in the same run for comparison, writing to /dev/null, best of several
// runs each, interleaved, against the limits (1.5x up to 100,000 points,
// 1.2x from 1,000,000). The verdict rests on the window's own paint; the
// chart is then grabbed, painting it once more, to check that every point
// was drawn, and the time through that check is shown beside. Each run is a child process of its
// own, so wall time and peak memory (maximum resident set) are that run's alone; the window's
// process time, Qt's start-up included, is shown beside. Then the long-range machinery: what the
// progress pacing costs on the million-point range (runs with and without it, interleaved in one
// window), how long the window takes from a Cancel click to being ready
// again, and the memory a range holds per point against the estimate that
// decides when the window asks before calculating.
//   quantiva-window-bench [N ...]          default: 100000 1000000
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "numkern/numkern.h"
#include "ui/core/progress_pacer.h"
#include "ui/core/range_budget.h"
#include "ui/main_window.h"

extern char** environ;

namespace {

constexpr const char* WindowChild = "--window-child";
constexpr const char* OverheadChild = "--overhead-child";
constexpr const char* CancelChild = "--cancel-child";
constexpr const char* MemoryChild = "--memory-child";
constexpr const char* LowerBound = "-5";
constexpr const char* UpperBound = "5";

using TClock = std::chrono::steady_clock;

constexpr double CancelLimitMs = 100;  // from the press to a ready, repainted window

const char* Verdict(bool Passed) { return Passed ? "PASS" : "FAIL"; }

struct TRun {
    double Seconds = 0;
    double CpuSeconds = 0;  // user and system
    double PeakMB = 0;
    bool Ok = false;
    std::string Out;  // the child's standard output, when asked for
};

// Runs Argv as a child with its standard output sent to /dev/null, or
// kept in the result with KeepOutput.
TRun Measure(const std::vector<std::string>& Argv, bool KeepOutput = false) {
    std::vector<char*> Args;
    for (const std::string& A : Argv) Args.push_back(const_cast<char*>(A.c_str()));
    Args.push_back(nullptr);
    int Pipe[2] = {-1, -1};
    if (KeepOutput && pipe(Pipe) != 0) return {};
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    if (KeepOutput) {
        posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&Actions, Pipe[0]);
    } else {
        posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    TRun Run;
    const auto Start = TClock::now();
    pid_t Child = 0;
    const bool Spawned = posix_spawn(&Child, Args[0], &Actions, nullptr, Args.data(), environ) == 0;
    if (KeepOutput) {
        close(Pipe[1]);
        char Buffer[256];
        for (ssize_t N; Spawned && (N = read(Pipe[0], Buffer, sizeof Buffer)) > 0;)
            Run.Out.append(Buffer, static_cast<std::size_t>(N));
        close(Pipe[0]);
    }
    if (Spawned) {
        int Status = 0;
        rusage Usage{};
        if (wait4(Child, &Status, 0, &Usage) == Child) {
            Run.Seconds = std::chrono::duration<double>(TClock::now() - Start).count();
            Run.PeakMB = static_cast<double>(Usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
            const auto Cpu = [](const timeval& T) {
                return static_cast<double>(T.tv_sec) + T.tv_usec * 1e-6;
            };
            Run.CpuSeconds = Cpu(Usage.ru_utime) + Cpu(Usage.ru_stime);
            Run.Ok = WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&Actions);
    return Run;
}

double Seconds(TClock::duration D) { return std::chrono::duration<double>(D).count(); }

// CPU seconds of the calling thread: other programs on the machine shift
// wall time by more than the few per cent measured here.
double ThreadSeconds() {
    timespec T{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &T);
    return static_cast<double>(T.tv_sec) + static_cast<double>(T.tv_nsec) * 1e-9;
}

double Median(std::vector<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

// A child's application and window, on the Normal range -5..5 of Points.
struct TChildWindow {
    TChildWindow(int& argc, char** argv, const QString& Points) : App((Startup(), argc), argv) {
        QApplication::setApplicationName(QStringLiteral("Quantiva"));
        Window.show();
        // Until nothing is left to do, as a person finds the window before
        // the first click: what it readies while idle is not timed.
        QApplication::processEvents(QEventLoop::AllEvents, 1000);
        Window.FrameDist1->ListBoxDist->setCurrentRow(
            static_cast<int>(model::TDistType::distNORMAL));
        Window.FrameDist1->EditLB->setText(QString::fromLatin1(LowerBound));
        Window.FrameDist1->EditUB->setText(QString::fromLatin1(UpperBound));
        Window.FrameDist1->EditNumPoints->setText(Points);
    }
    static void Startup() {
        numkern::KernelStartup();
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    // Calculate as a click does, then the repaint; the seconds it took,
    // by the clock and in CPU time.
    std::pair<double, double> Calculate() {
        const auto Start = TClock::now();
        const double Cpu = ThreadSeconds();
        Window.SpeedButtonCalc->click();
        QApplication::processEvents();
        return {Seconds(TClock::now() - Start), ThreadSeconds() - Cpu};
    }

    QApplication App;
    quantiva::TfrmQuantiva Window;
};

double ProcessCpuSeconds() {
    timespec T{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &T);
    return static_cast<double>(T.tv_sec) + static_cast<double>(T.tv_nsec) * 1e-9;
}

// Whether a widget has been painted since the filter was installed on it.
class TPaintSeen : public QObject {
public:
    bool Seen = false;

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        Seen = Seen || Event->type() == QEvent::Paint;
        return false;
    }
};

// Drives the window as a person would and checks the result; writes on
// standard output the seconds from the click to the chart painted by the
// window (through the grab, when the window did not paint it), then to the
// chart checked, and the CPU time (user and system, of the whole process)
// to the chart painted.
int RunWindow(int argc, char** argv, const QString& Points) {
    TChildWindow Child(argc, argv, Points);
    quantiva::TfrmQuantiva& Window = Child.Window;
    const double Cpu = ProcessCpuSeconds();
    const auto Start = TClock::now();
    Child.Calculate();
    TPaintSeen Paint;
    Window.Chart1->viewport()->installEventFilter(&Paint);
    Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QApplication::processEvents();
    double Painted = Seconds(TClock::now() - Start), PaintedCpu = ProcessCpuSeconds() - Cpu;
    const QImage Chart = Window.Chart1->grab().toImage();  // every point drawn
    const double Checked = Seconds(TClock::now() - Start);
    if (!Paint.Seen) {
        Painted = Checked;
        PaintedCpu = ProcessCpuSeconds() - Cpu;
    }
    const int Expected = Points.toInt();
    const int Lines = static_cast<int>(Window.MemoResults->LineCount());
    const int Series = static_cast<int>(Window.Chart1->Points(0).size());
    std::printf("%.6f %.6f %.6f\n", Painted, Checked, PaintedCpu);
    return Lines == Expected + 7 && Series == Expected && !Chart.isNull() ? 0 : 1;
}

// The same range with and without the progress machinery, interleaved so
// that drift in the machine's load falls on both alike.
int RunOverhead(int argc, char** argv, const QString& Points, int Repeats) {
    TChildWindow Child(argc, argv, Points);
    std::vector<double> With[2], Without[2];  // wall, CPU
    for (int R = 0; R < Repeats; ++R) {
        for (const bool Paced : {R % 2 == 0, R % 2 != 0}) {
            Child.Window.SetPaceTiming(Paced ? std::optional(uicore::TPaceTiming{}) : std::nullopt);
            const auto [Wall, Cpu] = Child.Calculate();
            (Paced ? With : Without)[0].push_back(Wall);
            (Paced ? With : Without)[1].push_back(Cpu);
        }
    }
    for (const int K : {0, 1}) {
        const double W = Median(With[K]), O = Median(Without[K]);
        const double WMin = *std::min_element(With[K].begin(), With[K].end());
        const double OMin = *std::min_element(Without[K].begin(), Without[K].end());
        std::printf("%-10s %-5s %10.3f %10.3f %8.1f %%  %10.3f %10.3f %8.1f %%\n",
                    Points.toLatin1().constData(), K == 0 ? "wall" : "cpu", O, W,
                    100.0 * (W - O) / O, OMin, WMin, 100.0 * (WMin - OMin) / OMin);
    }
    return Child.Window.MemoResults->LineCount() == static_cast<std::size_t>(Points.toInt()) + 7
               ? 0
               : 1;
}

// Starts the range, presses Cancel from another thread after AfterSeconds
// (the click waits in the event queue like a person's), and times the
// window from that press until it is enabled and repainted. With a
// negative AfterSeconds nothing is pressed: the seconds the whole range
// takes are written instead.
int RunCancel(int argc, char** argv, const QString& Points, double AfterSeconds,
              bool ChartInFront) {
    TChildWindow Child(argc, argv, Points);
    quantiva::TfrmQuantiva& Window = Child.Window;
    if (ChartInFront) Window.PageControl1->setCurrentWidget(Window.TabSheetChart);
    QApplication::processEvents();
    if (AfterSeconds < 0) {
        const auto [Wall, Cpu] = Child.Calculate();
        std::printf("%.6f %.6f\n", Wall, Cpu);
        return Window.LabelStatus->text().isEmpty() ? 0 : 1;
    }
    std::atomic<TClock::rep> Pressed{0};
    TClock::time_point Handled;
    std::thread Presser([&] {
        std::this_thread::sleep_for(std::chrono::duration<double>(AfterSeconds));
        Pressed = TClock::now().time_since_epoch().count();
        QMetaObject::invokeMethod(
            Window.ButtonCancel,
            [&] {
                Handled = TClock::now();
                Window.ButtonCancel->click();
            },
            Qt::QueuedConnection);
    });
    Window.SpeedButtonCalc->click();  // returns when the range has ended
    QApplication::processEvents();
    const auto Ready = TClock::now();
    Presser.join();
    const TClock::time_point Press{TClock::duration(Pressed.load())};
    const bool Ok = Window.SpeedButtonCalc->isEnabled() && !Window.LabelStatus->text().isEmpty();
    if (Window.LabelStatus->text().isEmpty()) {
        // The range ended before the press: nothing to time.
        std::printf("%-8s %-8s %8.2f %12s\n", Points.toLatin1().constData(),
                    ChartInFront ? "Chart" : "Results", AfterSeconds, "ended first");
        return Window.SpeedButtonCalc->isEnabled() ? 0 : 1;
    }
    const double ToReady = Seconds(Ready - Press) * 1000;
    const bool Passed = ToReady < CancelLimitMs;
    std::printf("%-8s %-8s %8.2f %12zu %12.1f %12.1f %12.1f %7s\n", Points.toLatin1().constData(),
                ChartInFront ? "Chart" : "Results", AfterSeconds,
                Window.MemoResults->LineCount() - 6, Seconds(Handled - Press) * 1000,
                Seconds(Ready - Handled) * 1000, ToReady, Verdict(Passed));
    return Ok && Passed ? 0 : 1;
}

// A range in one mode and number of decimals, for its peak memory.
int RunMemory(int argc, char** argv, const QString& Points, int Decimals, bool Icdf) {
    TChildWindow Child(argc, argv, Points);
    Child.Window.FrameDist1->TrackBarDec->setValue(Decimals);
    if (Icdf) {
        Child.Window.FrameDist1->EditLB->setText(QStringLiteral("0"));
        Child.Window.FrameDist1->EditUB->setText(QStringLiteral("1"));
        Child.Window.SpeedButtonICDF->click();
    }
    Child.Calculate();
    return Child.Window.MemoResults->LineCount() == static_cast<std::size_t>(Points.toInt()) + 7
               ? 0
               : 1;
}

bool CompareWithCli(const std::vector<std::string>& Sizes) {
    const std::string Self = "/proc/self/exe";
    std::printf(
        "Normal range -5..5, best of several runs each; window: from the Calculate click to the\n"
        "chart painted by the window itself, which the ratio and result are about; checked: to\n"
        "the chart grabbed again and checked for every point (process: the whole window process,\n"
        "Qt's start-up included); CPU: user and system time to the chart painted, which a loaded\n"
        "machine does not stretch\n");
    std::printf("%-8s %4s %9s %9s %9s %9s %8s %8s %6s %6s %7s %6s %7s %7s\n", "points", "runs",
                "window s", "checked s", "process s", "window MB", "cli s", "cli MB", "ratio",
                "limit", "result", "cpu w", "cpu cli", "cpu");
    bool Ok = true;
    for (const std::string& N : Sizes) {
        const long Count = std::atol(N.c_str());
        const int Runs = Count >= 1000000 ? 5 : 7;
        const double Limit = Count >= 1000000 ? 1.2 : 1.5;
        double WindowBest = 1e300, CheckedBest = 1e300, ProcessBest = 1e300, CliBest = 1e300;
        double WindowMB = 0, CliMB = 0;
        double WindowCpu = 1e300, CliCpu = 1e300;
        bool RunsOk = true;
        for (int R = 0; R < Runs; ++R) {
            const TRun Window = Measure({Self, WindowChild, N}, true);
            const TRun Cli =
                Measure({QUANTIVA_CLI_PATH, "Normal", "--range", LowerBound, UpperBound, N});
            RunsOk = RunsOk && Window.Ok && Cli.Ok;
            if (!Window.Ok)
                std::printf("  a window run failed or wrote the wrong number of rows\n");
            if (!Cli.Ok) std::printf("  a quantiva-cli run failed\n");
            double Wall = 1e300, Checked = 1e300, Cpu = 1e300;
            std::sscanf(Window.Out.c_str(), "%lf %lf %lf", &Wall, &Checked, &Cpu);
            WindowBest = std::min(WindowBest, Wall);
            CheckedBest = std::min(CheckedBest, Checked);
            WindowCpu = std::min(WindowCpu, Cpu);
            CliCpu = std::min(CliCpu, Cli.CpuSeconds);
            ProcessBest = std::min(ProcessBest, Window.Seconds);
            CliBest = std::min(CliBest, Cli.Seconds);
            WindowMB = std::max(WindowMB, Window.PeakMB);
            CliMB = std::max(CliMB, Cli.PeakMB);
        }
        const double Ratio = WindowBest / CliBest;
        const bool Passed = RunsOk && Ratio <= Limit;
        std::printf(
            "%-8s %4d %9.3f %9.3f %9.3f %9.1f %8.3f %8.1f %6.2f %6.1f %7s %6.3f %7.3f %7s\n",
            N.c_str(), Runs, WindowBest, CheckedBest, ProcessBest, WindowMB, CliBest, CliMB, Ratio,
            Limit, Verdict(Passed), WindowCpu, CliCpu, Verdict(WindowCpu / CliCpu <= Limit));
        Ok = Ok && Passed;
    }
    return Ok;
}

// Children print their own table rows: their standard output is kept.
bool RunChild(const std::vector<std::string>& Argv) {
    std::vector<char*> Args;
    for (const std::string& A : Argv) Args.push_back(const_cast<char*>(A.c_str()));
    Args.push_back(nullptr);
    std::fflush(stdout);
    pid_t Child = 0;
    int Status = 0;
    return posix_spawn(&Child, Args[0], nullptr, nullptr, Args.data(), environ) == 0 &&
           waitpid(Child, &Status, 0) == Child && WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
}

bool ProgressOverhead() {
    constexpr const char* Repeats = "9";
    std::printf(
        "\nprogress machinery, Normal range, calculate + repaint in one window; "
        "%s runs each, interleaved\n",
        Repeats);
    std::printf("%-10s %-5s %10s %10s %10s  %10s %10s %10s\n", "points", "time", "median w/o",
                "with", "overhead", "min w/o", "with", "overhead");
    return RunChild({"/proc/self/exe", OverheadChild, "1000000", Repeats});
}

bool CancelLatency() {
    constexpr const char* Points = "5000000";
    // Presses early, midway and late in the time the Cancel button is
    // shown, whatever this machine takes for the range: a press after the
    // end has nothing to cancel, one before the button shows no person
    // makes.
    double Seconds = 1e300;
    for (int Run = 0; Run < 3; ++Run) {
        const TRun Whole = Measure({"/proc/self/exe", CancelChild, Points, "-1", "results"}, true);
        double Wall = 0, Cpu = 0;
        if (!Whole.Ok || std::sscanf(Whole.Out.c_str(), "%lf %lf", &Wall, &Cpu) != 2) return false;
        Seconds = std::min(Seconds, Wall);
    }
    const double Shown = std::chrono::duration<double>(uicore::TPaceTiming{}.ShowAfter).count();
    std::printf(
        "\nCancel pressed during a 5,000,000-point Normal range (%.2f s uncancelled): waiting in"
        " the queue until the next turn, then until the window is enabled and repainted; limit"
        " %.0f ms\n",
        Seconds, CancelLimitMs);
    std::printf("%-8s %-8s %8s %12s %12s %12s %12s %7s\n", "points", "page", "after s", "rows kept",
                "queued ms", "ending ms", "to ready ms", "result");
    bool Ok = true;
    // Three presses each: where a press falls between two turns varies.
    for (const char* Page : {"results", "chart"})
        for (const double Share : {0.1, 0.4, 0.7})
            for (int Repeat = 0; Repeat < 3; ++Repeat)
                Ok = RunChild({"/proc/self/exe", CancelChild, Points,
                               std::to_string(Shown + Share * (Seconds - Shown)), Page}) &&
                     Ok;
    return Ok;
}

bool MemoryPerPoint() {
    constexpr int Small = 250000, Large = 2000000;
    std::printf("\npeak memory per point (%d against %d points)\n", Large, Small);
    std::printf("%-8s %9s %12s %12s %12s\n", "mode", "decimals", "measured B", "estimate B",
                "estimate %");
    bool Ok = true;
    for (const bool Icdf : {false, true}) {
        for (const int Decimals : {4, 16}) {
            const std::string D = std::to_string(Decimals), Mode = Icdf ? "icdf" : "pdfcdf";
            const TRun A = Measure({"/proc/self/exe", MemoryChild, std::to_string(Small), D, Mode});
            const TRun B = Measure({"/proc/self/exe", MemoryChild, std::to_string(Large), D, Mode});
            const double Measured = (B.PeakMB - A.PeakMB) * 1024 * 1024 / (Large - Small);
            const double Estimate = uicore::RangeBytes(
                1, Decimals, Icdf ? uicore::TCalcMode::Icdf : uicore::TCalcMode::PdfCdf);
            std::printf("%-8s %9d %12.1f %12.1f %11.0f%%\n", Mode.c_str(), Decimals, Measured,
                        Estimate, 100.0 * Estimate / Measured);
            Ok = Ok && A.Ok && B.Ok;
        }
    }
    std::printf(
        "asks before a range above %.0f MB: %.1f million points of PDF+CDF at 4 decimals\n",
        uicore::ConfirmAboveBytes / 1e6,
        uicore::ConfirmAboveBytes / uicore::RangeBytes(1, 4, uicore::TCalcMode::PdfCdf) / 1e6);
    return Ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string Mode = argc > 1 ? argv[1] : "";
    if (argc == 3 && Mode == WindowChild)
        return RunWindow(argc, argv, QString::fromLatin1(argv[2]));
    if (argc == 4 && Mode == OverheadChild)
        return RunOverhead(argc, argv, QString::fromLatin1(argv[2]), std::atoi(argv[3]));
    if (argc == 5 && Mode == CancelChild)
        return RunCancel(argc, argv, QString::fromLatin1(argv[2]), std::atof(argv[3]),
                         std::string(argv[4]) == "chart");
    if (argc == 5 && Mode == MemoryChild)
        return RunMemory(argc, argv, QString::fromLatin1(argv[2]), std::atoi(argv[3]),
                         std::string(argv[4]) == "icdf");
    std::vector<std::string> Sizes;
    for (int I = 1; I < argc; ++I) {
        // The window would stop on its own message box at a count it rejects.
        const std::string Size = argv[I];
        if (Size.empty() || Size.size() > 9 ||
            Size.find_first_not_of("0123456789") != std::string::npos || std::stol(Size) < 2) {
            std::fprintf(
                stderr,
                "usage: quantiva-window-bench [points ...]  (whole numbers, 2 to 999999999)\n");
            return 2;
        }
        Sizes.push_back(Size);
    }
    if (Sizes.empty()) Sizes = {"100000", "1000000"};
    bool Ok = CompareWithCli(Sizes);
    Ok = ProgressOverhead() && Ok;
    Ok = CancelLatency() && Ok;
    Ok = MemoryPerPoint() && Ok;
    return Ok ? 0 : 1;
}
