#pragma once
#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started for measuring: its standard output comes through a pipe,
// its CPU time and resident memory from /proc. The process ends with the object.
class ProbedProcess {
public:
    using Clock = std::chrono::steady_clock;

    ProbedProcess() = default;
    ~ProbedProcess();
    ProbedProcess(const ProbedProcess&) = delete;
    ProbedProcess& operator=(const ProbedProcess&) = delete;

    // Starts the program with the arguments; false when it could not be started.
    bool start(const std::vector<std::string>& argv);
    Clock::time_point startedAt() const { return started_; }
    // Waits until the program printed the line; false on its end or after the timeout.
    bool waitForLine(const std::string& line, std::chrono::milliseconds timeout);
    // Time its threads have run so far, in seconds; negative when unreadable.
    double cpuSeconds() const;
    // Resident memory in MiB; negative when unreadable.
    double residentMiB() const;
    void stop();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
    Clock::time_point started_;
};
