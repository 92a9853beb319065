#include "SimNamedLock.h"

#include "FileLock.h"
#include "SimBus.h"

#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

int lockRetrying(int fd, int operation) {
    int rc;
    do {
        rc = ::flock(fd, operation);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

}  // namespace

std::string SimNamedLock::pathFor(const std::string& name) {
    std::string safe;
    for (char c : name)
        safe += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return SimBus::filePath() + "." + safe + ".held";
}

// Made under the bus file's own lock, so that two processes cannot both find
// the name free: only here is the exclusive lock ever tried.
SimNamedLock::SimNamedLock(const std::string& name) {
    std::string path = pathFor(name);
    FileLock guard(SimBus::filePath(), true);
    if (!guard.held())
        return;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    existed_ = lockRetrying(fd_, LOCK_EX | LOCK_NB) != 0;
    if (lockRetrying(fd_, LOCK_SH) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

SimNamedLock::~SimNamedLock() {
    if (fd_ >= 0)
        ::close(fd_);
}
