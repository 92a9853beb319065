#include "TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// The new file takes the place of the old one with the old one's owner and mode.
bool takeOver(int fd, const struct stat* old) {
    if (old == nullptr)
        return ::fchmod(fd, 0644) == 0;
    struct stat made;
    if (::fstat(fd, &made) != 0)
        return false;
    if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0)
        return false;
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

}  // namespace

// Opened without blocking, so that a FIFO at the path cannot hang the reader.
bool TextFile::read(const std::string& path, std::string& text) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    text.clear();
    char buffer[4096];
    while (ok) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        text.append(buffer, size_t(got));
    }
    ::close(fd);
    return ok;
}

bool TextFile::writeAtomic(const std::string& path, const std::string& text) {
    std::string file = resolve(path);
    if (!problem(file).empty())
        return false;
    struct stat old;
    bool replaces = ::stat(file.c_str(), &old) == 0;
    std::string temporary = file + ".XXXXXX";
    int fd = ::mkstemp(&temporary[0]);
    if (fd < 0)
        return false;
    bool ok = takeOver(fd, replaces ? &old : nullptr) && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

bool TextFile::exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool TextFile::makeParentFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string TextFile::resolve(const std::string& path) {
    std::string current = path;
    // As many links as the kernel follows before it gives up on a loop.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[PATH_MAX];
        ssize_t length = ::readlink(current.c_str(), target, sizeof target - 1);
        if (length < 0)
            return current;
        std::string next(target, size_t(length));
        size_t slash = current.rfind('/');
        if (next[0] != '/' && slash != std::string::npos)
            next = current.substr(0, slash + 1) + next;
        current = next;
    }
    return current;
}

std::string TextFile::readProblem(const std::string& path) {
    std::string file = resolve(path);
    struct stat info;
    if (::lstat(file.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (S_ISLNK(info.st_mode))
        return "a symbolic link that leads nowhere or in a circle";
    return S_ISREG(info.st_mode) ? std::string() : "not a regular file";
}

std::string TextFile::problem(const std::string& path) {
    std::string reason = readProblem(path);
    std::string file = resolve(path);
    if (!reason.empty() || ::access(file.c_str(), F_OK) != 0)
        return reason;
    if (::access(file.c_str(), R_OK | W_OK) != 0) {
        struct stat info;
        bool others = ::stat(file.c_str(), &info) == 0 && info.st_uid != ::geteuid();
        return others ? "owned by another user and not writable" : "not readable and writable";
    }
    return std::string();
}
