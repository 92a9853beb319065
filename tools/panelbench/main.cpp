// panelbench: starts lumora_panel against a simulated unit of its own and,
// in the same run, an empty JUCE window, and prints for each the time from
// start to the first painted frame, the resident memory after 10 s and the
// CPU share over 10 s of running untouched (the panel's meters moving).
// The two take turns for three rounds and the medians are compared: a busy
// machine moves a single 10 s share of a percent or two by half its size.
// Without a display it runs itself under a virtual X server (xvfb-run -a).
#include "ProbedProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Figures {
    double firstFrameMs = -1;
    double residentMiB = -1;
    double cpuPercent = -1;
};

std::string binFolder() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string self(path, size_t(length));
    return self.substr(0, self.rfind('/'));
}

// A bus, registry and runtime folder of the run's own: one plugged-in unit,
// and no running panel to hand over to.
std::string privateFolder() {
    char folder[] = "/tmp/panelbench-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
        return {};
    std::string root(folder);
    ::setenv("TVC_SIM_BUS", (root + "/bus.ini").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    return root;
}

// Start-up to the first frame; memory at 10 s; CPU from 2 s to 12 s.
Figures measure(const std::vector<std::string>& argv) {
    Figures figures;
    ProbedProcess process;
    if (!process.start(argv) || !process.waitForLine("first frame", 10s))
        return figures;
    const auto start = process.startedAt();
    figures.firstFrameMs =
        std::chrono::duration<double, std::milli>(ProbedProcess::Clock::now() - start).count();
    std::this_thread::sleep_until(start + 2s);
    const double cpuBefore = process.cpuSeconds();
    std::this_thread::sleep_until(start + 10s);
    figures.residentMiB = process.residentMiB();
    std::this_thread::sleep_until(start + 12s);
    const double cpuAfter = process.cpuSeconds();
    if (cpuBefore >= 0 && cpuAfter >= 0)
        figures.cpuPercent = (cpuAfter - cpuBefore) * 100.0 / 10.0;
    return figures;
}

constexpr int kRounds = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of each figure over the rounds; -1 stays when a round failed.
Figures medians(const std::vector<Figures>& rounds) {
    std::vector<double> frames, memory, cpu;
    for (const Figures& round : rounds) {
        frames.push_back(round.firstFrameMs);
        memory.push_back(round.residentMiB);
        cpu.push_back(round.cpuPercent);
    }
    const auto failed = [](const std::vector<double>& v) {
        return std::any_of(v.begin(), v.end(), [](double x) { return x < 0; });
    };
    return Figures{failed(frames) ? -1 : median(frames), failed(memory) ? -1 : median(memory),
                   failed(cpu) ? -1 : median(cpu)};
}

void printRow(const char* what, double panel, double empty, int decimals) {
    std::printf("%-30s%14.*f%14.*f\n", what, decimals, panel, decimals, empty);
}

void printRounds(const char* what, const std::vector<Figures>& rounds) {
    std::printf("%-14s CPU by round (%% of a core):", what);
    for (const Figures& round : rounds)
        std::printf(" %.2f", round.cpuPercent);
    std::printf("\n");
}

int runUnderVirtualDisplay(char* self) {
    std::fflush(stdout);
    char xvfb[] = "xvfb-run";
    char automatic[] = "-a";
    char* argv[] = {xvfb, automatic, self, nullptr};
    ::execvp(xvfb, argv);
    std::fprintf(stderr, "panelbench: no display and no xvfb-run\n");
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        std::fprintf(stderr, "usage: panelbench\n");
        return 2;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return runUnderVirtualDisplay(argv[0]);
    if (privateFolder().empty())
        return 1;
    const std::string bin = binFolder();
    std::vector<Figures> panelRounds, emptyRounds;
    for (int round = 0; round < kRounds; ++round) {
        panelRounds.push_back(measure({bin + "/lumora_panel", "--report-events"}));
        emptyRounds.push_back(measure({bin + "/panelbench_empty"}));
    }
    printRounds("lumora_panel", panelRounds);
    printRounds("empty window", emptyRounds);
    const Figures panel = medians(panelRounds);
    const Figures empty = medians(emptyRounds);

    std::printf("medians of %d rounds:\n", kRounds);
    std::printf("%-30s%14s%14s\n", "", "lumora_panel", "empty window");
    printRow("first frame (ms)", panel.firstFrameMs, empty.firstFrameMs, 0);
    printRow("resident after 10 s (MiB)", panel.residentMiB, empty.residentMiB, 1);
    printRow("CPU over 10 s (% of a core)", panel.cpuPercent, empty.cpuPercent, 2);
    const bool frameMet = panel.firstFrameMs >= 0 && panel.firstFrameMs <= 500;
    const bool memoryMet = panel.residentMiB >= 0 && panel.residentMiB < 60;
    const bool cpuMet = panel.cpuPercent >= 0 && panel.cpuPercent <= 2 * empty.cpuPercent;
    std::printf(
        "targets: first frame within 500 ms: %s; under 60 MiB: %s; "
        "CPU at most twice the empty window's: %s\n",
        frameMet ? "met" : "missed", memoryMet ? "met" : "missed", cpuMet ? "met" : "missed");
    return panel.firstFrameMs >= 0 && empty.firstFrameMs >= 0 ? 0 : 1;
}
