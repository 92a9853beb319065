#include "Subprocess.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::vector<char*> pointers(const std::vector<std::string>& strings) {
    std::vector<char*> result;
    result.reserve(strings.size() + 1);
    for (const std::string& s : strings)
        result.push_back(const_cast<char*>(s.c_str()));
    result.push_back(nullptr);
    return result;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeProgram(std::vector<char*>& argv, std::vector<char*>& env,
                                const char* outputFile) {
    const int out = ::open(outputFile, O_WRONLY | O_CREAT | O_APPEND, 0644);
    const int in = ::open("/dev/null", O_RDONLY);
    if (out >= 0) {
        ::dup2(out, 1);
        ::dup2(out, 2);
    }
    if (in >= 0)
        ::dup2(in, 0);
    // A session killed by a test timeout leaves no panel or X server behind.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ::execvpe(argv[0], argv.data(), env.data());
    ::_exit(127);
}

}  // namespace

Subprocess::~Subprocess() {
    stop();
}

bool Subprocess::start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                       const std::string& outputFile) {
    std::vector<char*> args = pointers(argv);
    std::vector<char*> environment = pointers(env);
    const std::string output = outputFile.empty() ? "/dev/null" : outputFile;
    pid_ = ::fork();
    if (pid_ == 0)
        becomeProgram(args, environment, output.c_str());
    ended_ = false;
    exitCode_ = -1;
    signal_ = 0;
    return pid_ > 0;
}

void Subprocess::reap(int status) {
    ended_ = true;
    if (WIFSIGNALED(status)) {
        signal_ = WTERMSIG(status);
        exitCode_ = 128 + signal_;
    } else {
        exitCode_ = WEXITSTATUS(status);
    }
}

bool Subprocess::running() {
    if (pid_ <= 0 || ended_)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_)
        reap(status);
    return !ended_;
}

bool Subprocess::waitFor(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pid_ > 0;
}

void Subprocess::sendSignal(int signal) {
    if (running())
        ::kill(pid_, signal);
}

void Subprocess::kill() {
    if (!running())
        return;
    ::kill(pid_, SIGKILL);
    waitFor(5000);
}

void Subprocess::stop() {
    sendSignal(SIGTERM);
    if (!waitFor(3000))
        kill();
}

int Subprocess::run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                    const std::string& outputFile, int timeoutMs) {
    Subprocess program;
    if (!program.start(argv, env, outputFile))
        return -1;
    if (!program.waitFor(timeoutMs))
        return -1;
    return program.exitCode();
}
