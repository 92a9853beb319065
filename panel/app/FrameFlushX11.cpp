// JUCE's own X connection is reached through its X11 declarations, and its
// handler for that connection through the event loop's hook for it.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "FrameFlush.h"

#include <juce_events/native/juce_linux_EventLoopInternal.h>

FrameFlush::FrameFlush(juce::Component& window) : ticks_(&window, [this] { onTick(); }) {}

// Flushing also reads what the server has sent into Xlib's queue, where
// JUCE, which waits for the connection to become readable, would not see
// it until the next event came: a click read here would wait for the next
// click. So anything read is handed to JUCE's handler at once.
void FrameFlush::onTick() {
    if (!painted_)
        return;
    painted_ = false;
    auto* x11 = juce::X11Symbols::getInstance();
    ::Display* display = juce::XWindowSystem::getInstance()->getDisplay();
    int queued = 0;
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        x11->xFlush(display);
        queued = x11->xEventsQueued(display, QueuedAlready);
    }
    if (queued > 0)
        juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(x11->xConnectionNumber(display));
}
