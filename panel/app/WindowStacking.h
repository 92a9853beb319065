#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// Keeps a window above the others, on the native window it already has:
// JUCE's own switch replaces the native window on X11, and whatever held the
// old one's id (a window manager's rule, an accessibility client) lost it.
// One source per windowing system, chosen by the build.
class WindowStacking {
public:
    static void keepOnTop(juce::Component& window, bool onTop);
};
