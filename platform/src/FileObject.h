#pragma once
#include "KernelObject.h"

#include <unistd.h>

// A real file opened with CreateFileA.
class FileObject : public KernelObject {
public:
    explicit FileObject(int fd) : fd_(fd) {}
    ~FileObject() override { ::close(fd_); }
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

private:
    int fd_;
};
