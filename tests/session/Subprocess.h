#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// A program the session starts: its own environment, its output to a file,
// and every wait for it bounded.
class Subprocess {
public:
    Subprocess() = default;
    ~Subprocess();
    Subprocess(const Subprocess&) = delete;
    Subprocess& operator=(const Subprocess&) = delete;

    // argv[0] is looked up in PATH when it holds no slash. Output and errors
    // go to outputFile, or nowhere when it is empty.
    bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
               const std::string& outputFile);
    bool running();
    // True once it has ended within timeoutMs; then exitCode() tells how.
    bool waitFor(int timeoutMs);
    // The exit status, or 128 + the signal that ended it.
    int exitCode() const { return exitCode_; }
    bool endedBySignal() const { return signal_ != 0; }
    void sendSignal(int signal);
    // SIGKILL and a wait: what is left of a run that failed.
    void kill();
    // SIGTERM, and SIGKILL when that is not heeded within a few seconds: an X
    // server asked so removes its socket and lock file.
    void stop();
    pid_t pid() const { return pid_; }

    // Runs a program to its end, killed after timeoutMs; its exit code, or -1.
    static int run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const std::string& outputFile, int timeoutMs);

private:
    void reap(int status);

    pid_t pid_ = -1;
    bool ended_ = false;
    int exitCode_ = -1;
    int signal_ = 0;
};
