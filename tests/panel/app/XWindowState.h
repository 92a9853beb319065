#pragma once

// What the window manager says of a window on the X display, read with Xlib.
class XWindowState {
public:
    // True when a window manager owns the screen (it set its check window).
    static bool windowManagerRuns();
    // True when the window's _NET_WM_STATE holds _NET_WM_STATE_ABOVE.
    static bool isAbove(void* nativeWindow);
};
