// Start-up: from exec to the main window mapped on the X display, for the program (a copy in
// a scratch directory, whose preset file chooses a skin, so the saved skin is applied while
// starting) and for the smallest Qt Widgets program that shows a window (minimal_window.cpp,
// built the same way). Each start also reports the peak resident set of the process
// (peak_MiB, as /usr/bin/time -v gives it) and its resident set once it has sat idle for a
// moment after the window appeared (idle_MiB).
//
// Needs an X display: run under Xvfb, for example
//   xvfb-run -a build-rel/bench/bench_startup --benchmark_repetitions=9
//       --benchmark_enable_random_interleaving=true   (one line)
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "web/encoding.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kIdlePause = std::chrono::milliseconds(700);
constexpr int kMapTimeoutMs = 20000;
constexpr int kSavedSkin = 5;

// The program copied into a scratch directory with a preset file that chooses a skin.
struct ProgramCopy {
    ProgramCopy() {
        char pattern[] = "/tmp/bench-startup-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        directory = pattern;
        program = directory / "dawnquill";
        fs::copy_file(DQ_PROGRAM, program);
        std::ofstream presets(directory / "配置文件.ini", std::ios::binary);
        presets << dq::Utf8ToAnsi("[配置文件]\r\n皮肤=" + std::to_string(kSavedSkin) + "\r\n");
    }
    ~ProgramCopy() { fs::remove_all(directory); }
    fs::path directory;
    fs::path program;
};

std::size_t ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:")) return std::strtoull(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

struct StartFigures {
    double seconds = 0;    // exec to the first top-level window mapped
    std::size_t idleKiB = 0;
    std::size_t peakKiB = 0;
};

// Waits for a window to be mapped on the root window; false after the time-out.
bool AwaitMap(Display* display) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kMapTimeoutMs);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        ::poll(&connection, 1, static_cast<int>(left.count()));
    }
}

// Starts program, times it up to its window's mapping, notes its idle memory, ends it.
StartFigures StartOnce(Display* display, const fs::path& program) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);  // no event from an earlier start is left
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    StartFigures figures;
    const bool mapped = AwaitMap(display);
    figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (mapped) {
        std::this_thread::sleep_for(kIdlePause);
        figures.idleKiB = ResidentKiB(child);
    }
    ::kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    figures.peakKiB = static_cast<std::size_t>(usage.ru_maxrss);
    XSelectInput(display, DefaultRootWindow(display), NoEventMask);
    if (!mapped) throw std::runtime_error("no window was mapped: " + program.string());
    return figures;
}

void TimeStarts(benchmark::State& state, const fs::path& program) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        state.SkipWithError("no X display (run under xvfb-run)");
        return;
    }
    double idle = 0;
    double peak = 0;
    for (auto _ : state) {
        const StartFigures figures = StartOnce(display, program);
        state.SetIterationTime(figures.seconds);
        idle += static_cast<double>(figures.idleKiB) / 1024.0;
        peak += static_cast<double>(figures.peakKiB) / 1024.0;
    }
    XCloseDisplay(display);
    const auto starts = static_cast<double>(state.iterations());
    state.counters["idle_MiB"] = idle / starts;
    state.counters["peak_MiB"] = peak / starts;
}

void BM_StartDawnquill(benchmark::State& state) {
    static const ProgramCopy copy;
    TimeStarts(state, copy.program);
}

void BM_StartMinimalWindow(benchmark::State& state) { TimeStarts(state, DQ_MINIMAL_WINDOW); }

BENCHMARK(BM_StartDawnquill)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartMinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
