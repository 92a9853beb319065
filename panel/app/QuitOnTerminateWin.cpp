#include "QuitOnTerminate.h"

#include <juce_events/juce_events.h>

#include <csignal>

namespace {

volatile std::sig_atomic_t terminateRequested = 0;

extern "C" void requestTerminate(int) {
    terminateRequested = 1;
}

// Twice a second is soon enough to end on a signal.
constexpr int kPollMs = 500;

}  // namespace

// Without a descriptor the event loop can watch, a timer looks for the flag.
class QuitOnTerminate::Wake : private juce::Timer {
public:
    Wake() {
        terminateRequested = 0;
        std::signal(SIGTERM, requestTerminate);
        startTimer(kPollMs);
    }
    ~Wake() override {
        stopTimer();
        std::signal(SIGTERM, SIG_DFL);
    }

private:
    void timerCallback() override {
        if (terminateRequested == 0)
            return;
        stopTimer();
        if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->systemRequestedQuit();
    }
};

QuitOnTerminate::QuitOnTerminate() : wake_(std::make_unique<Wake>()) {}

QuitOnTerminate::~QuitOnTerminate() = default;
