#include "WindowStacking.h"

// Windows changes the stacking of the existing window in place.
void WindowStacking::keepOnTop(juce::Component& window, bool onTop) {
    window.setAlwaysOnTop(onTop);
}
