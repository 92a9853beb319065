#include "SimBusWatch.h"

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Everything that can change what a path in the folder names or holds, and
// the folder itself going away (the kernel then drops the watch).
constexpr uint32_t kChanges = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO |
                              IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;

// The longest the file goes unlooked at while no event comes.
constexpr auto kLongest = std::chrono::seconds(1);

std::string folderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace

SimBusWatch::~SimBusWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool SimBusWatch::unchanged(const std::string& file, Clock::time_point now) {
    if (looked_.empty() || file != looked_ || watch_ < 0 || now - lookedAt_ >= kLongest)
        return false;
    if (drain())
        return true;
    looked_.clear();
    return false;
}

// A relative path would name another file once the process changes folder.
void SimBusWatch::look(const std::string& file, Clock::time_point now) {
    looked_.clear();
    if (file.empty() || file[0] != '/' || !watchFolderOf(file))
        return;
    drain();
    looked_ = file;
    lookedAt_ = now;
}

// Any event at all counts as a change: other files of the folder are rare,
// and an overflow of the queue or a dropped watch must not pass for quiet.
bool SimBusWatch::drain() {
    alignas(inotify_event) char events[4096];
    bool quiet = true;
    for (;;) {
        const ssize_t got = ::read(fd_, events, sizeof events);
        if (got > 0) {
            quiet = false;
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                if (event->wd == watch_)
                    dropIfGone(event->mask);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return quiet && got < 0 && errno == EAGAIN;
    }
}

// A folder moved away keeps its watch; the path must be watched afresh.
void SimBusWatch::dropIfGone(uint32_t mask) {
    if ((mask & IN_MOVE_SELF) != 0)
        ::inotify_rm_watch(fd_, watch_);
    if ((mask & (IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED)) != 0)
        watch_ = -1;
}

bool SimBusWatch::watchFolderOf(const std::string& file) {
    if (failed_)
        return false;
    if (fd_ < 0) {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ < 0) {
            failed_ = true;
            return false;
        }
    }
    const std::string folder = folderOf(file);
    if (watch_ >= 0 && folder == folder_)
        return true;
    if (watch_ >= 0)
        ::inotify_rm_watch(fd_, watch_);
    watch_ = ::inotify_add_watch(fd_, folder.c_str(), kChanges);
    folder_ = folder;
    return watch_ >= 0;
}
