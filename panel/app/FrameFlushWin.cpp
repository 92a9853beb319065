#include "FrameFlush.h"

// A frame drawn into a window is on the screen: nothing waits to be sent, so
// nothing is attached to the window's ticks.
FrameFlush::FrameFlush(juce::Component&) {}

void FrameFlush::onTick() {}
