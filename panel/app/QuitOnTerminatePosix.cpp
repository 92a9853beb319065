#include "QuitOnTerminate.h"

#include <juce_events/juce_events.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the pipe, for the signal handler; -1 while none is set up.
volatile std::sig_atomic_t wakeFd = -1;

extern "C" void requestTerminate(int) {
    const int fd = wakeFd;
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
}

}  // namespace

// A pipe that the event loop watches: the panel sleeps until the signal
// comes, instead of waking to look for it.
class QuitOnTerminate::Wake {
public:
    Wake() {
        if (::pipe2(fds_, O_NONBLOCK | O_CLOEXEC) != 0)
            return;
        juce::LinuxEventLoop::registerFdCallback(fds_[0], [](int fd) {
            char bytes[16];
            while (::read(fd, bytes, sizeof bytes) > 0) {
            }
            if (auto* app = juce::JUCEApplicationBase::getInstance())
                app->systemRequestedQuit();
        });
        wakeFd = fds_[1];
        std::signal(SIGTERM, requestTerminate);
    }
    ~Wake() {
        std::signal(SIGTERM, SIG_DFL);
        wakeFd = -1;
        if (fds_[0] < 0)
            return;
        juce::LinuxEventLoop::unregisterFdCallback(fds_[0]);
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    Wake(const Wake&) = delete;
    Wake& operator=(const Wake&) = delete;

private:
    int fds_[2] = {-1, -1};
};

QuitOnTerminate::QuitOnTerminate() : wake_(std::make_unique<Wake>()) {}

QuitOnTerminate::~QuitOnTerminate() = default;
