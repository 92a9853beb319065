// panelbench: starts lumora_panel against a simulated unit of its own twice,
// once metering the unit's moving signal and once with the levels fixed by
// the bus file's Levels= key, and in the same run an empty JUCE window. It
// prints for each the time from start to the first painted frame, the
// resident memory after 10 s and the CPU share over 10 s of running untouched.
// The three take turns for three rounds and the medians are compared: a busy
// machine moves a single 10 s share of a percent or two by half its size.
// Without a display it runs itself under a virtual X server (xvfb-run -a).
#include "ProbedProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

// One program measured in each round; an empty bus file is the unit's moving signal.
struct Subject {
    const char* name;
    std::vector<std::string> argv;
    std::string bus;
    std::vector<Figures> rounds;
};

constexpr int kRounds = 3;
constexpr double kMovingTarget = 1.5;
constexpr double kFixedTarget = 1.2;
// The fixed case's eight meter words: silence, which leaves the meters still.
// A steady level that shows a bar is drawn on every poll all the same: the
// meter's ballistics step such a bar down by 4.5 and back up on alternate polls.
constexpr const char* kDefaultLevels = "0,0,0,0,0,0,0,0";

std::string binFolder() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string self(path, size_t(length));
    return self.substr(0, self.rfind('/'));
}

// A registry and runtime folder of the run's own, with no running panel to
// hand over to, and two bus files: one plugged-in unit, playing its moving
// signal in the first, its levels fixed in the second.
std::string privateFolder(const std::string& levels) {
    char folder[] = "/tmp/panelbench-XXXXXX";
    if (::mkdtemp(folder) == nullptr)
        return {};
    std::string root(folder);
    ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    std::ofstream fixed(root + "/fixed.ini");
    fixed << "[Unit1]\nLevels=" << levels << "\n";
    return fixed ? root : std::string();
}

// Start-up to the first frame; memory at 10 s; CPU from 2 s to 12 s.
Figures measure(const Subject& subject) {
    Figures figures;
    ::setenv("TVC_SIM_BUS", subject.bus.c_str(), 1);
    ProbedProcess process;
    if (!process.start(subject.argv) || !process.waitForLine("first frame", 10s))
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

void printRounds(const Subject& subject) {
    std::printf("%-28s CPU by round (%% of a core):", subject.name);
    for (const Figures& round : subject.rounds)
        std::printf(" %.2f", round.cpuPercent);
    std::printf("\n");
}

void printRow(const char* what, const Figures (&m)[3], double Figures::*field, int decimals) {
    std::printf("%-30s", what);
    for (const Figures& figures : m)
        std::printf("%14.*f", decimals, figures.*field);
    std::printf("\n");
}

double ratio(const Figures& panel, const Figures& empty) {
    return panel.cpuPercent >= 0 && empty.cpuPercent > 0 ? panel.cpuPercent / empty.cpuPercent : -1;
}

const char* verdict(bool met) {
    return met ? "met" : "missed";
}

// The medians side by side, the CPU ratios and the targets.
void printSummary(const Subject (&subjects)[3]) {
    const Figures m[3] = {medians(subjects[0].rounds), medians(subjects[1].rounds),
                          medians(subjects[2].rounds)};
    std::printf("medians of %d rounds:\n", kRounds);
    std::printf("%-30s%14s%14s%14s\n", "", "panel moving", "panel fixed", "empty window");
    printRow("first frame (ms)", m, &Figures::firstFrameMs, 0);
    printRow("resident after 10 s (MiB)", m, &Figures::residentMiB, 1);
    printRow("CPU over 10 s (% of a core)", m, &Figures::cpuPercent, 2);
    const double moving = ratio(m[0], m[2]);
    const double fixed = ratio(m[1], m[2]);
    std::printf("%-30s%14.2f%14.2f\n", "CPU ratio to the empty window", moving, fixed);
    const auto frameMet = [](const Figures& f) {
        return f.firstFrameMs >= 0 && f.firstFrameMs <= 500;
    };
    const auto memoryMet = [](const Figures& f) {
        return f.residentMiB >= 0 && f.residentMiB < 60;
    };
    std::printf(
        "targets: first frame within 500 ms: %s; under 60 MiB: %s; CPU moving at most "
        "%.1fx the empty window's: %s; CPU fixed at most %.1fx: %s\n",
        verdict(frameMet(m[0]) && frameMet(m[1])), verdict(memoryMet(m[0]) && memoryMet(m[1])),
        kMovingTarget, verdict(moving >= 0 && moving <= kMovingTarget), kFixedTarget,
        verdict(fixed >= 0 && fixed <= kFixedTarget));
}

int runUnderVirtualDisplay(char* argv[]) {
    std::fflush(stdout);
    std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a")};
    for (int i = 0; argv[i] != nullptr; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    std::fprintf(stderr, "panelbench: no display and no xvfb-run\n");
    return 1;
}

void usage(FILE* to) {
    std::fprintf(to,
                 "usage: panelbench [--levels W1,...,W8]\n"
                 "Measures lumora_panel metering a moving signal and fixed levels (the\n"
                 "eight meter words of --levels, default %s) beside an empty\n"
                 "window: first frame, memory and CPU, medians of %d rounds (about 110 s).\n",
                 kDefaultLevels, kRounds);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string levels = kDefaultLevels;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        usage(stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--levels") == 0) {
        levels = argv[2];
    } else if (argc != 1) {
        usage(stderr);
        return 2;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return runUnderVirtualDisplay(argv);
    const std::string root = privateFolder(levels);
    if (root.empty())
        return 1;
    const std::string bin = binFolder();
    const std::vector<std::string> panel{bin + "/lumora_panel", "--report-events"};
    Subject subjects[3] = {
        {"lumora_panel, moving signal", panel, root + "/moving.ini", {}},
        {"lumora_panel, fixed levels", panel, root + "/fixed.ini", {}},
        {"empty window", {bin + "/panelbench_empty"}, root + "/moving.ini", {}},
    };
    for (int round = 0; round < kRounds; ++round)
        for (Subject& subject : subjects)
            subject.rounds.push_back(measure(subject));
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    for (const Subject& subject : subjects)
        printRounds(subject);
    printSummary(subjects);
    const auto started = [](const Subject& s) { return medians(s.rounds).firstFrameMs >= 0; };
    return std::all_of(std::begin(subjects), std::end(subjects), started) ? 0 : 1;
}
