#include "WindowStacking.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The window manager's protocol for a mapped window: ask it through the root
// window to add or remove the "above" state (action 1 adds, 0 removes).
void askWindowManager(::Window window, bool onTop) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = onTop ? 1 : 0;
    event.xclient.data.l[1] = long(XInternAtom(display, "_NET_WM_STATE_ABOVE", False));
    event.xclient.data.l[3] = 1;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XCloseDisplay(display);
}

}  // namespace

// A window not on the screen yet only takes the flag, which JUCE applies when
// it makes the native window.
void WindowStacking::keepOnTop(juce::Component& window, bool onTop) {
    auto* peer = window.getPeer();
    if (peer == nullptr) {
        window.setAlwaysOnTop(onTop);
        return;
    }
    askWindowManager(::Window(reinterpret_cast<uintptr_t>(peer->getNativeHandle())), onTop);
}
