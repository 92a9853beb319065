#include "QuitOnTerminate.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t terminateRequested = 0;

extern "C" void requestTerminate(int) {
    terminateRequested = 1;
}

// Twice a second is soon enough to end on a signal, and wakes the panel
// seldom while it sits metering.
constexpr int kPollMs = 500;

}  // namespace

QuitOnTerminate::QuitOnTerminate() {
    terminateRequested = 0;
    std::signal(SIGTERM, requestTerminate);
    startTimer(kPollMs);
}

QuitOnTerminate::~QuitOnTerminate() {
    stopTimer();
    std::signal(SIGTERM, SIG_DFL);
}

void QuitOnTerminate::timerCallback() {
    if (terminateRequested == 0)
        return;
    stopTimer();
    juce::JUCEApplicationBase::quit();
}
