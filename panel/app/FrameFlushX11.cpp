// JUCE's own X connection is reached through its X11 declarations.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "FrameFlush.h"

FrameFlush::FrameFlush(juce::Component& window) : ticks_(&window, [this] { onTick(); }) {}

void FrameFlush::onTick() {
    if (!painted_)
        return;
    painted_ = false;
    juce::XWindowSystemUtilities::ScopedXLock lock;
    juce::X11Symbols::getInstance()->xFlush(juce::XWindowSystem::getInstance()->getDisplay());
}
