#include "FrameFlush.h"

// A frame drawn into a window is on the screen: nothing waits to be sent.
FrameFlush::FrameFlush(juce::Component& window) : ticks_(&window, [this] { onTick(); }) {}

void FrameFlush::onTick() {
    painted_ = false;
}
