#include "ProbedProcess.h"

#include <csignal>
#include <dirent.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

ProbedProcess::~ProbedProcess() {
    stop();
}

bool ProbedProcess::start(const std::vector<std::string>& argv) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return false;
    started_ = Clock::now();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        std::vector<char*> args;
        args.reserve(argv.size() + 1);
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        std::_Exit(127);
    }
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
    return pid_ > 0;
}

bool ProbedProcess::waitForLine(const std::string& line, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        size_t end;
        while ((end = pending_.find('\n')) != std::string::npos) {
            const std::string got = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (got == line)
                return true;
        }
        pollfd ready{output_, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&ready, 1, int(left.count() > 0 ? left.count() : 0)) <= 0)
            continue;
        char buffer[256];
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        pending_.append(buffer, size_t(got));
    }
    return false;
}

// The run time of every thread in nanoseconds (/proc/PID/task/TID/schedstat):
// the clock-tick figures of /proc/PID/stat move in steps of a tenth of a
// percent over 10 s, too coarse beside an empty window's one percent.
double ProbedProcess::cpuSeconds() const {
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    DIR* folder = ::opendir(tasks.c_str());
    if (folder == nullptr)
        return -1.0;
    unsigned long long total = 0;
    bool read = false;
    while (const dirent* entry = ::readdir(folder)) {
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long ns = 0;
        if (entry->d_name[0] != '.' && stat >> ns) {
            total += ns;
            read = true;
        }
    }
    ::closedir(folder);
    return read ? double(total) / 1e9 : -1.0;
}

double ProbedProcess::residentMiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return -1.0;
}

void ProbedProcess::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    if (output_ >= 0) {
        ::close(output_);
        output_ = -1;
    }
}
