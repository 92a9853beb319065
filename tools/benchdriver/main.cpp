// Measures one PresencePoll (unit present, levels read) and one SelectUnit
// against whatever driver the platform reaches, and prints the median and the
// 99th percentile of each in microseconds.
#include "DeviceModel.h"
#include "UnitWatch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Figures {
    double median;
    double p99;
};

Figures measure(long runs, const std::function<bool()>& operation, bool& ok) {
    std::vector<double> costs;
    costs.reserve(size_t(runs));
    for (long i = 0; i < runs && ok; ++i) {
        auto start = std::chrono::steady_clock::now();
        ok = operation();
        std::chrono::duration<double, std::micro> cost = std::chrono::steady_clock::now() - start;
        costs.push_back(cost.count());
    }
    std::sort(costs.begin(), costs.end());
    size_t n = costs.size();
    if (n == 0)
        return Figures{0, 0};
    return Figures{costs[n / 2], costs[std::min(n - 1, n * 99 / 100)]};
}

long argumentOr(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::strtol(argv[i + 1], nullptr, 10);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::printf(
            "usage: benchdriver [--polls N] [--selects N]\n"
            "Prints the median and 99th-percentile cost of PresencePoll and SelectUnit.\n");
        return 0;
    }
    long polls = argumentOr(argc, argv, "--polls", 5000);
    long selects = argumentOr(argc, argv, "--selects", 1000);
    CDeviceModel& model = TheDeviceModel();
    LevelReader reader;
    model.ConnectAtStart();
    PresencePoll(reader, model);  // the first poll reports the units
    bool ok = true;
    Figures poll = measure(
        polls, [&] { return PresencePoll(reader, model) == POLL_LEVELS_VALID; }, ok);
    Figures select = measure(
        selects, [&] { return model.SelectUnit(0); }, ok);
    if (!ok) {
        std::fprintf(stderr, "benchdriver: no unit answers; plug one in first\n");
        return 1;
    }
    std::printf("PresencePoll: median %.1f us, 99th percentile %.1f us (%ld runs)\n", poll.median,
                poll.p99, polls);
    std::printf("SelectUnit:   median %.1f us, 99th percentile %.1f us (%ld runs)\n", select.median,
                select.p99, selects);
    return 0;
}
