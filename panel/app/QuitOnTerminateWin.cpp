#include "QuitOnTerminate.h"

#include <juce_events/juce_events.h>

#include <csignal>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace juce {
extern HWND juce_messageWindowHandle;
}

namespace {

volatile std::sig_atomic_t terminateRequested = 0;

extern "C" void requestTerminate(int) {
    terminateRequested = 1;
}

// Twice a second is soon enough to end on a signal.
constexpr int kPollMs = 500;

void requestQuit() {
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}

WNDPROC juceMessageProc = nullptr;

// A request to close the process's windows (taskkill, an installer closing
// running programs) reaches JUCE's hidden message window too. Left to the
// default handling it would destroy that window, and with it every message
// JUCE posts afterwards, the one that ends the program among them.
LRESULT CALLBACK messageWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_CLOSE) {
        requestQuit();
        return 0;
    }
    return CallWindowProcW(juceMessageProc, window, message, w, l);
}

}  // namespace

// Without a descriptor the event loop can watch, a timer looks for the flag.
class QuitOnTerminate::Wake : private juce::Timer {
public:
    Wake() {
        terminateRequested = 0;
        std::signal(SIGTERM, requestTerminate);
        startTimer(kPollMs);
        if (juce::juce_messageWindowHandle != nullptr)
            juceMessageProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(juce::juce_messageWindowHandle, GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(messageWindowProc)));
    }
    ~Wake() override {
        if (juceMessageProc != nullptr && juce::juce_messageWindowHandle != nullptr)
            SetWindowLongPtrW(juce::juce_messageWindowHandle, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(juceMessageProc));
        juceMessageProc = nullptr;
        stopTimer();
        std::signal(SIGTERM, SIG_DFL);
    }

private:
    void timerCallback() override {
        if (terminateRequested == 0)
            return;
        stopTimer();
        requestQuit();
    }
};

QuitOnTerminate::QuitOnTerminate() : wake_(std::make_unique<Wake>()) {}

QuitOnTerminate::~QuitOnTerminate() = default;
