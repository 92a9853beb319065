#pragma once
#include <string>

// A named object shared by the processes of one simulated machine: a lock file
// beside the bus file. Every holder keeps a shared lock on it, so whether
// another holder exists can be told, and a holder that dies lets go at once.
class SimNamedLock {
public:
    explicit SimNamedLock(const std::string& name);
    ~SimNamedLock();
    SimNamedLock(const SimNamedLock&) = delete;
    SimNamedLock& operator=(const SimNamedLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Another holder of the name existed when this one was made.
    bool existed() const { return existed_; }

    static std::string pathFor(const std::string& name);

private:
    int fd_ = -1;
    bool existed_ = false;
};
