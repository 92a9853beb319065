#pragma once
#include <string>

// An advisory lock on "<path>.lock" held for the object's lifetime; it keeps
// read-modify-write cycles of processes sharing one file from interleaving.
class FileLock {
public:
    FileLock(const std::string& path, bool exclusive);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
